#pragma once

#include <QString>

namespace consignment {

// True when the administration lists the workstation among its registered systems and has not
// cancelled it: only such workstations write the administration's query log.
bool workstationRegistered(const QString& computerName);

} // namespace consignment
