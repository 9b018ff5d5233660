// The POD query window's loading: the branch name, the server's date, and a failing step that
// stops the loading with its error while the window still opens.

#include "support/WindowFixture.h"

#include "podquery/frmPODQueryGrid.h"

#include "platform/ui/DatePicker.h"

#include <QFrame>
#include <QLabel>
#include <QTest>

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
        if (byEsc)
            QTest::keyClick(&window(), Qt::Key_Escape);
        else
            window().close();
        EXPECT_FALSE(ui::DefaultInstance<podquery::frmPODQueryGrid>::loaded()) << byEsc;
    }
}

} // namespace
