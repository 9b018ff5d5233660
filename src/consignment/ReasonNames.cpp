#include "consignment/ReasonNames.h"

#include "consignment/NonDeliveryStatements.h"

#include "core/ModuleState.h"

#include "platform/db/Recordset.h"
#include "platform/runtime/Conversions.h"

namespace consignment {

std::optional<QString> reasonName(const QString& reasonCode)
{
    db::Recordset reason;
    reason.open(reasonNameStatement(reasonCode), core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    std::optional<QString> name;
    if (!reason.eof())
        name = runtime::CellText(reason.value(QStringLiteral("ReasonName")));
    reason.close();
    return name;
}

} // namespace consignment
