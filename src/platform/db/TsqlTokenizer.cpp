#include "platform/db/TsqlTokenizer.h"

#include "platform/db/TsqlLexer.h"

namespace db {

std::vector<Token> tokenize(const QString& sql)
{
    std::vector<Token> tokens;
    TsqlLexer lexer(sql);
    Lexeme lexeme;
    while (lexer.next(lexeme))
        tokens.push_back({lexeme.kind, lexeme.value()});
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

// A literal holding a NUL, as an expression of the same text: SQLite would end a quoted literal
// at the NUL, but reads the bytes of a blob literal whole.
void appendTextOfBytes(QString& out, const QString& text)
{
    out += QLatin1String("CAST(X'");
    out += QLatin1String(text.toUtf8().toHex());
    out += QLatin1String("' AS TEXT)");
}

void appendToken(QString& out, const Token& t)
{
    switch (t.kind) {
    case Token::String:
        if (t.text.contains(QChar(0)))
            appendTextOfBytes(out, t.text);
        else
            appendQuoted(out, t.text, u'\'');
        break;
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
