#include "platform/db/TsqlParameters.h"

#include "platform/db/TsqlLexer.h"

#include <algorithm>

namespace db {

namespace {

constexpr char16_t kMarker = 0x01;

bool isTypeWithLength(const Lexeme& t)
{
    static const char* const types[] = {"VARCHAR", "CHAR", "NVARCHAR", "NCHAR", "DECIMAL", "NUMERIC", "VARBINARY", "BINARY"};
    for (const char* type : types)
        if (t.isWord(type))
            return true;
    return false;
}

bool isClauseWord(const Lexeme& t)
{
    static const char* const words[] = {"SELECT", "FROM", "WHERE", "HAVING", "LIMIT", "UNION", "EXCEPT", "INTERSECT", "ON", "SET", "VALUES"};
    for (const char* word : words)
        if (t.isWord(word))
            return true;
    return false;
}

// Which tokens of a statement are values to bind, told token by token in order.
class ValueRules {
public:
    bool isValue(const Lexeme& t)
    {
        const Lexeme* prev = m_seen > 0 ? &back(1) : nullptr;
        if (m_seen == 0)
            m_definition = t.isWord("CREATE") || t.isWord("ALTER");
        if (t.isPunct("("))
            ++m_depth;
        else if (t.isPunct(")") && --m_depth < m_orderDepth)
            m_inOrderList = false;
        if (t.isWord("BY") && prev && (prev->isWord("ORDER") || prev->isWord("GROUP"))) {
            m_inOrderList = true;
            m_orderDepth = m_depth;
        } else if (m_inOrderList && m_depth <= m_orderDepth && isClauseWord(t)) {
            m_inOrderList = false;
        }

        // a definition (a default, a check, a view) keeps its values: SQLite binds none there
        bool value = !m_definition && (t.kind == Token::String || t.kind == Token::Number);
        if (t.kind == Token::String && prev && prev->isWord("AS"))
            value = false;
        if (t.kind == Token::Number && prev) {
            const bool typeLength = (prev->isPunct("(") && m_seen >= 2 && isTypeWithLength(back(2)))
                                    || (prev->isPunct(",") && m_seen >= 4 && back(3).isPunct("(") && isTypeWithLength(back(4)));
            const bool columnPosition = m_inOrderList && (prev->isWord("BY") || prev->isPunct(","));
            value = value && !typeLength && !columnPosition;
        }
        m_back[m_seen++ % kKept] = t;
        return value;
    }

    // How many tokens have been told.
    size_t seen() const { return m_seen; }

private:
    static constexpr size_t kKept = 4;
    // The token n places before the one being told (1: the one just before).
    const Lexeme& back(size_t n) const { return m_back[(m_seen - n) % kKept]; }

    Lexeme m_back[kKept];
    size_t m_seen = 0;
    bool m_definition = false;  // a CREATE or ALTER statement
    bool m_inOrderList = false; // within ORDER BY / GROUP BY, where a number names a column
    int m_orderDepth = 0;
    int m_depth = 0;
};

QVariant numberValue(QStringView text)
{
    // a whole number of at most 18 digits, as nearly every one is, is read here
    if (text.size() <= 18 && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        qlonglong whole = 0;
        for (const QChar c : text)
            whole = whole * 10 + (c.unicode() - u'0');
        return QVariant(whole);
    }
    bool integral = false;
    const qlonglong whole = text.toLongLong(&integral);
    return integral ? QVariant(whole) : QVariant(text.toDouble());
}

// Appends the decimal digits of n.
void appendNumber(QString& out, qsizetype n)
{
    char16_t digits[20];
    int count = 20;
    do {
        digits[--count] = char16_t(u'0' + n % 10);
        n /= 10;
    } while (n > 0);
    out.append(reinterpret_cast<const QChar*>(digits + count), 20 - count);
}

// Writes a statement's shape into a string sized beforehand for the longest it can be, one
// character at a time rather than appending piece by piece. A kept token goes into the shape as
// kind, length and text, so no two token runs share a shape; a value as a marker and its kind.
class ShapeWriter {
public:
    // Room for a shape of tokens whose texts add up to at most length, each at least one character.
    explicit ShapeWriter(QString& shape, qsizetype length) : m_shape(shape)
    {
        // a kept token of n characters takes at most 2n + 2, a value 2
        m_shape.resize(4 * length + 8);
        m_at = m_shape.data();
    }
    ~ShapeWriter() { m_shape.truncate(m_at - m_shape.constData()); }
    ShapeWriter(const ShapeWriter&) = delete;
    ShapeWriter& operator=(const ShapeWriter&) = delete;

    void kept(Token::Kind kind, QStringView text)
    {
        *m_at++ = QChar(char16_t(u'a' + kind));
        char16_t digits[20];
        int count = 0;
        qsizetype n = text.size();
        do {
            digits[count++] = char16_t(u'0' + n % 10);
            n /= 10;
        } while (n > 0);
        while (count > 0)
            *m_at++ = QChar(digits[--count]);
        *m_at++ = QLatin1Char(':');
        std::copy(text.begin(), text.end(), m_at);
        m_at += text.size();
    }
    void value(Token::Kind kind)
    {
        *m_at++ = QChar(kMarker);
        *m_at++ = QLatin1Char(kind == Token::String ? 's' : 'n');
    }

private:
    QString& m_shape;
    QChar* m_at;
};

} // namespace

ParameterizedStatement parameterize(const std::vector<Token>& tokens)
{
    ParameterizedStatement p;
    p.tokens.reserve(tokens.size());
    qsizetype length = 0;
    for (const Token& t : tokens)
        length += std::max<qsizetype>(t.text.size(), 1);
    {
        ShapeWriter shape(p.shape, length);
        ValueRules rules;
        for (const Token& t : tokens) {
            if (!rules.isValue({.kind = t.kind, .text = t.text})) {
                p.tokens.push_back(t);
                shape.kept(t.kind, t.text);
                continue;
            }
            QString marker;
            marker.reserve(8);
            marker += QChar(kMarker);
            appendNumber(marker, p.values.size());
            p.values << (t.kind == Token::String ? QVariant(t.text) : numberValue(t.text));
            p.tokens.push_back({t.kind, std::move(marker)});
            shape.value(t.kind);
        }
    }
    p.shape.squeeze(); // the shape is kept as the key of the prepared form
    return p;
}

QVariant literalValue(const Lexeme& literal)
{
    return literal.kind == Token::String ? QVariant(literal.value()) : numberValue(literal.text);
}

std::optional<StatementKey> statementKey(QStringView sql)
{
    StatementKey key;
    ValueRules rules;
    TsqlLexer lexer(sql);
    Lexeme t;
    bool procedure = false;
    {
        ShapeWriter shape(key.shape, sql.size());
        while (lexer.next(t)) {
            if (t.isPunct(";"))
                break;
            if (rules.seen() == 0 && (t.isWord("EXEC") || t.isWord("EXECUTE"))) {
                procedure = true;
                break;
            }
            if (!rules.isValue(t)) {
                shape.kept(t.kind, t.doubledQuotes ? QStringView(t.value()) : t.text);
                continue;
            }
            key.values << literalValue(t);
            key.literals.push_back(t.whole);
            shape.value(t.kind);
        }
    }
    // the text is read to its end, so a text that cannot be read is refused whatever comes before;
    // after the first semicolon only further semicolons may follow
    bool another = false;
    while (lexer.next(t))
        another = another || !t.isPunct(";");
    if (procedure || another)
        return std::nullopt;
    return key;
}

std::optional<QString> parameterText(const std::vector<Token>& adapted)
{
    std::vector<Token> text;
    text.reserve(adapted.size());
    for (const Token& t : adapted) {
        const bool marker = !t.text.isEmpty() && t.text[0] == QChar(kMarker);
        if (marker && (t.kind == Token::String || t.kind == Token::Number)) {
            text.push_back({Token::Punct, QLatin1Char('?') + QString::number(t.text.mid(1).toInt() + 1)});
            continue;
        }
        if (t.text.contains(QChar(kMarker)))
            return std::nullopt;
        text.push_back(t);
    }
    return joinTokens(text);
}

} // namespace db
