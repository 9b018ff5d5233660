// The report windows' loading: the query-log reports start on the server's date and need the
// month connection; the delivery status report lifts the month connection's time limit.

#include "support/CoreFixture.h"

#include "reports/frmDeliveryStatusReport.h"
#include "reports/frmQryRpt.h"
#include "reports/frmQueryReport.h"

#include "platform/db/DbError.h"
#include "platform/ui/DatePicker.h"

using testsupport::CoreFixture;

namespace {

class ReportWindows : public CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        install(QDate(2026, 6, 15));
        db::ServerClock::setFixed(QDateTime(QDate(2026, 6, 17), QTime(9, 30)));
        core::gcnnMonth.setCommandTimeout(120);
        openMonth("ZELJUN26");
    }
    void TearDown() override
    {
        ui::DefaultInstance<reports::frmQryRpt>::unload();
        ui::DefaultInstance<reports::frmQueryReport>::unload();
        ui::DefaultInstance<reports::frmDeliveryStatusReport>::unload();
        CoreFixture::TearDown();
    }

    // The two query-log reports' date pickers once loaded.
    template <class Report>
    static std::pair<QDate, QDate> loadedDates()
    {
        Report& report = ui::DefaultInstance<Report>::get();
        return {report.dtpFromDate->value().date(), report.dtpToDate->value().date()};
    }
};

TEST_F(ReportWindows, TheQueryLogReportsStartOnTheServersDate)
{
    const std::pair<QDate, QDate> serverDay{QDate(2026, 6, 17), QDate(2026, 6, 17)};
    EXPECT_EQ(loadedDates<reports::frmQryRpt>(), serverDay);
    EXPECT_EQ(loadedDates<reports::frmQueryReport>(), serverDay);
    EXPECT_EQ(ui::DefaultInstance<reports::frmQryRpt>::get().windowTitle(), "Query Report");
    EXPECT_EQ(ui::DefaultInstance<reports::frmQueryReport>::get().windowTitle(), "Consignment Enquiry Details Report.");
}

TEST_F(ReportWindows, WithTheMonthConnectionClosedTheQueryLogReportsDoNotLoad)
{
    core::gcnnMonth.close();
    EXPECT_THROW(ui::DefaultInstance<reports::frmQryRpt>::get(), db::DbError);
    EXPECT_THROW(ui::DefaultInstance<reports::frmQueryReport>::get(), db::DbError);
    EXPECT_FALSE(ui::DefaultInstance<reports::frmQryRpt>::loaded());
}

TEST_F(ReportWindows, TheDeliveryStatusReportLiftsTheMonthConnectionsTimeLimitForGood)
{
    ui::DefaultInstance<reports::frmDeliveryStatusReport>::get();
    ui::DefaultInstance<reports::frmDeliveryStatusReport>::unload();
    EXPECT_EQ(core::gcnnMonth.commandTimeout(), 0);
}

} // namespace
