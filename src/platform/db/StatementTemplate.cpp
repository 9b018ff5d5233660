#include "platform/db/StatementTemplate.h"

#include "platform/db/TsqlLexer.h"
#include "platform/db/TsqlParameters.h"

namespace db {

// Reading the text before a literal looks at most at the literal's first character, and then only
// at what of the four openings it is (a word or number running on into a digit or an N, a literal
// into another quote, a point and a digit making a number): a literal that begins the same way as
// the kept one leaves the text before it read as it was. Reading the literal looks on into the
// piece after it, which is the kept one's, and the literal is read from its own first character as
// the whole text would read it there (a point begins a number only just after punctuation, as it
// did in the kept text).
StatementTemplate::Opening StatementTemplate::openingOf(QChar first)
{
    if (first == u'\'')
        return Opening::Quote;
    if (first == u'N' || first == u'n')
        return Opening::N;
    return first == u'.' ? Opening::Point : Opening::Digit;
}

StatementTemplate::StatementTemplate(QStringView sql, const std::vector<QStringView>& literals)
{
    m_between.reserve(sql.size());
    m_values.reserve(literals.size());
    qsizetype at = 0;
    for (const QStringView literal : literals) {
        const qsizetype start = literal.data() - sql.data();
        m_between += sql.sliced(at, start - at);
        m_pieces.push_back(start - at);
        m_values.push_back({literal.back() == u'\'' ? Token::String : Token::Number, openingOf(literal.front())});
        at = start + literal.size();
    }
    m_between += sql.sliced(at);
    m_pieces.push_back(sql.size() - at);
}

bool StatementTemplate::match(QStringView sql, QVariantList& values) const
{
    values.clear();
    values.reserve(qsizetype(m_values.size()));
    const QChar* piece = m_between.constData();
    qsizetype at = 0;
    for (size_t i = 0;; ++i) {
        const qsizetype length = m_pieces[i];
        if (sql.size() - at < length || sql.sliced(at, length) != QStringView(piece, length))
            return false;
        at += length;
        piece += length;
        if (i == m_values.size())
            return at == sql.size();
        if (at == sql.size() || openingOf(sql[at]) != m_values[i].opening
            || (m_values[i].opening == Opening::Digit && !sql[at].isDigit()))
            return false;
        TsqlLexer lexer(sql.sliced(at));
        Lexeme literal;
        if (!lexer.next(literal) || literal.kind != m_values[i].kind)
            return false;
        values << literalValue(literal);
        at += literal.whole.size();
    }
}

} // namespace db
