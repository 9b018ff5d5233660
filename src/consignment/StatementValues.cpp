#include "consignment/StatementValues.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/Val.h"
#include "platform/runtime/ValueKind.h"

namespace consignment {

QString statementNumber(const QString& typed)
{
    const runtime::Number number = runtime::Val(typed);
    return number.isInteger() ? QString::number(number.integer()) : runtime::CStr(number.toVariant());
}

std::optional<QString> statementNumber(const QVariant& stored)
{
    switch (runtime::KindOf(stored)) {
    case runtime::ValueKind::Integer:
    case runtime::ValueKind::Real:
        return runtime::CStr(stored);
    case runtime::ValueKind::Text:
        if (runtime::IsNumeric(stored))
            return statementNumber(stored.toString());
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

QString statementDate(const QDateTime& value)
{
    return value.toString(value.time() == QTime(0, 0) ? QStringLiteral("yyyy-MM-dd")
                                                      : QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace consignment
