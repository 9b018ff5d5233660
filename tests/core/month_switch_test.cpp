// The month switch: arming with Enter, switching to a month database that exists, the message and
// the recovery when it does not, and the ways out without a change.

#include "support/CoreFixture.h"

#include "core/ServerDate.h"
#include "core/frmChangeMonth.h"
#include "core/mdiQuery.h"

#include "platform/db/DbError.h"
#include "platform/ui/DatePicker.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using testsupport::CoreFixture;

namespace {

class MonthSwitch : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        install(QDate(2026, 6, 15)); // month databases of June, May and April 2026
        for (const char* month : {"JUN", "MAY", "APR"})
            execute(QStringLiteral("ZEL") + month + QStringLiteral("26"),
                    QStringLiteral("INSERT INTO CityMaster (CityCode, CityName) VALUES ('%1', 'marker')").arg(month));
        core::gstrStationCode = "ZEL";
        core::gstrServerName = "ZELSERVER";
        core::gstrDBUser = "sa";
        core::gstrCompanyName = "Orvane Couriers";
        core::gstrCompanyCity = "Velmora";
        core::gstrMonthDB = "ZELJUN26";
        core::gcnnMonth.setProvider("SQLOLEDB");
        core::gcnnMonth.setCommandTimeout(120);
        core::gcnnMonth.open(core::ConnectionText(core::gstrMonthDB));
        ui::DefaultInstance<core::mdiQuery>::get();
    }
    void TearDown() override
    {
        ui::DefaultInstance<core::frmChangeMonth>::unload();
        ui::DefaultInstance<core::mdiQuery>::unload();
        CoreFixture::TearDown();
    }

    // Opens the window as the main window's menu entry does.
    core::frmChangeMonth& open()
    {
        core::frmChangeMonth& window = ui::DefaultInstance<core::frmChangeMonth>::get();
        ui::WindowHost::showModal(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }
    // Picks a month and confirms it with Enter in the picker.
    void pick(core::frmChangeMonth& window, const QString& month)
    {
        window.dtpDate->setValue(month);
        window.dtpDate->setFocus();
        QTest::keyClick(window.dtpDate, Qt::Key_Return);
    }
    // The month whose database answers on the month connection.
    static QString answeringMonth()
    {
        db::Recordset rs;
        rs.open("select CityCode from CityMaster", core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
        const QString month = rs.value(0).toString();
        rs.close();
        return month;
    }
    static QString mainCaption() { return ui::DefaultInstance<core::mdiQuery>::get().windowTitle(); }
    static bool loaded() { return ui::DefaultInstance<core::frmChangeMonth>::loaded(); }
};

TEST_F(MonthSwitch, OpensOnTheCurrentMonthWithChangeDisabledUntilEnter)
{
    core::frmChangeMonth& window = open();
    EXPECT_EQ(window.windowTitle(), "Orvane - Change Branch,Month & Year ");
    EXPECT_EQ(window.lblTitle->text(), "Change Month");
    EXPECT_EQ(window.cmdChange->text(), "&Change");
    EXPECT_EQ(window.cmdExit->text(), "E&xit");
    EXPECT_EQ(window.dtpDate->customFormat(), "MMM-yyyy");
    EXPECT_EQ(window.dtpDate->findChild<QLineEdit*>()->text(), "Jun-2026");
    EXPECT_EQ(window.focusWidget(), window.dtpDate);
    EXPECT_FALSE(window.cmdChange->isEnabled());

    window.dtpDate->setFocus();
    QTest::keyClick(window.dtpDate, Qt::Key_F5); // any other key does nothing
    EXPECT_FALSE(window.cmdChange->isEnabled());
    QTest::keyClick(window.dtpDate, Qt::Key_Return);
    EXPECT_TRUE(window.cmdChange->isEnabled());
    EXPECT_EQ(window.focusWidget(), window.cmdChange);
}

// The clerk clicks into the year and types it, then confirms with Enter: the field shows the digits
// as typed (never a year of zeros) and Enter takes the year they give.
TEST_F(MonthSwitch, ATypedYearIsTakenByEnter)
{
    struct Case {
        const char* digits;
        QStringList shown;
        const char* picked;
    };
    const Case cases[] = {
        {"2025", {"Jun-2", "Jun-20", "Jun-202", "Jun-2025"}, "Jun-2025"},
        {"05", {"Jun-0", "Jun-05"}, "Jun-2005"},
    };
    for (const Case& c : cases) {
        core::frmChangeMonth& window = open();
        QLineEdit* field = window.dtpDate->findChild<QLineEdit*>();
        window.dtpDate->setFocus();
        QTest::mouseClick(field, Qt::LeftButton, {}, QPoint(field->width() - 4, field->height() / 2));
        QStringList shown;
        for (const char* digit = c.digits; *digit; ++digit) {
            QTest::keyClick(window.dtpDate, *digit);
            shown << field->text();
        }
        EXPECT_EQ(shown, c.shown) << c.digits;
        QTest::keyClick(window.dtpDate, Qt::Key_Return);
        EXPECT_EQ(window.focusWidget(), window.cmdChange) << c.digits;
        EXPECT_EQ(field->text(), c.picked) << c.digits;
        window.cmdExit->click();
    }
}

TEST_F(MonthSwitch, AMonthWithADatabaseBecomesTheCurrentMonth)
{
    core::frmChangeMonth& window = open();
    pick(window, "Apr-2026");
    window.cmdChange->click();
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(core::gstrMonthDB, "ZELAPR26");
    EXPECT_EQ(answeringMonth(), "APR");
    EXPECT_EQ(core::gcnnMonth.commandTimeout(), 120);
    EXPECT_EQ(mainCaption(), "Orvane Couriers      For Apr-2026");
    EXPECT_FALSE(loaded());

    // the month already in use is reopened and the caption takes the same form
    core::frmChangeMonth& again = open();
    pick(again, "Apr-2026");
    again.cmdChange->click();
    EXPECT_EQ(answeringMonth(), "APR");
    EXPECT_EQ(mainCaption(), "Orvane Couriers      For Apr-2026");
}

TEST_F(MonthSwitch, AMonthWithoutADatabaseKeepsThePreviousMonth)
{
    const QString caption = mainCaption();
    core::frmChangeMonth& window = open();
    pick(window, "Sep-2026");
    window.cmdChange->click();
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    const ui::ShownMessage message = ui::MessageBoxSeam::shown()[0];
    EXPECT_EQ(message.prompt,
              "Your Selected Month and Year : Sep-2026 Database Not Available. Please Choose Correct Month and Year");
    EXPECT_EQ(message.title, "Database Change");
    EXPECT_EQ(message.icon(), ui::vbInformation);
    EXPECT_EQ(message.buttons(), ui::vbOKOnly);
    EXPECT_EQ(core::gstrMonthDB, "ZELJUN26");
    EXPECT_EQ(answeringMonth(), "JUN");
    EXPECT_EQ(mainCaption(), caption);
    ASSERT_TRUE(loaded());
    EXPECT_TRUE(window.cmdChange->isEnabled());
    EXPECT_EQ(window.focusWidget(), window.dtpDate);

    // still armed: another month may be tried at once
    window.dtpDate->setValue(QString("May-2026"));
    window.cmdChange->click();
    EXPECT_EQ(core::gstrMonthDB, "ZELMAY26");
    EXPECT_EQ(answeringMonth(), "MAY");
}

TEST_F(MonthSwitch, EscAndExitCloseWithoutAChange)
{
    struct Way {
        const char* name;
        std::function<void(core::frmChangeMonth&)> leave;
    } ways[] = {
        {"Esc in the picker", [](core::frmChangeMonth& w) { QTest::keyClick(w.dtpDate, Qt::Key_Escape); }},
        {"Esc in the window", [](core::frmChangeMonth& w) { QTest::keyClick(w.cmdExit, Qt::Key_Escape); }},
        {"Exit", [](core::frmChangeMonth& w) { w.cmdExit->click(); }},
        {"close box", [](core::frmChangeMonth& w) { w.close(); }},
    };
    for (const Way& way : ways) {
        core::frmChangeMonth& window = open();
        pick(window, "Apr-2026");
        way.leave(window);
        EXPECT_FALSE(loaded()) << way.name;
        EXPECT_EQ(core::gstrMonthDB, "ZELJUN26") << way.name;
        EXPECT_EQ(answeringMonth(), "JUN") << way.name;
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    // the next opening loads the window afresh
    EXPECT_FALSE(open().cmdChange->isEnabled());
}

TEST_F(MonthSwitch, WhenThePreviousMonthCannotBeReopenedEitherQueriesReportTheClosedConnection)
{
    core::frmChangeMonth& window = open();
    pick(window, "Apr-2026");
    core::gstrServerName = "GONE"; // the server stopped answering
    window.cmdChange->click();
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 2);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, "Database Change");
    EXPECT_EQ(ui::MessageBoxSeam::shown()[1].prompt,
              "[DBNETLIB][ConnectionOpen (Connect()).]Specified SQL server not found.");
    EXPECT_EQ(ui::MessageBoxSeam::shown()[1].style, ui::vbInformation);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[1].title, QCoreApplication::applicationName());
    EXPECT_EQ(core::gstrMonthDB, "ZELJUN26");
    EXPECT_EQ(core::gcnnMonth.state(), db::ObjectState::Closed);
    ASSERT_TRUE(loaded());
    EXPECT_TRUE(window.cmdChange->isEnabled());
    EXPECT_EQ(window.focusWidget(), window.dtpDate);

    ui::MessageBoxSeam::clearShown();
    ui::guarded([] { core::GetServerDate(); });
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "Operation is not allowed when the object is closed.");

    // once the server answers again a switch opens the month
    core::gstrServerName = "ZELSERVER";
    window.cmdChange->click();
    EXPECT_EQ(core::gstrMonthDB, "ZELAPR26");
    EXPECT_EQ(answeringMonth(), "APR");
    EXPECT_FALSE(loaded());
}

} // namespace
