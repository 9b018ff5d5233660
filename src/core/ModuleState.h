#pragma once

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QString>

// The program's shared state: set at start-up and at login, read by every window.
namespace core {

inline QString gstrStationCode;
inline QString gstrProvider;
inline QString gstrAdminDB;
inline bool gblnCentralMode = false;
inline bool gblnPodImageMode = false;
inline QString gstrFont5cpi;
inline QString gstrFont10cpi;
inline QString gstrComputerName;
inline QString gstrConfigIni;
inline QString gstrPrimaryServer;
inline QString gstrAlternateServer;
inline QString gstrServerName;
inline QString gstrDBUser;
inline QString gstrDBPassword;

inline QString gstrCompanyName;
inline QString gstrCompanyCity;
inline QString gstrMainBranchCode;
inline QString gstrMainBranchName;
inline QString gstrBranchName;
inline QString gstrBranchPhone;
inline QString gstrMonthDB;
inline QString gstrDrsOutPath;
inline QString gstrDrsImageUrl;
// The head office's server as the branch server links it (settings row 'HO SERVER'); statements
// name its tables "[" + server + ",2301].KWD32Server.dbo.<table>".
inline QString gstrHeadOfficeServer;

inline QString gstrUserName;
inline QString gstrUserBranchCode;
inline QString gstrUserCategory;
inline QString gstrWindowsUser;

// gcnnServer: opened on the administration database at start; nothing queries it.
inline db::Connection gcnnServer;
// gcnnAdmin: the administration database (users, company, branches, settings, query log).
inline db::Connection gcnnAdmin;
// gcnnMonth: the current month database; nearly every query runs on it.
inline db::Connection gcnnMonth;
// grsShared: a recordset shared by start-up and the consignment windows.
inline db::Recordset grsShared;

// The connection text of every connection: the server in use, its login and the database.
QString ConnectionText(const QString& database);

// Puts every value above back as the program starts: texts empty, switches off, connections and
// the shared recordset closed, and the shared table-access object (gobjMaster) not yet made.
void ResetModuleState();

} // namespace core
