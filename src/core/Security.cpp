#include "core/Security.h"

#include "core/ClosingRecordset.h"
#include "core/ModuleState.h"
#include "core/ServerDate.h"
#include "core/StartupStatements.h"
#include "core/frmLogin.h"

#include "platform/db/DbError.h"
#include "platform/db/MonthDatabases.h"
#include "platform/runtime/Clock.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

namespace core {

namespace {

// A text field of the current row, trimmed; Null counts as "".
QString TrimmedText(const db::Recordset& rs, const QString& field)
{
    return rs.value(field).toString().trimmed();
}

void LoadCompany()
{
    grsShared.open(companyStatement(), gcnnAdmin, db::CursorType::Dynamic, db::LockType::Optimistic);
    if (grsShared.eof()) {
        gstrCompanyName = QStringLiteral("QK Software Solutions");
        gstrCompanyCity = QStringLiteral("Kelmora");
    } else {
        gstrCompanyName = TrimmedText(grsShared, QStringLiteral("CompanyName"));
        gstrCompanyCity = TrimmedText(grsShared, QStringLiteral("city"));
    }
    grsShared.close();
}

void LoadMainBranch()
{
    grsShared.open(mainBranchStatement(), gcnnAdmin, db::CursorType::Dynamic, db::LockType::Optimistic);
    if (grsShared.eof()) {
        ui::MsgBox(QStringLiteral("There is No Main Center Information. Please Contact your Administrator"), ui::vbCritical,
                   QStringLiteral("Main Branch -Error"));
    } else {
        gstrMainBranchName = TrimmedText(grsShared, QStringLiteral("BranchName"));
        gstrMainBranchCode = TrimmedText(grsShared, QStringLiteral("BranchCode"));
        gstrBranchName = TrimmedText(grsShared, QStringLiteral("BranchName"));
        gstrBranchPhone = TrimmedText(grsShared, QStringLiteral("phoneno"));
    }
    grsShared.close();
}

void LoadSettings()
{
    grsShared.open(settingsStatement(), gcnnAdmin, db::CursorType::Dynamic, db::LockType::Optimistic);
    for (; !grsShared.eof(); grsShared.moveNext()) {
        const QString description = grsShared.value(QStringLiteral("Description")).toString();
        if (description == QLatin1String("DRS OUT PATH"))
            gstrDrsOutPath = grsShared.value(QStringLiteral("Remarks")).toString();
        else if (description == QLatin1String("HO SERVER"))
            gstrHeadOfficeServer = grsShared.value(QStringLiteral("Remarks")).toString().trimmed();
    }
    grsShared.close();
}

void LoadImageServer()
{
    grsShared.open(imageServerStatement(), gcnnAdmin, db::CursorType::Dynamic, db::LockType::Optimistic);
    if (!grsShared.eof()) {
        const QString address = grsShared.value(gblnCentralMode ? QStringLiteral("IP_ADDRS1") : QStringLiteral("IP_ADDRS2")).toString();
        gstrDrsImageUrl = QStringLiteral("http:\\\\") + address + gstrDrsOutPath;
    }
    grsShared.close();
}

// A stopped server and a missing database are told in words; any other failure by its number.
ui::FailureReport StartupReport(const ui::Failure& failure)
{
    switch (failure.kind.value_or(db::DbErrorKind::Provider)) {
    case db::DbErrorKind::ServerNotFound:
        return {QStringLiteral("SQL Server Stoped. Please Contact Your Administrator and Start the Server."),
                ui::vbInformation, QStringLiteral("Server Error")};
    case db::DbErrorKind::DatabaseNotFound:
        return {QStringLiteral("Administrator Database Not Found. Please Contact Your Administrator."), ui::vbInformation,
                QStringLiteral("Database Not Found")};
    default:
        return {QStringLiteral("%1 : %2"), ui::vbOKOnly};
    }
}

} // namespace

void StartApplication()
{
    const bool started = ui::guarded(StartupReport, [] {
        // A step that fails part-way leaves the shared recordset open: it is closed before the report.
        const auto closeShared = closingAtEnd(grsShared);
        gcnnMonth.setProvider(gstrProvider);
        gcnnAdmin.setProvider(gstrProvider);
        gcnnMonth.setCommandTimeout(120);
        gcnnAdmin.open(ConnectionText(gstrAdminDB));
        LoadCompany();
        LoadMainBranch();
        LoadSettings();
        gstrMonthDB = db::monthDatabaseName(gstrStationCode, runtime::Clock::today());
        LoadImageServer();
        gcnnMonth.open(ConnectionText(gstrMonthDB));
        GetServerDate();
    });
    if (!started)
        ui::endProgram();
    ui::WindowHost::showModeless(&ui::DefaultInstance<frmLogin>::get());
}

} // namespace core
