#include "platform/db/TsqlParameters.h"

namespace db {

namespace {

constexpr char16_t kMarker = 0x01;

bool isTypeWithLength(const Token& t)
{
    static const char* const types[] = {"VARCHAR", "CHAR", "NVARCHAR", "NCHAR", "DECIMAL", "NUMERIC", "VARBINARY", "BINARY"};
    for (const char* type : types)
        if (t.isWord(type))
            return true;
    return false;
}

bool isClauseWord(const Token& t)
{
    static const char* const words[] = {"SELECT", "FROM", "WHERE", "HAVING", "LIMIT", "UNION", "EXCEPT", "INTERSECT", "ON", "SET", "VALUES"};
    for (const char* word : words)
        if (t.isWord(word))
            return true;
    return false;
}

QVariant numberValue(const QString& text)
{
    bool integral = false;
    const qlonglong whole = text.toLongLong(&integral);
    return integral ? QVariant(whole) : QVariant(text.toDouble());
}

// Appends the decimal digits of n.
void appendNumber(QString& out, qsizetype n)
{
    char16_t digits[20];
    int count = 0;
    do {
        digits[count++] = char16_t(u'0' + n % 10);
        n /= 10;
    } while (n > 0);
    while (count > 0)
        out += QChar(digits[--count]);
}

// A kept token goes into the shape as kind, length and text, so no two token runs share a shape.
void appendShapeOf(QString& shape, const Token& t)
{
    shape += QChar(char16_t(u'a' + t.kind));
    appendNumber(shape, t.text.size());
    shape += QLatin1Char(':');
    shape += t.text;
}

} // namespace

ParameterizedStatement parameterize(const std::vector<Token>& tokens)
{
    ParameterizedStatement p;
    p.tokens.reserve(tokens.size());
    qsizetype shapeLength = 0;
    for (const Token& t : tokens)
        shapeLength += t.text.size() + 8;
    p.shape.reserve(shapeLength);
    bool inOrderList = false; // within ORDER BY / GROUP BY, where a number names a column
    int orderDepth = 0, depth = 0;
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& t = tokens[i];
        const Token* prev = i > 0 ? &tokens[i - 1] : nullptr;
        if (t.isPunct("("))
            ++depth;
        else if (t.isPunct(")") && --depth < orderDepth)
            inOrderList = false;
        if (t.isWord("BY") && prev && (prev->isWord("ORDER") || prev->isWord("GROUP"))) {
            inOrderList = true;
            orderDepth = depth;
        } else if (isClauseWord(t) && depth <= orderDepth) {
            inOrderList = false;
        }

        bool value = t.kind == Token::String || t.kind == Token::Number;
        if (t.kind == Token::String && prev && prev->isWord("AS"))
            value = false;
        if (t.kind == Token::Number && prev) {
            const bool typeLength = (prev->isPunct("(") && i >= 2 && isTypeWithLength(tokens[i - 2]))
                                    || (prev->isPunct(",") && i >= 4 && tokens[i - 3].isPunct("(")
                                        && isTypeWithLength(tokens[i - 4]));
            const bool columnPosition = inOrderList && (prev->isWord("BY") || prev->isPunct(","));
            value = !typeLength && !columnPosition;
        }
        if (!value) {
            p.tokens.push_back(t);
            appendShapeOf(p.shape, t);
            continue;
        }
        QString marker;
        marker.reserve(8);
        marker += QChar(kMarker);
        appendNumber(marker, p.values.size());
        p.values << (t.kind == Token::String ? QVariant(t.text) : numberValue(t.text));
        p.tokens.push_back({t.kind, std::move(marker)});
        p.shape += QChar(kMarker);
        p.shape += QLatin1Char(t.kind == Token::String ? 's' : 'n');
    }
    return p;
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
