#include "core/MainModule.h"

#include "core/DeploymentValues.h"
#include "core/ModuleState.h"
#include "core/Security.h"
#include "core/SingleInstance.h"

#include "platform/paths/Installation.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSysInfo>
#include <QTextStream>

namespace core {

void Main()
{
    QCoreApplication::setApplicationName(QStringLiteral("Quorvel"));
    if (AnotherInstanceRunning()) {
        ui::MsgBox(QStringLiteral("Only One Instance can be run at a Time"), ui::vbInformation);
        ui::endProgram();
    }
    gstrStationCode = QStringLiteral("ZEL");
    gstrProvider = QStringLiteral("SQLOLEDB");
    gstrAdminDB = gstrStationCode + QStringLiteral("AdminConfig");
    gblnPodImageMode = true;
    gblnCentralMode = false;
    OpenServerConnection();
    LoadComputerName();
    gstrFont5cpi = QStringLiteral("Draft 5cpi");
    gstrFont10cpi = QStringLiteral("Draft 10Cpi");
    StartApplication();
}

namespace {

// The SQL login password for a server: the development password on the development machine.
QString PasswordFor(const QString& serverName)
{
    return serverName == QLatin1String(deployment::kDevelopmentMachine) ? QString::fromUtf8(deployment::kDevelopmentPassword)
                                                                          : QString::fromUtf8(deployment::kBranchPassword);
}

void OpenAdminOn(db::Connection& connection)
{
    if (connection.state() == db::ObjectState::Open)
        connection.close();
    connection.setProvider(QStringLiteral("SQLOLEDB"));
    connection.open(ConnectionText(gstrAdminDB));
}

} // namespace

void OpenServerConnection()
{
    try {
        gstrConfigIni = QStringLiteral("C:\\NVX\\NVX_ZEL_CONFIG.ini");
        gstrPrimaryServer = ReadIniValue(gstrConfigIni, QStringLiteral("SERVER"), QStringLiteral("PRIMARY_SERVER"));
        gstrAlternateServer = ReadIniValue(gstrConfigIni, QStringLiteral("SERVER"), QStringLiteral("ALTER_SERVER"));
        gstrServerName = gstrPrimaryServer;
        gstrDBUser = QStringLiteral("sa");
        gstrDBPassword = PasswordFor(gstrServerName);
        OpenAdminOn(gcnnServer);
    } catch (const std::exception&) {
        // The alternate server, with the login chosen so far. Its failure names the installation
        // root the servers were looked for in.
        gstrServerName = gstrAlternateServer;
        const QString tried = QStringLiteral("%1 : %2\r\nInstallation root: ") + QDir::toNativeSeparators(paths::installationRoot());
        if (!ui::guarded({tried, ui::vbOKOnly}, [] { OpenAdminOn(gcnnServer); }))
            ui::endProgram();
    }
}

QString ReadIniValue(const QString& filePath, const QString& sectionName, const QString& keyName)
{
    const QString header = QLatin1Char('[') + sectionName.toLower() + QLatin1Char(']');
    const QString prefix = keyName.toLower() + QLatin1Char('=');
    QFile file(paths::mapWindowsPath(filePath));
    // A missing file is created empty, as opening it for byte access does.
    if (!file.open(QIODevice::ReadWrite))
        throw std::runtime_error("the configuration file cannot be opened or created");
    file.close();
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("the configuration file cannot be read");
    QTextStream in(&file);
    bool inSection = false;
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const QString lowered = line.toLower();
        if (lowered.contains(u'['))
            inSection = false;
        if (lowered == header)
            inSection = true;
        if (lowered.contains(u'[') || !inSection)
            continue;
        if (lowered.startsWith(prefix))
            return line.mid(prefix.size());
    }
    return QString();
}

void LoadComputerName()
{
    gstrComputerName = qEnvironmentVariable("computername");
    if (gstrComputerName.isEmpty())
        gstrComputerName = qEnvironmentVariable("COMPUTERNAME");
    if (gstrComputerName.isEmpty())
        gstrComputerName = QSysInfo::machineHostName().toUpper();
}

} // namespace core
