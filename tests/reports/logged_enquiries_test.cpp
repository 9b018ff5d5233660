// The query-log reports over enquiries the consignment history window logged itself at the head
// office, from a registered workstation: the report by type (INCOMING) and the tracking
// database's incoming report list what the window wrote.

#include "support/GridText.h"
#include "support/WindowFixture.h"

#include "consignment/frmConsignWiseGridQuery.h"
#include "reports/frmQryRpt.h"
#include "reports/frmQueryReport.h"

#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using consignment::frmConsignWiseGridQuery;
using testsupport::itemsOf;
using testsupport::rowsOf;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");

class LoggedEnquiries : public testsupport::WindowFixture<frmConsignWiseGridQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        db::ServerClock::setFixed(QDateTime(QDate(2026, 6, 17), QTime(9, 30, 5)));
        core::gstrComputerName = "COUNTER-3";
        core::gstrUserName = "meera";
        core::gstrMainBranchCode = "HO";
        openMonth(kMonth);
        execute("ZELAdminConfig", "INSERT INTO tbl_User_System VALUES ('COUNTER-3', 0)");
        execute(kMonth, "INSERT INTO Run_AreaMaster VALUES ('A1','Lake Road')");
        execute(kMonth, "INSERT INTO RunsheetMaster (RunsheetNo, BranchCode) VALUES (302,'MB2')");
        execute(kMonth, "INSERT INTO tab_ReturnPODMaster (RSNo, StaffName) VALUES (9001,'Arun K')");
        execute(kMonth, "INSERT INTO Run_ReasonMaster VALUES ('DLK','Consignee''s door locked')");
    }
    void TearDown() override
    {
        ui::DefaultInstance<reports::frmQryRpt>::unload();
        ui::DefaultInstance<reports::frmQueryReport>::unload();
        WindowFixture::TearDown();
    }

    // A runsheet line of the consignment, as the delivery branch enters it.
    void runsheetLine(qint64 number, const QString& origin, const QString& reasonCode, const QString& drsNo)
    {
        execute(kMonth, "INSERT INTO RunsheetDetails (RunsheetNo, SerialNo, RunsheetDate, RunsheetMode, BranchCode,"
                        " AreaCode, AreaName, StaffCode, Origin, ConsignmentNo, Contact_Name, Contact_No, Mobile_No,"
                        " LoadDetails, BAR_RSNO, ReasonCode, DRSNo, CreateDate, CreateUser, MachineId) VALUES (302, 4,"
                        " '2026-06-07', 'BIKE', 'VLR', 'A1', 'Lake Rd', 'S12', '"
                            + origin + "', " + QString::number(number) + ", 'R Devi', '0442001', '9840011122', 1,"
                            " 'B302', " + reasonCode + ", " + drsNo + ", '2026-06-07 18:05:09', 'ravi', 'DESK-2')");
    }

    // The clerk's enquiry over every runsheet date of the number and origin.
    void enquire(qint64 number, const QString& origin)
    {
        window().txtConsignMentNo->setText(QString::number(number));
        window().cboOrigin->clear();
        window().cboOrigin->addItem(origin);
        window().cboRSDate->clear();
        window().FormatRunsheetGrid();
        window().LoadRunsheetDetails();
    }
};

TEST_F(LoggedEnquiries, BothIncomingReportsListTheEnquiriesTheHistoryWindowLogged)
{
    runsheetLine(10000000003801, "MAA", "'DLK'", "9001");
    runsheetLine(5002, "DUN", "NULL", "NULL");
    enquire(10000000003801, "MAA");
    ASSERT_EQ(window().lblDeliveryStatus->text(), "Consignee's door locked");
    enquire(5002, "DUN");
    ASSERT_EQ(window().lblDeliveryStatus->text(), "Taken For Delivery");

    // the report by type: the administration's log, the server's day already chosen
    auto& byType = ui::DefaultInstance<reports::frmQryRpt>::get();
    ui::WindowHost::showModal(&byType);
    QTest::keyClick(byType.dtpToDate, Qt::Key_Return);
    EXPECT_EQ(itemsOf(byType.cboOrigin), QStringList({"DUN", "MAA"}));
    byType.cboQryType->setCurrentIndex(byType.cboQryType->findText("INCOMING"));
    byType.cmdShow->click();
    EXPECT_EQ(rowsOf(byType.msgGrid),
              QStringList({"17-Jun-2026|DUN|5002|07-Jun-2026|302||Taken For Delivery|0|VLR|COUNTER-3|meera|"
                           "2026-06-17 09:30:05|ZELJUN26",
                           "17-Jun-2026|MAA|10000000003801|07-Jun-2026|302|DLK|Consignee's door locked|9001|VLR|"
                           "COUNTER-3|meera|2026-06-17 09:30:05|ZELJUN26",
                           QString(12, '|')}));
    ui::DefaultInstance<reports::frmQryRpt>::unload();

    // the tracking database's report, in the order of query date, origin and number
    auto& tracking = ui::DefaultInstance<reports::frmQueryReport>::get();
    ui::WindowHost::showModal(&tracking);
    QTest::keyClick(tracking.dtpToDate, Qt::Key_Return);
    EXPECT_EQ(itemsOf(tracking.cboOrigin), QStringList({"DUN", "MAA"}));
    tracking.cboOrder->setCurrentIndex(tracking.cboOrder->findText("QueryDate,Origin,ConsignmentNo"));
    tracking.cmdShow->click();
    EXPECT_EQ(rowsOf(tracking.msgGrid),
              QStringList({"17-Jun-2026|DUN|5002|07-Jun-2026|302||Taken For Delivery|0|VLR|meera|2026-06-17 09:30:05",
                           "17-Jun-2026|MAA|10000000003801|07-Jun-2026|302|DLK|Consignee's door locked|9001|VLR|"
                           "meera|2026-06-17 09:30:05",
                           QString(10, '|')}));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

} // namespace
