#include "consignment/RegisteredWorkstation.h"

#include "consignment/QueryLogStatements.h"

#include "core/ModuleState.h"

#include "platform/db/Recordset.h"

namespace consignment {

bool workstationRegistered(const QString& computerName)
{
    db::Recordset rs;
    rs.open(registeredWorkstationStatement(computerName), core::gcnnMonth, db::CursorType::Dynamic,
            db::LockType::Optimistic);
    const bool registered = !rs.eof();
    rs.close();
    return registered;
}

} // namespace consignment
