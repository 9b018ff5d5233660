#pragma once

#include "platform/db/TsqlTokenizer.h"

#include <QStringView>

namespace db {

// One lexical element where it lies in the statement text, read without copying it.
struct Lexeme {
    Token::Kind kind = Token::Punct;
    // Word, Number, Punct: the token's text. String, Identifier: the text between the quotes, a
    // doubled quote still doubled (see doubledQuotes).
    QStringView text;
    QStringView whole;          // the lexeme as it lies in the text: quotes, and an N before a literal, included
    QChar quote;                // the closing quote of a String or Identifier
    bool doubledQuotes = false; // text holds a doubled quote, so the value differs from the text

    bool isWord(const char* upper) const { return kind == Token::Word && isKeyword(text, upper); }
    bool isPunct(const char* p) const
    {
        if (kind != Token::Punct)
            return false;
        qsizetype i = 0;
        for (; p[i] != 0; ++i)
            if (i >= text.size() || text[i].unicode() != char16_t(p[i]))
                return false;
        return i == text.size();
    }
    // The token's text as Token holds it: a literal's or quoted identifier's quotes undoubled.
    QString value() const;
};

// Reads the lexemes of a T-SQL text one after another; comments and blanks are skipped and block
// comments nest. The text must outlive the lexer and its lexemes.
class TsqlLexer {
public:
    explicit TsqlLexer(QStringView sql) : m_sql(sql) {}

    // Reads the next lexeme into out; false at the end of the text. Throws DbError on an
    // unterminated literal, quoted identifier or block comment.
    bool next(Lexeme& out);

private:
    void readQuoted(Lexeme& out, Token::Kind kind, QChar close);
    void skipBlockComment();

    QStringView m_sql;
    qsizetype m_at = 0;
    bool m_afterPunct = true; // at the start or after punctuation, where ".5" is a number
};

} // namespace db
