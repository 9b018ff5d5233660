#include "platform/runtime/Val.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/ValueKind.h"

#include <QRegularExpression>
#include <cmath>

namespace runtime {
namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

Number hexValue(const QString& digits)
{
    if (digits.isEmpty())
        return Number();
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok, 16);
    if (!ok || value > 0xFFFFFFFFull)
        throw RuntimeError(ErrorNumber::Overflow);
    // A hex constant that fits 16 bits is an Integer, a larger one a Long; both are signed.
    if (value <= 0xFFFF)
        return qint64(qint16(quint16(value)));
    return qint64(qint32(quint32(value)));
}

} // namespace

Number Val(const QString& text)
{
    static const QRegularExpression hex(QStringLiteral("^&[hH]([0-9A-Fa-f]*)"));
    static const QRegularExpression decimal(
        QStringLiteral("^([+-]?)([0-9]*)(?:(\\.)([0-9]*))?(?:[eEdD]([+-]?[0-9]+))?"));

    QString compact = text;
    compact.removeIf(isBlank);

    if (const auto match = hex.match(compact); match.hasMatch())
        return hexValue(match.captured(1));

    const auto match = decimal.match(compact);
    const QString sign = match.captured(1);
    const QString whole = match.captured(2);
    const QString fraction = match.captured(4);
    const QString exponent = match.captured(5);
    if (whole.isEmpty() && fraction.isEmpty())
        return Number();
    if (!match.hasCaptured(3) && exponent.isEmpty()) {
        bool ok = false;
        const qint64 integer = (sign + whole).toLongLong(&ok);
        if (ok)
            return integer;
    }
    QString canonical = sign + (whole.isEmpty() ? QStringLiteral("0") : whole) + u'.'
        + (fraction.isEmpty() ? QStringLiteral("0") : fraction);
    if (!exponent.isEmpty())
        canonical += u'e' + exponent;
    bool ok = false;
    const double real = canonical.toDouble(&ok);
    if (std::isinf(real))
        throw RuntimeError(ErrorNumber::Overflow);
    return ok ? real : 0.0;
}

qint64 ValLong(const QString& text)
{
    const Number number = Val(text);
    if (number.isInteger())
        return number.integer();
    const double rounded = std::nearbyint(number.toDouble());
    if (!(rounded >= -0x1p63 && rounded < 0x1p63))
        throw RuntimeError(ErrorNumber::Overflow);
    return qint64(rounded);
}

bool IsNumeric(const QVariant& value)
{
    static const QRegularExpression numericText(QStringLiteral(
        "^[ \\t\\r\\n]*(?:&[hH][0-9A-Fa-f]+|(?:[+-][ \\t\\r\\n]*)?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)"
        "(?:[eEdD][+-]?[0-9]+)?)[ \\t\\r\\n]*$"));
    switch (KindOf(value)) {
    case ValueKind::Integer:
    case ValueKind::Real:
    case ValueKind::Boolean:
        return true;
    case ValueKind::Text:
        return numericText.match(value.toString()).hasMatch();
    default:
        return false;
    }
}

} // namespace runtime
