#include "platform/db/TsqlLexer.h"

#include "platform/db/DbError.h"

namespace db {

namespace {

// The ASCII characters of words: letters, digits, _ @ # $.
constexpr bool kAsciiWordChar[128] = {
    false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, false,
    false, false, false, false, false, false, false, false, false, false, false, false, false, false, false, false,
    false, false, false, true,  true,  false, false, false, false, false, false, false, false, false, false, false,
    true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  false, false, false, false, false, false,
    true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,
    true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  false, false, false, false, true,
    false, true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,
    true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  true,  false, false, false, false, false,
};

inline bool isWordChar(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x80 ? kAsciiWordChar[u] : c.isLetterOrNumber();
}

// The text between quotes with each doubled closing quote made single.
QString undoubled(QStringView text, QChar quote)
{
    QString value;
    value.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        value += text[i];
        if (text[i] == quote)
            ++i;
    }
    return value;
}

// SQLite reads a statement only up to a NUL, so the text after it would be dropped unread: a
// statement whose text holds one where no value can hold it is refused whole.
[[noreturn]] void throwNul()
{
    throw DbError(DbErrorKind::Syntax, QStringLiteral("The statement holds a NUL character (code 0) outside a quoted "
                                                      "value; nothing of it was run."));
}

} // namespace

QString Lexeme::value() const
{
    if (doubledQuotes)
        return undoubled(text, quote);
    return text.toString();
}

void TsqlLexer::readQuoted(Lexeme& out, Token::Kind kind, QChar close)
{
    const qsizetype start = ++m_at;
    const qsizetype n = m_sql.size();
    out.kind = kind;
    out.quote = close;
    out.doubledQuotes = false;
    while (m_at < n) {
        if (m_sql[m_at] == close) {
            if (m_at + 1 < n && m_sql[m_at + 1] == close) {
                out.doubledQuotes = true;
                m_at += 2;
                continue;
            }
            out.text = m_sql.sliced(start, m_at - start);
            ++m_at;
            // SQLite would end the name at the NUL; a literal keeps it (see joinTokens)
            if (kind == Token::Identifier && out.text.contains(QChar(0)))
                throwNul();
            return;
        }
        ++m_at;
    }
    throw DbError(DbErrorKind::Syntax, QStringLiteral("Unclosed quotation mark after the character string '%1'.")
                                           .arg(undoubled(m_sql.sliced(start), close)));
}

// Skips the block comment opening at the current position; comments nest, as the server reads them.
void TsqlLexer::skipBlockComment()
{
    int depth = 0;
    while (m_at + 1 < m_sql.size()) {
        if (m_sql[m_at] == u'/' && m_sql[m_at + 1] == u'*') {
            ++depth;
            m_at += 2;
        } else if (m_sql[m_at] == u'*' && m_sql[m_at + 1] == u'/') {
            m_at += 2;
            if (--depth == 0)
                return;
        } else {
            ++m_at;
        }
    }
    throw DbError(DbErrorKind::Syntax, QStringLiteral("Missing end comment mark '*/'."));
}

bool TsqlLexer::next(Lexeme& out)
{
    const qsizetype n = m_sql.size();
    qsizetype i = m_at;
    while (i < n) {
        const QChar c = m_sql[i];
        if (c.isSpace()) {
            ++i;
            continue;
        }
        if (c == u'-' && i + 1 < n && m_sql[i + 1] == u'-') {
            while (i < n && m_sql[i] != u'\n')
                ++i;
            continue;
        }
        if (c == u'/' && i + 1 < n && m_sql[i + 1] == u'*') {
            m_at = i;
            skipBlockComment();
            i = m_at;
            continue;
        }
        break;
    }
    m_at = i;
    if (i >= n)
        return false;
    const QChar c = m_sql[i];
    const qsizetype start = i;
    if (c.unicode() == 0)
        throwNul();
    out.doubledQuotes = false;
    if (c == u'\'') {
        readQuoted(out, Token::String, u'\'');
        i = m_at;
    } else if ((c == u'N' || c == u'n') && i + 1 < n && m_sql[i + 1] == u'\'') {
        ++m_at;
        readQuoted(out, Token::String, u'\'');
        i = m_at;
    } else if (c == u'[') {
        readQuoted(out, Token::Identifier, u']');
        i = m_at;
    } else if (c == u'"') {
        readQuoted(out, Token::Identifier, u'"');
        i = m_at;
    } else if (c.isDigit() || (c == u'.' && i + 1 < n && m_sql[i + 1].isDigit() && m_afterPunct)) {
        while (i < n && (m_sql[i].isDigit() || m_sql[i] == u'.'))
            ++i;
        if (i < n && (m_sql[i] == u'e' || m_sql[i] == u'E')) {
            qsizetype j = i + 1;
            if (j < n && (m_sql[j] == u'+' || m_sql[j] == u'-'))
                ++j;
            if (j < n && m_sql[j].isDigit()) {
                i = j;
                while (i < n && m_sql[i].isDigit())
                    ++i;
            }
        }
        out.kind = Token::Number;
        if (i < n && isWordChar(m_sql[i]) && !m_sql[i].isDigit()) {
            // a name that begins with digits
            while (i < n && isWordChar(m_sql[i]))
                ++i;
            out.kind = Token::Word;
        }
        out.text = m_sql.sliced(start, i - start);
    } else if (isWordChar(c)) {
        while (i < n && isWordChar(m_sql[i]))
            ++i;
        out.kind = Token::Word;
        out.text = m_sql.sliced(start, i - start);
    } else {
        static const char* const twoChar[] = {"<=", ">=", "<>", "!=", "!<", "!>", "||"};
        qsizetype length = 1;
        for (const char* t : twoChar) {
            if (i + 1 < n && c == QLatin1Char(t[0]) && m_sql[i + 1] == QLatin1Char(t[1])) {
                length = 2;
                break;
            }
        }
        i += length;
        out.kind = Token::Punct;
        out.text = m_sql.sliced(start, length);
    }
    m_at = i;
    out.whole = m_sql.sliced(start, i - start);
    m_afterPunct = out.kind == Token::Punct;
    return true;
}

} // namespace db
