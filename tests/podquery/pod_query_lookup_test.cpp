// The look-up of the POD query window: the number read from the box, the booking labels with
// their formats and Null texts, masked mobile numbers, the rate type by booking date, the detail
// grid, bookings found by their pro-consignment number, and failures reported in the window.

#include "PodQueryFixture.h"

#include "podquery/PodQueryStatements.h"

#include "grid/QvGrid.h"
#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"

#include <QPushButton>

using podquery::frmPODQueryGrid;
using podtest::kMonth;

namespace {

class PodLookUp : public podtest::PodQueryFixture {
protected:
    // The detail grid's rows as "name|value".
    static QStringList detailRows()
    {
        QStringList rows;
        const grid::QvGrid* g = window().QvGrid1;
        for (int r = 0; r < g->Rows(); ++r)
            rows << g->CellText(r, 0) + '|' + g->CellText(r, 1);
        return rows;
    }
};

TEST_F(PodLookUp, TheBoxTakesDigitsAndBlanksAndTheStatementsOnlyTheNumbersValue)
{
    booking(12);
    booking(1234);
    const struct {
        bool typed;
        QString text, box, n;
    } cases[] = {
        {true, "12ab.,/-+:~3 4", "123 4", "1234"},
        {false, "12AB", "12AB", "12"},
        {false, "ABC", "ABC", "0"},
        {false, "0012", "0012", "12"},
        {false, "12345678901234", "12345678901234", "12345678901234"},
    };
    for (const auto& c : cases) {
        db::StatementCapture capture;
        c.typed ? type(c.text) : paste(c.text);
        EXPECT_EQ(window().txtConsignNo->text(), c.box) << c.text.toStdString();
        ASSERT_FALSE(capture.statements().isEmpty()) << c.text.toStdString();
        EXPECT_EQ(capture.statements()[0], podquery::bookingStatement(c.n)) << c.text.toStdString();
        for (const QString& sql : capture.statements())
            EXPECT_FALSE(c.box != c.n && sql.contains(c.box)) << sql.toStdString();
        EXPECT_EQ(window().txtConsignNo->selectedText(), c.box); // the focus handler ran
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PodLookUp, AnEmptyBoxAsksForANumberAndReadsNothing)
{
    booking(5001);
    type("5001");
    db::StatementCapture capture;
    paste("   ");
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "Type Consignment No.");
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, "Consignment Query");
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].icon(), ui::vbInformation);
    EXPECT_TRUE(capture.statements().isEmpty());
    EXPECT_TRUE(window().txtConsignNo->text().isEmpty());
    EXPECT_TRUE(window().lblFromAddress1->text().isEmpty());
}

TEST_F(PodLookUp, BookingLabelsShowTheirFormatsAndTheirNullTexts)
{
    booking(5001, {"Pro_ConsignNo=7001"});
    QStringList nulls;
    for (const char* column :
         {"BookingTime", "Rate_Type", "DocumentType", "PickUp", "BranchCode", "Booked_Branch", "BOOKED_BY",
          "Pro_Origin", "Pro_ConsignNo", "FromAddress1", "FromAddress2", "FromAddress3", "FromAddress4",
          "FromAddress5", "ToAddress1", "ToAddress2", "ToAddress3", "ToAddress4", "ToAddress5", "PinCode",
          "Pieces", "Weight", "Vol_Weight", "Tot_Weight", "Amount", "Contain1", "Contain2", "Contain3",
          "TransactionMode", "Destination", "DeliveryStatus", "PodScanDate"})
        nulls << QLatin1String(column) + "=NULL";
    booking(5002, nulls);
    const struct {
        QLabel* frmPODQueryGrid::*label;
        const char *filled, *null;
    } labels[] = {
        {&frmPODQueryGrid::lblBookingDate, "05-Sep-2024 - Thursday", "05-Sep-2024 - Thursday"},
        {&frmPODQueryGrid::lblWeight, "1.500", "--"},
        {&frmPODQueryGrid::lblVolWgt, "2.250", "--"},
        {&frmPODQueryGrid::lblTotWgt, "0.500", "--"},
        {&frmPODQueryGrid::lblFromAddress1, "Lakshmi Traders", "--"},
        {&frmPODQueryGrid::lblFromAddress2, " 12 Bay Rd ", "--"},
        {&frmPODQueryGrid::lblFromAddress3, "Velmora, North", "--"},
        {&frmPODQueryGrid::lblFMobileNo, "XXXXXX1122", ""},
        {&frmPODQueryGrid::lblToAddress1, "R Devi", "--"},
        {&frmPODQueryGrid::lblToAddress2, "4 Hill St", "--"},
        {&frmPODQueryGrid::lblToAddress3, "Dunmere, East, XXXXXX3210", "--"},
        {&frmPODQueryGrid::lblAmount, "250.50", "--"},
        {&frmPODQueryGrid::lblMode, "Paid", "--"},
        {&frmPODQueryGrid::lblDestination, "DUNMERE", "--"},
        {&frmPODQueryGrid::lblPickup, "Counter", "--"},
        {&frmPODQueryGrid::lblDocumentType, "Documents", "Non-Documents"},
        {&frmPODQueryGrid::lblProConNo, "MAA 7001", ""},
        {&frmPODQueryGrid::lblBookedBy, "ravi", ""},
        {&frmPODQueryGrid::lblBookedBranch, "Velmora Main", "-"},
        {&frmPODQueryGrid::lblFlyerNo, "F-88", "-"},
        {&frmPODQueryGrid::lblContain, "Books,Pens", "-,-"},
        {&frmPODQueryGrid::lblPinCode, "600001", "-"},
        {&frmPODQueryGrid::lblBkTime, "10:42", "-"},
        {&frmPODQueryGrid::lblNoOfPcs, "3", "1"},
        {&frmPODQueryGrid::lblRateType, "EXPRESS", "NORMAL"},
        {&frmPODQueryGrid::lblPodDate, "10-Jun-2026 14:05:09", "--"},
        {&frmPODQueryGrid::lblBranchName, "Velmora Main", ""},
        {&frmPODQueryGrid::lblDeliveryStatus, "DELIVERED", ""},
    };
    for (const bool nullBooking : {false, true, false}) {
        type(nullBooking ? "5002" : "5001");
        for (const auto& l : labels)
            EXPECT_EQ((window().*l.label)->text(), nullBooking ? l.null : l.filled)
                << (window().*l.label)->objectName().toStdString() << (nullBooking ? " Null" : "");
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PodLookUp, DocumentTypeDocIsCaseSensitiveAndEmptyTextStaysEmpty)
{
    booking(5001, {"DocumentType='doc'", "PickUp=''", "Contain1=NULL", "Contain2='Pens'"});
    type("5001");
    EXPECT_EQ(window().lblDocumentType->text(), "Non-Documents");
    EXPECT_EQ(window().lblPickup->text(), "");
    EXPECT_EQ(window().lblContain->text(), "-,Pens");
}

TEST_F(PodLookUp, MobileNumbersAreMaskedInLabelsAndDetailsWhenNumeric)
{
    const struct {
        bool central;
        const char *value, *fromMobile, *toAddress3, *detail;
    } cases[] = {
        {false, "'9876543210'", "XXXXXX3210", "Dunmere, XXXXXX3210", "XXXXXX3210"},
        {false, "'98765A3210'", "98765A3210", "Dunmere, 98765A3210", "98765A3210"},
        {false, "'123'", "XXXXXX123", "Dunmere, XXXXXX123", "XXXXXX123"},
        {false, "NULL", "", "Dunmere", ""},
        {true, "'9876543210'", "9876543210", "Dunmere, 9876543210", "9876543210"},
    };
    qint64 number = 600;
    for (const auto& c : cases) {
        core::gblnCentralMode = c.central;
        const QString v = QLatin1String(c.value);
        booking(++number, {"FromAddress5=" + v, "ToAddress4=NULL", "ToAddress5=" + v, "MOBILE_No=" + v});
        type(QString::number(number));
        EXPECT_EQ(window().lblFMobileNo->text(), c.fromMobile) << c.value;
        EXPECT_EQ(window().lblToAddress3->text(), c.toAddress3) << c.value;
        ASSERT_EQ(window().QvGrid1->Rows(), 17) << c.value;
        EXPECT_EQ(window().QvGrid1->CellText(8, 1), c.detail) << c.value;
        EXPECT_EQ(window().QvGrid1->CellText(9, 1), c.detail) << c.value;
    }
}

TEST_F(PodLookUp, TheRateTypeShowsForBookingsFromTheSecondOfSeptember2024)
{
    const struct {
        const char *date, *rateType, *shown;
    } cases[] = {
        {"'2024-09-01'", "NULL", ""},
        {"'2024-09-01'", "'EXPRESS'", ""},
        {"'2024-09-02'", "NULL", "NORMAL"},
        {"'2024-09-02'", "'EXPRESS'", "EXPRESS"},
        {"'2025-01-15'", "'PRIORITY'", "PRIORITY"},
    };
    qint64 number = 700;
    for (const auto& c : cases) {
        booking(++number, {QStringLiteral("BookingDate=") + c.date, QStringLiteral("Rate_Type=") + c.rateType});
        type(QString::number(number));
        EXPECT_EQ(window().lblRateType->text(), c.shown) << c.date << " " << c.rateType;
    }
}

TEST_F(PodLookUp, TheDetailGridListsSeventeenColumnsHiddenUntilAdditionalDetails)
{
    booking(5001, {"PAYMENT_REFNO='UPI\t778'", "CUST_GST_ID=NULL"});
    booking(5002, {"SUB_BRANCHCODE='ZZ9'"});
    type("5001");
    EXPECT_EQ(detailRows(),
              QStringList({"VOL_METRIC_STATUS|Y", "PAR_LENGTH|10.5", "PAR_WIDTH|20", "PAR_HEIGHT|30.25",
                           "Weight_Type|Actual", "Sub Branch|Lake Road - LR1", "PAYMENT_TYPE|UPI",
                           "UPI Ref No|UPI 778", "MOBILE_No|XXXXXX1122", "To_MobileNo|XXXXXX3210",
                           "ODA Charge|40", "CUST_GST_ID|", "Disc Slab|S2", "ContentValue|1200",
                           "CreateUser|ravi", "MachineId|DESK-2", "CancelStatus|0"}));
    EXPECT_EQ(window().QvGrid1->Cols(), 2);
    EXPECT_FALSE(window().QvGrid1->isVisibleTo(&window()));
    QTest::mouseClick(window().cmdAdditional, Qt::LeftButton);
    EXPECT_TRUE(window().QvGrid1->isVisibleTo(&window()));

    QTest::mouseClick(window().txtConsignNo, Qt::LeftButton); // the number shown is selected: typed anew
    QTest::keyClicks(window().txtConsignNo, "5002"); // a sub-branch without its row: the outer join keeps it
    QTest::keyClick(window().txtConsignNo, Qt::Key_Return);
    EXPECT_FALSE(window().QvGrid1->isVisibleTo(&window()));
    ASSERT_EQ(window().QvGrid1->Rows(), 17);
    EXPECT_EQ(detailRows()[5], "Sub Branch|");

    QTest::mouseClick(window().cmdAdditional, Qt::LeftButton);
    type("9999"); // no booking: the previous consignment's rows go
    EXPECT_FALSE(window().QvGrid1->isVisibleTo(&window()));
    EXPECT_EQ(window().QvGrid1->Rows(), 0);
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PodLookUp, ANumberWithoutBookingEmptiesTheLabelsAndForgetsTheLastBooking)
{
    booking(5001, {"Pro_ConsignNo=7001"});
    manifestLine(7001, "880", "'2026-06-05'", "'ZEL'", "'DUN'");
    type("5001");
    ASSERT_EQ(window().msgQuery->rows(), 3);
    type("5009");
    EXPECT_TRUE(window().lblFromAddress1->text().isEmpty());
    EXPECT_TRUE(window().lblDeliveryStatus->text().isEmpty());
    EXPECT_EQ(window().msgQuery->rows(), 2); // the earlier pro number is not matched again
    EXPECT_EQ(window().mDeliveryStatus, "");
    EXPECT_EQ(window().mProConsignNo, 0);
    EXPECT_FALSE(window().mBookingDate.isValid());
    EXPECT_FALSE(window().mDestination.isValid());
    EXPECT_EQ(window().mPartyCode, "");
    EXPECT_EQ(window().mWeight, 0);
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PodLookUp, ABookingFoundByItsProNumberIsShownWholeUnderItsOwnNumber)
{
    booking(5001, {"Pro_ConsignNo=5000000000"}); // beyond 32 bits
    manifestLine(5001, "880", "'2026-06-05'", "'ZEL'", "'DUN'");
    manifestLine(5000000000, "881", "'2026-06-06'", "'MAA'", "'OHR'");
    execute(kMonth, "INSERT INTO MF_Rtn_Master (EntryDate, ConsignNo, Origin) VALUES ('2026-06-07', 5001, 'ZEL')");
    for (const char* entered : {"5001", "5000000000"}) {
        type(entered);
        EXPECT_EQ(window().lblProConNo->text(), "MAA 5000000000") << entered;
        EXPECT_EQ(window().lblFromAddress1->text(), "Lakshmi Traders") << entered;
        EXPECT_EQ(window().QvGrid1->Rows(), 17) << entered;
        EXPECT_EQ(window().msgQuery->rows(), 4) << entered;
        EXPECT_EQ(window().msgMFRtn->rows(), 3) << entered;
        EXPECT_EQ(window().lblDeliveryStatus->text(), "RETURN TO Consignee") << entered;
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(PodLookUp, ANumberThatIsOneBookingsOwnAndAnothersProNumberShowsItsOwnBooking)
{
    // without the index the rows come in the order they were stored: the one by pro number first
    execute(kMonth, "DROP INDEX IX_Invoice_Pro_ConsignNo");
    booking(3001, {"Pro_ConsignNo=5001", "FromAddress1='Also by pro number'"});
    booking(5001, {"Pro_ConsignNo=7001", "FromAddress1='By pro number'"});
    booking(7001, {"FromAddress1='By own number'"});
    type("7001");
    EXPECT_EQ(window().lblFromAddress1->text(), "By own number");
    type("5001");
    EXPECT_EQ(window().lblFromAddress1->text(), "By pro number");
}

// The screen then shows only what the failed look-up read, none of the previous consignment.
TEST_F(PodLookUp, AFailingStatementIsReportedAndTheWindowStaysOpen)
{
    execute(kMonth, "INSERT INTO OutgoingNonDelvy (TransDate, ConsignmentNo) VALUES ('2026-06-06', 5002)");
    execute(kMonth, "INSERT INTO Run_Manifest (ManifestDate, Origin, ConsignmentNo) VALUES ('2026-06-05', 'ZEL', 5002)");
    type("5002");
    booking(5001);
    execute(kMonth, "DROP TABLE MF_Rtn_Master");
    type("5001");
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_TRUE(ui::MessageBoxSeam::shown()[0].prompt.contains("MF_Rtn_Master"));
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].icon(), ui::vbCritical);
    EXPECT_EQ(window().msgNonDel->rows() + window().msgInc->rows(), 4); // headings and an empty row each
    EXPECT_FALSE(ui::programEnded());
    ASSERT_TRUE(ui::DefaultInstance<frmPODQueryGrid>::loaded());
    EXPECT_EQ(window().lblFromAddress1->text(), "Lakshmi Traders");
    EXPECT_TRUE(loggedRows("ConsignmentNo").isEmpty());
}

} // namespace
