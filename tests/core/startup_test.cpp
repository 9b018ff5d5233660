// Start-up: the configuration file, the connections, the company, branch and settings state, and
// the fatal start-up errors.

#include "platform/runtime/WallClock.h"
#include "support/CoreFixture.h"
#include "support/FileWriting.h"

#include "core/MainModule.h"
#include "core/Security.h"
#include "core/SingleInstance.h"
#include "core/frmLogin.h"

#include "platform/paths/Installation.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using testsupport::CoreFixture;
using testsupport::writeFile;

namespace {

class Configuration : public CoreFixture {};

TEST_F(Configuration, ReadsKeysOfASectionAsTheOriginalReader)
{
    const QString ini = "C:\\NVX\\test.ini";
    writeFile(paths::mapWindowsPath(ini), "PRIMARY_SERVER=outside\r\n"
                                           "[Server]\r\n"
                                           "primary_server=ZELSERVER  \r\n"
                                           "ALTER_SERVER =SPARE\r\n"
                                           " EMPTY=x\r\n"
                                           "NOTHING=\r\n"
                                           "NOTE=[x]\r\n"
                                           "LATE=after the bracket line\r\n"
                                           "[OTHER]\r\n"
                                           "OTHERKEY=1\r\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    } cases[] = {
        {"SERVER", "PRIMARY_SERVER", "ZELSERVER  "}, // header in any case, key in small letters, blanks kept
        {"server", "ALTER_SERVER", ""},              // a blank before "=" does not match
        {"SERVER", "EMPTY", ""},                     // nor an indented key
        {"SERVER", "NOTHING", ""},
        {"SERVER", "LATE", ""},                      // a line holding "[" ends the section
        {"OTHER", "OTHERKEY", "1"},
        {"MISSING", "OTHERKEY", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::ReadIniValue(ini, c.section, c.key), QLatin1String(c.expected)) << c.section << "/" << c.key;
}

TEST_F(Configuration, AMissingFileIsCreatedEmpty)
{
    QDir().mkpath(root() + "/C/NVX");
    EXPECT_EQ(core::ReadIniValue("C:\\NVX\\new.ini", "SERVER", "PRIMARY_SERVER"), "");
    QFile created(root() + "/C/NVX/new.ini");
    EXPECT_TRUE(created.exists());
    EXPECT_EQ(created.size(), 0);
    EXPECT_THROW(core::ReadIniValue("C:\\NOFOLDER\\x.ini", "SERVER", "KEY"), std::exception);
}

class StartUp : public CoreFixture {
protected:
    // Runs Main; true when it ended the program.
    bool runMain()
    {
        try {
            core::Main();
        } catch (const ui::ProgramEnd&) {
            return true;
        }
        return false;
    }
    QStringList prompts() const
    {
        QStringList out;
        for (const auto& m : ui::MessageBoxSeam::shown())
            out << m.prompt;
        return out;
    }
    void TearDown() override
    {
        ui::DefaultInstance<core::frmLogin>::unload();
        CoreFixture::TearDown();
    }
};

TEST_F(StartUp, AnEmptyInstallationStartsWithDefaultsAndWarnsOfTheMissingMainBranch)
{
    install(QDate(2025, 2, 1));
    QFile::remove(root() + "/BackScreen.jpg");
    ASSERT_FALSE(runMain());
    EXPECT_EQ(core::gstrServerName, "ZELSERVER");
    EXPECT_EQ(core::gstrDBUser, "sa");
    EXPECT_EQ(core::gstrCompanyName, "QK Software Solutions");
    EXPECT_EQ(core::gstrCompanyCity, "Kelmora");
    EXPECT_EQ(core::gstrMonthDB, "ZELFEB25");
    EXPECT_EQ(core::gstrMainBranchCode, "");
    EXPECT_EQ(core::gstrDrsImageUrl, "");
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 2) << prompts().join(" / ").toStdString();
    const ui::ShownMessage mainBranch = ui::MessageBoxSeam::shown()[0];
    EXPECT_EQ(mainBranch.prompt, "There is No Main Center Information. Please Contact your Administrator");
    EXPECT_EQ(mainBranch.title, "Main Branch -Error");
    EXPECT_EQ(mainBranch.icon(), ui::vbCritical);
    // the installation has no background picture
    EXPECT_EQ(ui::MessageBoxSeam::shown()[1].title, "Image File Not Found");
    EXPECT_EQ(core::gcnnMonth.state(), db::ObjectState::Open);
    EXPECT_EQ(core::gcnnMonth.commandTimeout(), 120);
    ASSERT_TRUE(ui::DefaultInstance<core::frmLogin>::loaded());
    core::frmLogin& login = ui::DefaultInstance<core::frmLogin>::get();
    EXPECT_TRUE(login.isVisible());
    EXPECT_EQ(login.windowTitle(), "Login Information");
    EXPECT_FALSE(login.findChild<QPushButton*>("cmdOk")->isEnabled());
    EXPECT_EQ(login.findChild<QLineEdit*>("txtPassword")->echoMode(), QLineEdit::Password);
    EXPECT_EQ(login.findChild<QLineEdit*>("txtUserName")->maxLength(), 25);
}

TEST_F(StartUp, ReadsTheCompanyBranchAndSettings)
{
    install(QDate(2026, 6, 15));
    execute("ZELAdminConfig", "INSERT INTO CompanyMaster (CompanyName, City) VALUES ('  Orvane Couriers ', ' Velmora ')");
    execute("ZELAdminConfig", "INSERT INTO BranchMaster (BranchCode, BranchName, PhoneNo, MainBranch) VALUES ('HO  ', ' Head Office', NULL, 1)");
    execute("ZELAdminConfig", "INSERT INTO tab_Settings (Software, Description, Status, Remarks) VALUES ('QUERY', 'DRS OUT PATH', 1, '\\first\\')");
    execute("ZELAdminConfig", "INSERT INTO tab_Settings (Software, Description, Status, Remarks) VALUES ('QUERY', 'DRS OUT PATH', 1, '\\pods\\')");
    execute("ZELAdminConfig", "INSERT INTO tab_Settings (Software, Description, Status, Remarks) VALUES ('QUERY', 'drs out path', 1, '\\case\\')");
    execute("ZELAdminConfig", "INSERT INTO TAB_DRS_IP_DET (DESCRIPTION, IP_ADDRS1, IP_ADDRS2) VALUES ('DRS IMAGE', '10.0.0.1', '192.168.1.20')");
    ASSERT_FALSE(runMain());
    EXPECT_EQ(core::gstrCompanyName, "Orvane Couriers");
    EXPECT_EQ(core::gstrCompanyCity, "Velmora");
    EXPECT_EQ(core::gstrMainBranchCode, "HO");
    EXPECT_EQ(core::gstrMainBranchName, "Head Office");
    EXPECT_EQ(core::gstrBranchName, "Head Office");
    EXPECT_EQ(core::gstrBranchPhone, ""); // Null counts as ""
    EXPECT_EQ(core::gstrDrsOutPath, "\\pods\\");
    EXPECT_EQ(core::gstrDrsImageUrl, "http:\\\\192.168.1.20\\pods\\");
    EXPECT_EQ(core::gstrHeadOfficeServer, "KWDHO"); // written by the installer
    EXPECT_EQ(core::gstrMonthDB, "ZELJUN26");
}

TEST_F(StartUp, FallsBackToTheAlternateServer)
{
    install(QDate(2026, 6, 15));
    writeFile(root() + "/C/NVX/NVX_ZEL_CONFIG.ini", "[SERVER]\nPRIMARY_SERVER=GONE\nALTER_SERVER=ZELSERVER\n");
    ASSERT_FALSE(runMain());
    EXPECT_EQ(core::gstrPrimaryServer, "GONE");
    EXPECT_EQ(core::gstrServerName, "ZELSERVER");
    EXPECT_EQ(core::gcnnAdmin.state(), db::ObjectState::Open);
}

// Servers the configuration names that are not there, and a root with no installation at all.
TEST_F(StartUp, EndsWhenNeitherServerAnswersNamingTheInstallationRoot)
{
    install(QDate(2026, 6, 15));
    writeFile(root() + "/C/NVX/NVX_ZEL_CONFIG.ini", "[SERVER]\nPRIMARY_SERVER=GONE\nALTER_SERVER=ALSOGONE\n");
    for (const QString& tried : {root(), root() + "-none"}) {
        SCOPED_TRACE(tried.toStdString());
        ui::MessageBoxSeam::clearShown();
        qputenv("QUORVEL_ROOT", tried.toLocal8Bit());
        EXPECT_TRUE(runMain());
        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt,
                  "-2147467259 : [DBNETLIB][ConnectionOpen (Connect()).]Specified SQL server not found.\r\n"
                  "Installation root: " + tried);
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].style, ui::vbOKOnly);
        EXPECT_FALSE(ui::DefaultInstance<core::frmLogin>::loaded());
    }
}

TEST_F(StartUp, AMissingMonthDatabaseEndsTheProgram)
{
    install(QDate(2026, 6, 15));
    runtime::Clock::setFixed(runtime::WallDateTime(QDate(2026, 9, 1), QTime(8, 0)));
    EXPECT_TRUE(runMain());
    ASSERT_FALSE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(ui::MessageBoxSeam::shown().last().prompt, "Administrator Database Not Found. Please Contact Your Administrator.");
    EXPECT_EQ(ui::MessageBoxSeam::shown().last().title, "Database Not Found");
    EXPECT_TRUE(ui::programEnded());
}

TEST_F(StartUp, StartApplicationTellsAStoppedServerFromAMissingDatabase)
{
    install(QDate(2026, 6, 15));
    struct Case {
        const char* server;
        const char* adminDatabase;
        const char* prompt;
        const char* title;
    } cases[] = {
        {"STOPPED", "ZELAdminConfig", "SQL Server Stoped. Please Contact Your Administrator and Start the Server.", "Server Error"},
        {"ZELSERVER", "ZELNoSuchConfig", "Administrator Database Not Found. Please Contact Your Administrator.", "Database Not Found"},
    };
    for (const Case& c : cases) {
        core::ResetModuleState();
        ui::MessageBoxSeam::clearShown();
        core::gstrStationCode = "ZEL";
        core::gstrProvider = "SQLOLEDB";
        core::gstrServerName = c.server;
        core::gstrAdminDB = c.adminDatabase;
        EXPECT_THROW(core::StartApplication(), ui::ProgramEnd);
        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, QLatin1String(c.prompt));
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, QLatin1String(c.title));
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].icon(), ui::vbInformation);
    }
}

TEST_F(StartUp, AnotherErrorIsShownBeforeTheProgramEnds)
{
    install(QDate(2026, 6, 15));
    execute("ZELAdminConfig", "DROP TABLE tab_Settings");
    EXPECT_TRUE(runMain());
    ASSERT_FALSE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(ui::MessageBoxSeam::shown().last().prompt, "-2147217900 : Invalid object name 'tab_Settings'.");
    EXPECT_EQ(ui::MessageBoxSeam::shown().last().style, ui::vbOKOnly);
    EXPECT_EQ(ui::MessageBoxSeam::shown().last().title, "Quorvel");
}

TEST_F(StartUp, TheComputerNameComesFromTheEnvironmentElseTheHost)
{
    qputenv("COMPUTERNAME", "COUNTER7");
    core::LoadComputerName();
    EXPECT_EQ(core::gstrComputerName, "COUNTER7");
    qunsetenv("COMPUTERNAME");
    qunsetenv("computername");
    core::LoadComputerName();
    EXPECT_EQ(core::gstrComputerName, QSysInfo::machineHostName().toUpper());
}

} // namespace
