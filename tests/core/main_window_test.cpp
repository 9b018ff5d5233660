// The main window: its caption and title, the branch variant's switches, the menu bar, and the
// query windows its buttons and menu entries open.

#include "support/CoreFixture.h"

#include "core/QueryWindows.h"
#include "core/ServerDate.h"
#include "core/frmChangeMonth.h"
#include "core/mdiQuery.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>

using testsupport::CoreFixture;

namespace {

const char* const kQueryWindows[] = {
    "frmConsignWiseGridQuery", "frmConsignWiseQuery", "frmQuery",      "frmPendPODQry",     "frmPODQueryGrid",          "frmNDSearch",
    "frmManifestQuery",        "frmMissPODLetter",    "frmCCNos_Rpt",  "frmQryRpt",         "frmDeliveryStatusReport", "frmQueryReport",
};

class MainWindow : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        install(QDate(2025, 1, 15));
        core::gstrStationCode = "ZEL";
        core::gstrServerName = "ZELSERVER";
        core::gstrDBUser = "sa";
        core::gstrCompanyName = "ORVANE couriers  pvt. LTD";
        core::gstrCompanyCity = "Velmora";
        core::gstrMonthDB = "ZELJAN25";
        core::gcnnMonth.open(core::ConnectionText(core::gstrMonthDB));
        // each query window of the test: a plain window of that name, counted as it is made
        for (const char* name : kQueryWindows)
            core::QueryWindows::add(name, [this, name]() -> QWidget& {
                QPointer<QWidget>& window = windows[name];
                if (!window) {
                    window = new QWidget();
                    window->setObjectName(name);
                    ++made[name];
                }
                return *window;
            });
    }
    void TearDown() override
    {
        ui::DefaultInstance<core::mdiQuery>::unload();
        ui::DefaultInstance<core::frmChangeMonth>::unload();
        for (const char* name : kQueryWindows)
            core::QueryWindows::remove(name);
        for (const QPointer<QWidget>& window : std::as_const(windows))
            delete window.data();
        CoreFixture::TearDown();
    }

    core::mdiQuery& main() { return ui::DefaultInstance<core::mdiQuery>::get(); }
    QWidget* shownWindow() const
    {
        for (const QPointer<QWidget>& window : windows)
            if (window && window->isVisible())
                return window;
        return nullptr;
    }
    void hideAll()
    {
        for (const QPointer<QWidget>& window : std::as_const(windows))
            if (window)
                window->hide();
    }
    // Clicks a button or chooses a menu entry by its name.
    void choose(const QString& control)
    {
        if (auto* button = main().findChild<QPushButton*>(control))
            button->click();
        else
            main().findChild<QAction*>(control)->trigger();
    }

    QHash<QString, QPointer<QWidget>> windows;
    QHash<QString, int> made;
};

TEST_F(MainWindow, CaptionNamesTheCompanyCityAndTodaysMonthAndTheTitleCapitalisesEachWord)
{
    core::gstrMonthDB = "ZELDEC24"; // the caption follows the clock, not the month database
    EXPECT_EQ(main().windowTitle(), "ORVANE couriers  pvt. LTD     Velmora     JANUARY'2025");
    EXPECT_EQ(main().lblTitle->text(), "Orvane Couriers  Pvt. Ltd - ZEL");
    EXPECT_EQ(main().lblCompany->text(), "");
}

TEST_F(MainWindow, TheBranchVariantHidesDisablesAndSwitchesOffTheCentralEntries)
{
    struct Case {
        const char* control;
        const char* branch;  // gblnCentralMode False
        const char* central; // gblnCentralMode True: as designed
    } cases[] = {
        {"Command1", "hidden", "shown"},
        {"cmdDummy", "shown", "shown"},
        {"cmdNonDeliveryQuery", "hidden", "shown"},
        {"cmdPhoneQuery", "hidden", "shown"},
        {"cmdReport", "disabled", "shown"},
        {"cmdQryRpt", "disabled", "shown"},
        {"cmdCCare", "shown", "shown"},
        {"cmdPodQuery", "shown", "shown"},
        {"mnuPhoneBookEntry", "hidden", "hidden"},
        {"mnuPhBook", "hidden", "hidden"},
        {"mnu_MissPODLetter", "hidden", "hidden"},
        {"mnu_Manifest_Query", "hidden", "shown"},
        {"mnu_NonDelivery_Query", "disabled", "shown"},
        {"mnu_PendPOD_Query", "disabled", "shown"},
        {"mnu_ConsignWiseQuery", "hidden", "hidden"},
        {"mnu_POD_Query", "shown", "shown"},
    };
    for (bool central : {false, true}) {
        ui::DefaultInstance<core::mdiQuery>::unload();
        core::gblnCentralMode = central;
        core::mdiQuery& window = main();
        for (const Case& c : cases) {
            bool visible, enabled;
            if (auto* button = window.findChild<QPushButton*>(c.control)) {
                visible = button->isVisibleTo(&window);
                enabled = button->isEnabled();
            } else {
                QAction* entry = window.findChild<QAction*>(c.control);
                ASSERT_NE(entry, nullptr) << c.control;
                visible = entry->isVisible();
                enabled = entry->isEnabled();
            }
            const char* state = !visible ? "hidden" : !enabled ? "disabled" : "shown";
            EXPECT_STREQ(state, central ? c.central : c.branch) << c.control << (central ? " central" : " branch");
        }
    }
}

TEST_F(MainWindow, TheBranchVariantLoadsTheSingleDateWindowHidden)
{
    main();
    ASSERT_EQ(made.value("frmConsignWiseQuery"), 1);
    EXPECT_FALSE(windows["frmConsignWiseQuery"]->isVisible());

    ui::DefaultInstance<core::mdiQuery>::unload();
    delete windows["frmConsignWiseQuery"].data();
    core::gblnCentralMode = true;
    main();
    EXPECT_EQ(made.value("frmConsignWiseQuery"), 1);
}

TEST_F(MainWindow, TheMenuBarHoldsItsEntriesInOrder)
{
    const QList<QAction*> top = main().menuBar()->actions();
    QStringList captions;
    for (QAction* entry : top)
        captions << entry->objectName() + "=" + entry->text();
    EXPECT_EQ(captions, (QStringList{"mnu_Account_Invoice=&Account-Invoice", "mnu_Runsheet_Query=        &Runsheet",
                                     "mnu_NonDelivery=      &Non Delivery", "mnu_PendingPOD=     Dummy PO&D",
                                     "mnu_Change_Month=     &Change Month", "mnu_Exit=        E&xit"}));
    const auto entries = [&](const char* menu) {
        QStringList out;
        for (QAction* entry : main().findChild<QMenu*>(menu)->actions())
            out << entry->objectName() + "=" + (entry->isSeparator() ? "-" : entry->text());
        return out;
    };
    EXPECT_EQ(entries("mnu_Account_Invoice"),
              (QStringList{"mnu_POD_Query=&POD Query", "mnu_InvoiceLine1=-", "mnu_POD_ManifestQuery=POD - Manifest Query",
                           "mnu_InvoiceLine2=-", "mnu_POD_Search=POD Search", "mnu_Sep1=-", "mnuPhoneBookEntry=Phone &Book Entry",
                           "mnuPhBook=-", "mnu_MissPODLetter=POD Missing Letter"}));
    EXPECT_EQ(entries("mnu_Runsheet_Query"),
              (QStringList{"mnu_Manifest_Query=Manifest Query", "mnu_Lin1=-",
                           "mnu_RunSheetNonDeliveryQuery=&RunSheet-Non Delivery Query", "mnu_QuerySeperator1=-",
                           "mnu_ConsignWiseQuery=&Consignment Wise Query"}));
    EXPECT_EQ(entries("mnu_NonDelivery"), QStringList{"mnu_NonDelivery_Query=Non Del Query"});
    EXPECT_EQ(entries("mnu_PendingPOD"), QStringList{"mnu_PendPOD_Query=Dummy POD Query"});

    QStringList buttons;
    for (QPushButton* button : main().Picture1->findChildren<QPushButton*>())
        buttons << button->objectName() + "=" + button->text();
    EXPECT_EQ(buttons, (QStringList{"cmdCCare=Cust. Care Priority Con No.", "Command1=Delivery Status &Report.",
                                    "cmdQryRpt=Query Report", "cmdReport=Tracking Query Report",
                                    "cmdPhoneQuery=Phone &Book Query", "cmdPodQuery=&POD - Manifest Query",
                                    "cmdPodSearch=POD &Search", "cmdRunSheetQuery=Run Sheet &Query",
                                    "cmdNonDeliveryQuery=&Non Delivery Query", "cmdDummy=Du&mmy POD"}));
}

TEST_F(MainWindow, EachButtonAndEntryOpensItsWindowOnceModalOrModeless)
{
    core::gblnCentralMode = true; // every entry as designed and enabled
    struct Case {
        const char* control;
        const char* window;
        Qt::WindowModality modality;
    } cases[] = {
        {"cmdRunSheetQuery", "frmConsignWiseGridQuery", Qt::ApplicationModal},
        {"mnu_RunSheetNonDeliveryQuery", "frmConsignWiseGridQuery", Qt::ApplicationModal},
        {"mnu_ConsignWiseQuery", "frmConsignWiseQuery", Qt::ApplicationModal},
        {"cmdPodSearch", "frmQuery", Qt::ApplicationModal},
        {"mnu_POD_Search", "frmQuery", Qt::ApplicationModal},
        {"cmdDummy", "frmPendPODQry", Qt::ApplicationModal},
        {"mnu_PendPOD_Query", "frmPendPODQry", Qt::ApplicationModal},
        {"cmdPodQuery", "frmPODQueryGrid", Qt::ApplicationModal},
        {"mnu_POD_ManifestQuery", "frmPODQueryGrid", Qt::ApplicationModal},
        {"mnu_POD_Query", "frmPODQueryGrid", Qt::ApplicationModal},
        {"cmdNonDeliveryQuery", "frmNDSearch", Qt::ApplicationModal},
        {"mnu_NonDelivery_Query", "frmNDSearch", Qt::ApplicationModal},
        {"mnu_Manifest_Query", "frmManifestQuery", Qt::ApplicationModal},
        {"mnu_MissPODLetter", "frmMissPODLetter", Qt::ApplicationModal},
        {"cmdCCare", "frmCCNos_Rpt", Qt::ApplicationModal},
        {"cmdQryRpt", "frmQryRpt", Qt::ApplicationModal},
        {"cmdReport", "frmQueryReport", Qt::ApplicationModal},
        {"Command1", "frmDeliveryStatusReport", Qt::NonModal},
    };
    for (const Case& c : cases) {
        for (int time = 0; time < 2; ++time) {
            choose(c.control);
            QWidget* shown = shownWindow();
            ASSERT_NE(shown, nullptr) << c.control;
            EXPECT_EQ(shown->objectName(), c.window) << c.control;
            EXPECT_EQ(shown->windowModality(), c.modality) << c.control;
            hideAll();
        }
        EXPECT_EQ(made.value(c.window), 1) << c.window;
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(MainWindow, ThePhoneBookButtonAndEntryDoNothing)
{
    core::gblnCentralMode = true;
    for (const char* control : {"cmdPhoneQuery", "mnuPhoneBookEntry"}) {
        choose(control);
        EXPECT_EQ(shownWindow(), nullptr) << control;
    }
    EXPECT_TRUE(made.isEmpty());
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_FALSE(ui::programEnded());
}

TEST_F(MainWindow, AWindowWhoseLoadFailsShowsTheErrorAndTheMainWindowStays)
{
    // the query-log report asks the server's date as it loads
    core::QueryWindows::add("frmQryRpt", [this]() -> QWidget& {
        core::GetServerDate();
        QPointer<QWidget>& window = windows["frmQryRpt"];
        if (!window)
            window = new QWidget();
        return *window;
    });
    core::gblnCentralMode = true;
    main();
    core::gcnnMonth.close();
    main().cmdQryRpt->click();
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "Operation is not allowed when the object is closed.");
    EXPECT_EQ(shownWindow(), nullptr);
    EXPECT_TRUE(main().isEnabled());

    core::gcnnMonth.open();
    main().cmdQryRpt->click();
    EXPECT_NE(shownWindow(), nullptr);
}

TEST_F(MainWindow, ChangeMonthOpensTheMonthSwitchModally)
{
    choose("mnu_Change_Month");
    ASSERT_TRUE(ui::DefaultInstance<core::frmChangeMonth>::loaded());
    EXPECT_TRUE(ui::DefaultInstance<core::frmChangeMonth>::get().isVisible());
    EXPECT_EQ(ui::DefaultInstance<core::frmChangeMonth>::get().windowModality(), Qt::ApplicationModal);
}

TEST_F(MainWindow, ExitAndTheCloseBoxEndTheProgram)
{
    // The entry's signal and the close box's event go straight to the window, so the end of the
    // program unwinds only frames it unwinds in the program: trigger() and close() hold guards in Qt
    // frames built without exceptions, which would leak once the window is deleted.
    EXPECT_THROW(emit main().findChild<QAction*>("mnu_Exit")->triggered(), ui::ProgramEnd);
    EXPECT_TRUE(ui::programEnded());

    ui::resetProgramEnded();
    ui::DefaultInstance<core::mdiQuery>::unload();
    QCloseEvent closeBox;
    EXPECT_THROW(QApplication::sendEvent(&main(), &closeBox), ui::ProgramEnd);
    EXPECT_TRUE(ui::programEnded());
}

} // namespace
