#include "consignment/ConsignmentNumber.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/Val.h"

namespace consignment {

QString statementNumber(const QString& typed)
{
    const runtime::Number number = runtime::Val(typed);
    return number.isInteger() ? QString::number(number.integer()) : runtime::CStr(number.toVariant());
}

} // namespace consignment
