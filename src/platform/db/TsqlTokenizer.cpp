#include "platform/db/TsqlTokenizer.h"

#include "platform/db/DbError.h"

namespace db {

namespace {

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$';
}

// Reads a quoted run starting at the opening quote; a doubled closing quote stands for itself.
QString readQuoted(const QString& sql, qsizetype& i, QChar close)
{
    QString value;
    ++i;
    while (i < sql.size()) {
        if (sql[i] == close) {
            if (i + 1 < sql.size() && sql[i + 1] == close) {
                value += close;
                i += 2;
                continue;
            }
            ++i;
            return value;
        }
        value += sql[i++];
    }
    throw DbError(DbErrorKind::Syntax, QStringLiteral("Unclosed quotation mark after the character string '%1'.").arg(value));
}

// Skips the block comment opening at i; comments nest, as the server reads them.
void skipBlockComment(const QString& sql, qsizetype& i)
{
    int depth = 0;
    while (i + 1 < sql.size()) {
        if (sql[i] == u'/' && sql[i + 1] == u'*') {
            ++depth;
            i += 2;
        } else if (sql[i] == u'*' && sql[i + 1] == u'/') {
            i += 2;
            if (--depth == 0)
                return;
        } else {
            ++i;
        }
    }
    throw DbError(DbErrorKind::Syntax, QStringLiteral("Missing end comment mark '*/'."));
}

} // namespace

std::vector<Token> tokenize(const QString& sql)
{
    std::vector<Token> tokens;
    qsizetype i = 0;
    const qsizetype n = sql.size();
    while (i < n) {
        const QChar c = sql[i];
        if (c.isSpace()) {
            ++i;
        } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
            while (i < n && sql[i] != u'\n')
                ++i;
        } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
            skipBlockComment(sql, i);
        } else if (c == u'\'') {
            tokens.push_back({Token::String, readQuoted(sql, i, u'\'')});
        } else if ((c == u'N' || c == u'n') && i + 1 < n && sql[i + 1] == u'\'') {
            ++i;
            tokens.push_back({Token::String, readQuoted(sql, i, u'\'')});
        } else if (c == u'[') {
            tokens.push_back({Token::Identifier, readQuoted(sql, i, u']')});
        } else if (c == u'"') {
            tokens.push_back({Token::Identifier, readQuoted(sql, i, u'"')});
        } else if (c.isDigit() || (c == u'.' && i + 1 < n && sql[i + 1].isDigit()
                                   && (tokens.empty() || tokens.back().kind == Token::Punct))) {
            const qsizetype start = i;
            while (i < n && (sql[i].isDigit() || sql[i] == u'.'))
                ++i;
            if (i < n && (sql[i] == u'e' || sql[i] == u'E')) {
                qsizetype j = i + 1;
                if (j < n && (sql[j] == u'+' || sql[j] == u'-'))
                    ++j;
                if (j < n && sql[j].isDigit()) {
                    i = j;
                    while (i < n && sql[i].isDigit())
                        ++i;
                }
            }
            if (i < n && isWordChar(sql[i]) && !sql[i].isDigit()) {
                // a name that begins with digits
                while (i < n && isWordChar(sql[i]))
                    ++i;
                tokens.push_back({Token::Word, sql.mid(start, i - start)});
            } else {
                tokens.push_back({Token::Number, sql.mid(start, i - start)});
            }
        } else if (isWordChar(c)) {
            const qsizetype start = i;
            while (i < n && isWordChar(sql[i]))
                ++i;
            tokens.push_back({Token::Word, sql.mid(start, i - start)});
        } else {
            static const char* const twoChar[] = {"<=", ">=", "<>", "!=", "!<", "!>", "||"};
            QString op(c);
            for (const char* t : twoChar) {
                if (i + 1 < n && c == QLatin1Char(t[0]) && sql[i + 1] == QLatin1Char(t[1])) {
                    op = QLatin1String(t);
                    break;
                }
            }
            i += op.size();
            tokens.push_back({Token::Punct, op});
        }
    }
    return tokens;
}

namespace {

bool needsSpaceBetween(const Token& a, const Token& b)
{
    if (a.kind == Token::Punct && (a.text == u"." || a.text == u"("))
        return false;
    if (b.kind == Token::Punct && (b.text == u"." || b.text == u"," || b.text == u")" || b.text == u";"))
        return false;
    if (b.kind == Token::Punct && b.text == u"(" && a.kind == Token::Word)
        return false;
    return true;
}

bool needsQuotes(const QString& word)
{
    if (word[0].isDigit())
        return true;
    for (QChar c : word)
        if (c == u'@' || c == u'#' || c == u'$')
            return true;
    return false;
}

void appendQuoted(QString& out, const QString& text, QChar quote)
{
    out += quote;
    for (QChar c : text) {
        if (c == quote)
            out += quote;
        out += c;
    }
    out += quote;
}

void appendToken(QString& out, const Token& t)
{
    switch (t.kind) {
    case Token::String: appendQuoted(out, t.text, u'\''); break;
    case Token::Identifier: appendQuoted(out, t.text, u'"'); break;
    case Token::Word:
        if (needsQuotes(t.text))
            appendQuoted(out, t.text, u'"');
        else
            out += t.text;
        break;
    default: out += t.text; break;
    }
}

} // namespace

QString joinTokens(const std::vector<Token>& tokens)
{
    qsizetype length = 0;
    for (const Token& t : tokens)
        length += t.text.size() + 3;
    QString out;
    out.reserve(length);
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (i > 0 && needsSpaceBetween(tokens[i - 1], tokens[i]))
            out += QLatin1Char(' ');
        appendToken(out, tokens[i]);
    }
    return out;
}

} // namespace db
