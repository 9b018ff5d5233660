#include "platform/runtime/Format.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateFormat.h"
#include "platform/runtime/DateMath.h"
#include "platform/runtime/NumberFormat.h"
#include "platform/runtime/Val.h"
#include "platform/runtime/ValueKind.h"

namespace runtime {
namespace {

QString formatAsDate(const QVariant& value, const QString& pattern)
{
    switch (KindOf(value)) {
    case ValueKind::Text:
        return IsDate(value) ? FormatDatePattern(CDate(value), pattern) : value.toString();
    case ValueKind::Other:
        return CStr(value);
    default:
        return FormatDatePattern(CDate(value), pattern);
    }
}

QString formatAsNumber(const QVariant& value, const QString& pattern)
{
    switch (KindOf(value)) {
    case ValueKind::Integer:
        return FormatNumberPattern(Number(qint64(value.toLongLong())), pattern);
    case ValueKind::Real:
        return FormatNumberPattern(Number(value.toDouble()), pattern);
    case ValueKind::Boolean:
        return FormatNumberPattern(Number(qint64(value.toBool() ? -1 : 0)), pattern);
    case ValueKind::Date:
        return FormatNumberPattern(Number(SerialFromDate(DateTimeOf(value))), pattern);
    case ValueKind::Text:
        return IsNumeric(value) ? FormatNumberPattern(Val(value.toString()), pattern) : value.toString();
    default:
        return CStr(value);
    }
}

} // namespace

QString Format(const QVariant& value, const QString& pattern)
{
    if (IsNull(value))
        return QString();
    if (pattern.isEmpty())
        return CStr(value);
    return IsDatePattern(pattern) ? formatAsDate(value, pattern) : formatAsNumber(value, pattern);
}

} // namespace runtime
