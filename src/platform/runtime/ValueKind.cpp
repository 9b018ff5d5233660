#include "platform/runtime/ValueKind.h"
#include "platform/runtime/WallClock.h"

#include <QDateTime>

namespace runtime {

ValueKind KindOf(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return ValueKind::Null;
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QChar:
        return ValueKind::Text;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return ValueKind::Integer;
    case QMetaType::Double:
    case QMetaType::Float:
        return ValueKind::Real;
    case QMetaType::Bool:
        return ValueKind::Boolean;
    case QMetaType::QDate:
        return value.toDate().isValid() ? ValueKind::Date : ValueKind::Null;
    case QMetaType::QDateTime:
        return value.toDateTime().isValid() ? ValueKind::Date : ValueKind::Null;
    default:
        return ValueKind::Other;
    }
}

bool IsNull(const QVariant& value)
{
    return KindOf(value) == ValueKind::Null;
}

QDateTime DateTimeOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QDate)
        return WallDateTime(value.toDate());
    return value.toDateTime();
}

} // namespace runtime
