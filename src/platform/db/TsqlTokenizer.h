#pragma once

#include <QString>
#include <vector>

namespace db {

// Whether text is the keyword `upper` (given in capitals) in any case; inline, as every rewriting
// pass asks it of every token.
inline bool isKeyword(QStringView text, const char* upper)
{
    qsizetype i = 0;
    for (; upper[i] != 0; ++i) {
        if (i >= text.size())
            return false;
        const char16_t c = text[i].unicode();
        if ((c >= u'a' && c <= u'z' ? char16_t(c - 32) : c) != char16_t(upper[i]))
            return false;
    }
    return i == text.size();
}

// One lexical element of a T-SQL statement. Comments are dropped; everything else is kept so the
// statement can be written out again with only the rewritten tokens changed.
struct Token {
    enum Kind {
        Word,        // keyword or plain identifier (letters, digits, _ @ # $)
        Identifier,  // [bracketed] or "double-quoted" identifier; text holds the name without quotes
        String,      // 'literal' (or N'literal'); text holds the value, apostrophes undoubled
        Number,      // 12, 1.5, 1e3
        Punct,       // operators and punctuation: ( ) , . ; * + - / % = < > <= >= <> != ...
    };
    Kind kind;
    QString text;

    // Whether this is the keyword `upper` (given in capitals) in any case.
    bool isWord(const char* upper) const { return kind == Word && isKeyword(text, upper); }
    bool isPunct(const char* p) const { return kind == Punct && text == QLatin1String(p); }
};

// Splits statement text into tokens; block comments nest. Throws DbError on an unterminated literal,
// identifier or block comment.
std::vector<Token> tokenize(const QString& sql);

// Writes tokens back out as SQLite text: literals re-quoted, identifiers double-quoted.
QString joinTokens(const std::vector<Token>& tokens);

} // namespace db
