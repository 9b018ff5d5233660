#include "core/ModuleState.h"

namespace core {

QString ConnectionText(const QString& database)
{
    return QStringLiteral("Data Source=") + gstrServerName + QStringLiteral(";USER ID=") + gstrDBUser
           + QStringLiteral(";PASSWORD=") + gstrDBPassword + QStringLiteral(";Initial Catalog=") + database;
}

} // namespace core
