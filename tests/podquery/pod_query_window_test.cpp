// The POD query window's loading: the branch name, the server's date, a failing step that stops
// the loading with its error while the window still opens, the state it opens in and the blinking
// status.

#include "PodQueryFixture.h"

#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTimer>

using testsupport::WindowFixture;

namespace {

class PodQueryWindow : public WindowFixture<podquery::frmPODQueryGrid> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        db::ServerClock::setFixed(QDateTime(QDate(2026, 6, 17), QTime(9, 30)));
        core::gstrCompanyName = "Orvane Couriers";
        core::gstrBranchName = "Velmora Main";
        openMonth("ZELJUN26");
    }
};

TEST_F(PodQueryWindow, LoadsTheBranchNameAndTheServersDate)
{
    EXPECT_EQ(window().windowTitle(), "Orvane - Query");
    EXPECT_EQ(window().lblBranch->text(), "Velmora Main");
    EXPECT_EQ(window().dtpBookingDate->value().date(), QDate(2026, 6, 17));
    EXPECT_FALSE(window().fraFind->isVisibleTo(&window()));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PodQueryWindow, AClosedMonthConnectionStopsTheLoadingWithItsError)
{
    core::gcnnMonth.close();
    podquery::frmPODQueryGrid& loaded = window();
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    const ui::ShownMessage message = ui::MessageBoxSeam::shown()[0];
    EXPECT_EQ(message.prompt, "3704 : Operation is not allowed when the object is closed.     ");
    EXPECT_EQ(message.icon(), ui::vbCritical);
    EXPECT_EQ(message.title, "Orvane Couriers");
    EXPECT_EQ(loaded.lblBranch->text(), "Velmora Main"); // the steps before the failing one ran
}

TEST_F(PodQueryWindow, EscAndTheCloseBoxUnloadTheWindow)
{
    for (bool byEsc : {true, false}) {
        ui::WindowHost::showModal(&window());
        if (byEsc) { // Esc in the number box, also while it holds a number
            QTest::keyClicks(window().txtConsignNo, "5001");
            QTest::keyClick(window().txtConsignNo, Qt::Key_Escape);
        } else
            window().close();
        EXPECT_FALSE(ui::DefaultInstance<podquery::frmPODQueryGrid>::loaded()) << byEsc;
    }
}

using PodQuerySetUp = podtest::PodQueryFixture;

QColor statusColour()
{
    return ui::DefaultInstance<podquery::frmPODQueryGrid>::get().lblDeliveryStatus->palette().color(QPalette::WindowText);
}

TEST_F(PodQuerySetUp, OpensWithEmptyLabelsDisabledGridsAndTheBranchVariantsControls)
{
    podquery::frmPODQueryGrid& w = window();
    for (const QLabel* label : {w.lblBookingDate, w.lblWeight, w.lblVolWgt, w.lblTotWgt, w.lblFromAddress1,
                                w.lblFromAddress2, w.lblFromAddress3, w.lblFMobileNo, w.lblBkTime, w.lblToAddress1,
                                w.lblToAddress2, w.lblToAddress3, w.lblAmount, w.lblMode, w.lblDestination,
                                w.lblPickup, w.lblDocumentType, w.lblDeliveryStatus, w.lblBranchName, w.lblPodDate,
                                w.lblProConNo, w.lblBookedBy, w.lblBookedBranch, w.lblFlyerNo, w.lblContain,
                                w.lblPinCode, w.lblNoOfPcs, w.lblRateType})
        EXPECT_TRUE(label->text().isEmpty()) << label->objectName().toStdString();
    for (const ui::FlexGrid* grid : {w.msgQuery, w.msgNonDel, w.msgInc, w.msgMFRtn})
        EXPECT_FALSE(grid->isEnabled()) << grid->objectName().toStdString();
    for (const QWidget* hidden : std::initializer_list<const QWidget*>{w.chkSelect, w.cmdPODScan, w.cmdDocImage,
                                                                          w.fraROStatus, w.fraFind})
        EXPECT_FALSE(hidden->isVisibleTo(&w)) << hidden->objectName().toStdString();
    EXPECT_EQ(testsupport::itemsOf(w.cboBMode), QStringList({" ", "Cash", "Credit"}));
    EXPECT_EQ(w.Timer1->interval(), 500);
    EXPECT_TRUE(w.Timer1->isActive());

    booking(5001);
    type("5001");
    for (const ui::FlexGrid* grid : {w.msgQuery, w.msgNonDel, w.msgInc, w.msgMFRtn})
        EXPECT_TRUE(grid->isEnabled()) << grid->objectName().toStdString();
}

TEST_F(PodQuerySetUp, TheStatusBlinksRedAndYellowFromTheFirstBookingFound)
{
    const QColor red(255, 0, 0), yellow(255, 255, 0);
    const QColor before = statusColour();
    type("9999");
    for (int tick = 0; tick < 3; ++tick) {
        window().Timer1_Timer();
        EXPECT_EQ(statusColour(), before) << tick;
    }
    booking(5001);
    type("5001");
    EXPECT_EQ(window().lblDeliveryStatus->text(), "DELIVERED");
    for (const QColor& expected : {yellow, red, yellow}) {
        window().Timer1_Timer();
        EXPECT_EQ(statusColour(), expected);
    }
    type("9999"); // the label is empty, the blinking goes on
    EXPECT_TRUE(window().lblDeliveryStatus->text().isEmpty());
    window().Timer1_Timer();
    EXPECT_EQ(statusColour(), red);
}

} // namespace
