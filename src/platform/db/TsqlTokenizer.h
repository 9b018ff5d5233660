#pragma once

#include <QString>
#include <vector>

namespace db {

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

    bool isWord(const char* upper) const;
    bool isPunct(const char* p) const { return kind == Punct && text == QLatin1String(p); }
};

// Splits statement text into tokens. Throws DbError on an unterminated literal or identifier.
std::vector<Token> tokenize(const QString& sql);

// Writes tokens back out as SQLite text: literals re-quoted, identifiers double-quoted.
QString joinTokens(const std::vector<Token>& tokens);

} // namespace db
