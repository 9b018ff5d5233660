// The whole program on a demo installation: a clerk logs in and every button and menu entry of the
// main window opens its window without an error.

#include "support/CoreFixture.h"

#include "app/RegisterWindows.h"
#include "core/MainModule.h"
#include "core/frmLogin.h"
#include "core/mdiQuery.h"
#include "installer/DemoBranch.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using testsupport::CoreFixture;

namespace {

class EveryWindow : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        install(QDate(2026, 6, 15));
        installer::DemoOptions options;
        options.consignments = 200;
        options.today = QDate(2026, 6, 15);
        QString report;
        QTextStream out(&report);
        installer::fillDemoBranch(root(), options, out);
        RegisterQueryWindows();
        core::Main();
        auto& login = ui::DefaultInstance<core::frmLogin>::get();
        login.txtUserName->setText("ADMIN");
        login.txtPassword->setText("admin123");
        login.cmdOk->setEnabled(true);
        login.cmdOk_Click();
        ASSERT_TRUE(ui::MessageBoxSeam::shown().isEmpty()) << ui::MessageBoxSeam::shown().front().prompt.toStdString();
        ASSERT_TRUE(ui::DefaultInstance<core::mdiQuery>::get().isVisible());
    }
    void TearDown() override
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        CoreFixture::TearDown();
    }
};

TEST_F(EveryWindow, EachButtonAndMenuEntryOpensItsWindow)
{
    core::mdiQuery& main = ui::DefaultInstance<core::mdiQuery>::get();
    struct Case {
        const char* control;
        const char* window;
    } cases[] = {
        {"cmdRunSheetQuery", "frmConsignWiseGridQuery"}, {"cmdPodSearch", "frmQuery"},
        {"cmdDummy", "frmPendPODQry"},                   {"cmdPodQuery", "frmPODQueryGrid"},
        {"cmdCCare", "frmCCNos_Rpt"},                    {"mnu_POD_Query", "frmPODQueryGrid"},
        {"mnu_RunSheetNonDeliveryQuery", "frmConsignWiseGridQuery"},
        {"mnu_POD_Search", "frmQuery"},                  {"mnu_Change_Month", "frmChangeMonth"},
    };
    for (const Case& c : cases) {
        ui::MessageBoxSeam::clearShown();
        if (auto* button = main.findChild<QPushButton*>(c.control))
            button->click();
        else if (auto* action = main.findChild<QAction*>(c.control))
            action->trigger();
        else
            FAIL() << "no control " << c.control;
        QWidget* opened = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(c.window) && w->isVisible())
                opened = w;
        ASSERT_TRUE(opened) << c.control << " opened no " << c.window;
        EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty())
            << c.control << ": " << ui::MessageBoxSeam::shown().front().prompt.toStdString();
        opened->close();
    }
}

TEST_F(EveryWindow, AnEnquiryRunsOnTheDemoBranch)
{
    core::mdiQuery& main = ui::DefaultInstance<core::mdiQuery>::get();
    main.cmdRunSheetQuery->click();
    QWidget* window = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmConsignWiseGridQuery") && w->isVisible())
            window = w;
    ASSERT_TRUE(window);
    db::Recordset delivered;
    delivered.open("select top 1 ConsignmentNo, Origin from RunsheetDetails order by ConsignmentNo", core::gcnnMonth);
    auto* number = window->findChild<QLineEdit*>("txtConsignMentNo");
    number->setText(delivered.value(0).toString());
    QTest::keyClick(number, Qt::Key_Return);
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty()) << ui::MessageBoxSeam::shown().value(0).prompt.toStdString();
    auto* origins = window->findChild<QComboBox*>("cboOrigin");
    EXPECT_NE(origins->findText(delivered.value(1).toString()), -1);
}

} // namespace
