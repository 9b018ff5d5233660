#include "core/ModuleState.h"

#include "core/clsMaster.h"

namespace core {

QString ConnectionText(const QString& database)
{
    return QStringLiteral("Data Source=") + gstrServerName + QStringLiteral(";USER ID=") + gstrDBUser
           + QStringLiteral(";PASSWORD=") + gstrDBPassword + QStringLiteral(";Initial Catalog=") + database;
}

void ResetModuleState()
{
    ReleaseMaster();
    if (grsShared.state() == db::ObjectState::Open)
        grsShared.close();
    for (db::Connection* c : {&gcnnServer, &gcnnAdmin, &gcnnMonth})
        if (c->state() == db::ObjectState::Open)
            c->close();
    for (QString* s : {&gstrStationCode, &gstrProvider, &gstrAdminDB, &gstrFont5cpi, &gstrFont10cpi, &gstrComputerName,
                       &gstrConfigIni, &gstrPrimaryServer, &gstrAlternateServer, &gstrServerName, &gstrDBUser,
                       &gstrDBPassword, &gstrCompanyName, &gstrCompanyCity, &gstrMainBranchCode, &gstrMainBranchName,
                       &gstrBranchName, &gstrBranchPhone, &gstrMonthDB, &gstrDrsOutPath, &gstrDrsImageUrl,
                       &gstrHeadOfficeServer, &gstrUserName, &gstrUserBranchCode, &gstrUserCategory, &gstrWindowsUser})
        s->clear();
    gblnCentralMode = false;
    gblnPodImageMode = false;
}

} // namespace core
