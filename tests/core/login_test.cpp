// The login window: typing, the check against the users, the category rule, the paper forms and
// the main window.

#include "support/CoreFixture.h"

#include "core/MainModule.h"
#include "core/LoginStatements.h"
#include "core/QueryWindows.h"
#include "core/frmLogin.h"
#include "core/mdiQuery.h"

#include "platform/db/StatementLog.h"
#include "platform/paths/Installation.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/spooler/Spooler.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using testsupport::CoreFixture;

namespace {

class Login : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        install(QDate(2026, 6, 15));
        execute("ZELAdminConfig", "INSERT INTO LoginMaster (UserName, Password, BranchCode, Category) VALUES "
                                  "('ADMIN', 'secret', 'HO  ', 'Administrator'), ('CLERK', 'pw', 'ZEL', 'administrator'), "
                                  "('SUPER', 'pw', 'HO', 'Super Administrator')");
        core::Main();
        ui::MessageBoxSeam::clearShown();
        login = &ui::DefaultInstance<core::frmLogin>::get();
        login->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(login));
    }
    void TearDown() override
    {
        ui::DefaultInstance<core::frmLogin>::unload();
        ui::DefaultInstance<core::mdiQuery>::unload();
        CoreFixture::TearDown();
    }

    QLineEdit* box(const char* name) { return login->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) { return login->findChild<QPushButton*>(name); }

    // Types the name and the password with Enter after each, then presses OK.
    void logIn(const QString& user, const QString& password)
    {
        box("txtUserName")->setFocus();
        QTest::keyClicks(box("txtUserName"), user);
        QTest::keyClick(box("txtUserName"), Qt::Key_Return);
        box("txtPassword")->setFocus();
        QTest::keyClicks(box("txtPassword"), password);
        QTest::keyClick(box("txtPassword"), Qt::Key_Return);
        button("cmdOk")->click();
    }

    core::frmLogin* login = nullptr;
};

TEST_F(Login, TheNameIsTypedInCapitalsAndEnterMovesOn)
{
    QLineEdit* user = box("txtUserName");
    QLineEdit* password = box("txtPassword");
    user->setFocus();
    QTest::keyClick(user, Qt::Key_Return); // empty: nothing happens
    EXPECT_EQ(QApplication::focusWidget(), user);
    QTest::keyClicks(user, "admin");
    EXPECT_EQ(user->text(), "ADMIN");
    QTest::keyClick(user, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), password);
    QTest::keyClick(password, Qt::Key_Up);
    EXPECT_EQ(QApplication::focusWidget(), user);
}

TEST_F(Login, OkWaitsForEnterInAPasswordThatIsNotBlank)
{
    QLineEdit* password = box("txtPassword");
    password->setFocus();
    QTest::keyClicks(password, "   ");
    QTest::keyClick(password, Qt::Key_Return);
    EXPECT_FALSE(button("cmdOk")->isEnabled());
    QTest::keyClicks(password, "x");
    EXPECT_FALSE(button("cmdOk")->isEnabled());
    QTest::keyClick(password, Qt::Key_Return); // the user box may be empty
    EXPECT_TRUE(button("cmdOk")->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), button("cmdOk"));
}

TEST_F(Login, AWrongPasswordIsRefusedAndBothBoxesCleared)
{
    struct Case {
        const char* user;
        const char* password;
    } cases[] = {{"ADMIN", "wrong"}, {"' OR '1'='1", "' OR '1'='1"}, {"O'BRIEN", "x"}};
    for (const Case& c : cases) {
        ui::MessageBoxSeam::clearShown();
        logIn(c.user, c.password);
        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1) << c.user;
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "Invalid UserName/Password. Please Enter Valid UserName and Password.");
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, "Login");
        EXPECT_EQ(box("txtUserName")->text(), "");
        EXPECT_EQ(box("txtPassword")->text(), "");
        EXPECT_TRUE(button("cmdOk")->isEnabled());
        EXPECT_EQ(core::gstrUserName, "");
    }
}

TEST_F(Login, ASuccessfulLoginRecordsTheUserAndOpensTheMainWindow)
{
    db::StatementCapture capture;
    logIn("admin", "SECRET");
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    ASSERT_FALSE(capture.statements().isEmpty());
    EXPECT_EQ(capture.statements()[0], core::loginStatement("ADMIN", "SECRET"));
    EXPECT_EQ(core::gstrUserName, "ADMIN");
    EXPECT_EQ(core::gstrUserBranchCode, "HO  ");
    EXPECT_EQ(core::gstrUserCategory, "Administrator");
    EXPECT_FALSE(core::gstrWindowsUser.isEmpty());
    EXPECT_EQ(core::gstrWindowsUser, core::gstrWindowsUser.toUpper());
    EXPECT_FALSE(ui::DefaultInstance<core::frmLogin>::loaded());
    ASSERT_TRUE(ui::DefaultInstance<core::mdiQuery>::loaded());
    EXPECT_TRUE(ui::DefaultInstance<core::mdiQuery>::get().isVisible());
}

TEST_F(Login, OnlyTheTwoAdministratorCategoriesSeeTheReportButtons)
{
    struct Case {
        const char* user;
        bool visible;
    } cases[] = {{"ADMIN", true}, {"SUPER", true}, {"CLERK", false}};
    for (const Case& c : cases) {
        ui::DefaultInstance<core::mdiQuery>::unload();
        login = &ui::DefaultInstance<core::frmLogin>::get();
        logIn(c.user, QString::fromLatin1(c.user) == "ADMIN" ? "secret" : "pw");
        core::mdiQuery& main = ui::DefaultInstance<core::mdiQuery>::get();
        EXPECT_EQ(main.cmdReport->isVisibleTo(&main), c.visible) << c.user;
        EXPECT_EQ(main.cmdQryRpt->isVisibleTo(&main), c.visible) << c.user;
        // the branch variant disables them whoever logs in
        EXPECT_FALSE(main.cmdReport->isEnabled());
        EXPECT_FALSE(main.cmdQryRpt->isEnabled());
    }
}

TEST_F(Login, TheFirstLoginInstallsTheFourPaperFormsAndLaterOnesNone)
{
    const QString printer = spooler::Printer::current().deviceName();
    logIn("ADMIN", "secret");
    EXPECT_EQ(spooler::FormNames(printer), (QStringList{"NVX1", "NVX3", "NVX2", "NVX4"}));
    spooler::FormSize size{};
    ASSERT_TRUE(spooler::FormExists(printer, 0, size, "nvx4"));
    EXPECT_EQ(size.width, 381000);
    EXPECT_EQ(size.height, 304800);

    ui::DefaultInstance<core::mdiQuery>::unload();
    login = &ui::DefaultInstance<core::frmLogin>::get();
    logIn("ADMIN", "secret");
    EXPECT_EQ(spooler::FormNames(printer), (QStringList{"NVX1", "NVX3", "NVX2", "NVX4"}));
}

TEST_F(Login, WithoutAPrinterTheLoginStopsWithTheError)
{
    QFile::remove(paths::installationRoot() + "/printer.ini");
    qputenv("QUORVEL_NO_SYSTEM_PRINTERS", "1");
    logIn("ADMIN", "secret");
    qunsetenv("QUORVEL_NO_SYSTEM_PRINTERS");
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "484  Problem getting printer information from the system. Make "
                                                     "sure the printer is set up correctly.");
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].style, ui::vbOKOnly);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, "Quorvel");
    EXPECT_TRUE(ui::DefaultInstance<core::frmLogin>::loaded());
    EXPECT_FALSE(ui::DefaultInstance<core::mdiQuery>::get().isVisible());
}

// An unexpected error while the window loads (here raised while the missing picture is being
// reported) is shown as "number : description" with the critical icon and the company's name; the
// window still opens.
TEST_F(Login, AnUnexpectedErrorInTheLoadIsReportedWithItsNumber)
{
    ui::DefaultInstance<core::frmLogin>::unload();
    QFile::remove(paths::programPath("BackScreen.jpg"));
    ui::MessageBoxSeam::setAnswerer([](const ui::ShownMessage& m) -> int {
        if (m.prompt.contains("BackScreen.jpg"))
            throw runtime::RuntimeError(runtime::ErrorNumber::InvalidProcedureCall);
        return ui::vbOK;
    });
    ui::MessageBoxSeam::clearShown();
    core::frmLogin* window = nullptr;
    ASSERT_NO_THROW(window = &ui::DefaultInstance<core::frmLogin>::get());
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 2);
    const ui::ShownMessage& m = ui::MessageBoxSeam::shown()[1];
    EXPECT_EQ(m.prompt, "5 : Invalid procedure call or argument       ");
    EXPECT_EQ(m.icon(), ui::vbCritical);
    EXPECT_EQ(m.title, core::gstrCompanyName);
    EXPECT_FALSE(core::gstrCompanyName.isEmpty());
    EXPECT_FALSE(window->findChild<QPushButton*>("cmdOk")->isEnabled());
}

} // namespace
