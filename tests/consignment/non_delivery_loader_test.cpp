// The non-delivery grid of the consignment history window: the city looked up for the origin code,
// the serials numbered over the whole register, the action type and reason texts, the address and
// the entering user's branch, and a grid left alone when the consignment has no entry.

#include "support/GridText.h"
#include "support/RowInsert.h"
#include "support/WindowFixture.h"

#include "consignment/NonDeliveryStatements.h"
#include "consignment/frmConsignWiseGridQuery.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"

#include <QComboBox>
#include <QLineEdit>

using consignment::frmConsignWiseGridQuery;
using testsupport::WindowFixture;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");

// The grid's rows below the headings, cells joined with "|", the empty last row left out.
QStringList rowsOf(const ui::FlexGrid* grid)
{
    QStringList rows = testsupport::rowsOf(grid);
    EXPECT_EQ(rows.takeLast(), "||||||");
    return rows;
}

class NonDeliveryLoader : public WindowFixture<frmConsignWiseGridQuery> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        openMonth(kMonth);
        execute(kMonth, "INSERT INTO CityMaster VALUES ('NFD','Northfield'),('OHR','O''Hara')");
        execute(kMonth, "INSERT INTO Run_ReasonMaster VALUES ('DL','Door locked'),('CD','Consignee''s door locked'),"
                        "('D''L','Door latched')");
        execute("ZELAdminConfig", "INSERT INTO LoginMaster (UserName, Password, BranchCode, Category) VALUES "
                                  "('RAVI', 'x', 'ANN', 'Counter')");
    }

    // One register entry; `extra` holds further "Column=SQL value" pairs.
    void entry(qint64 reference, qint64 number, const QString& date, const QString& status,
               const QStringList& extra = {}, const QString& destination = "'Northfield'")
    {
        const QStringList pairs{"ReferenceNo=" + QString::number(reference), "NDDate='" + date + "'",
                                "Status='" + status + "'", "ConsignNo=" + QString::number(number),
                                "BookingDate='2026-06-01'", "BranchCode='ZEL'", "Destination=" + destination,
                                "FromAddr1='Sender'", "ToAddr1='Main St'", "ReasonCode='DL'"};
        execute(kMonth, testsupport::insertOf("tab_NonDelivery", pairs + extra));
    }

    static void load(const QString& origin, const QString& number)
    {
        window().cboOrigin->setEditable(true);
        window().cboOrigin->setEditText(origin);
        window().txtConsignMentNo->setText(number);
        ui::guarded([] { window().LoadNonDeliveryDetails(); });
    }
    static QStringList loadRows(const QString& origin, const QString& number)
    {
        load(origin, number);
        QStringList rows = rowsOf(window().msgDeliveryDetails);
        rows.sort(); // the statement has no order
        return rows;
    }
};

TEST_F(NonDeliveryLoader, LooksUpTheCityThenSelectsByItsNameAndEachEntrysReason)
{
    using namespace consignment;
    entry(1, 123, "2026-06-07", "Remainder", {"ReasonCode='CD'"});
    entry(2, 88, "2026-06-07", "Remainder", {"ReasonCode='D''L'"});
    struct Case {
        QString origin, number;
        QStringList statements;
    };
    const Case cases[] = {
        {" NFD ", "000123",
         {"Select * from CityMaster where CityCode='NFD'", nonDeliveryHistoryStatement("123", "Northfield"),
          reasonNameStatement("CD")}},
        {"NFD", "88",
         {"Select * from CityMaster where CityCode='NFD'", nonDeliveryHistoryStatement("88", "Northfield"),
          reasonNameStatement("D'L")}},
        {"OHR", "77", {"Select * from CityMaster where CityCode='OHR'", nonDeliveryHistoryStatement("77", "O'Hara")}},
        {"O'X", "5", {"Select * from CityMaster where CityCode='O''X'", nonDeliveryHistoryStatement("5", "")}},
        {"", "5", {"Select * from CityMaster where CityCode=''", nonDeliveryHistoryStatement("5", "")}},
    };
    for (const Case& c : cases) {
        db::StatementCapture capture;
        load(c.origin, c.number);
        EXPECT_EQ(capture.statements(), c.statements) << c.origin.toStdString() << " " << c.number.toStdString();
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(NonDeliveryLoader, SerialsCountAllEntriesOfTheSameDateAndStatus)
{
    for (int reference = 1; reference <= 8; ++reference)
        entry(reference * 10, reference == 3 || reference == 7 ? 500 : 600 + reference, "2026-06-07", "Remainder");
    entry(35, 700, "2026-06-07", "Misroute");  // another action type between them
    entry(5, 701, "2026-06-06", "Remainder");  // another date before them
    entry(90, 500, "2026-06-07", "Remainder", {}, "'Elsewhere'"); // the consignment at another city

    const QStringList rows = loadRows("NFD", "500");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].section('|', 0, 0), "3");
    EXPECT_EQ(rows[1].section('|', 0, 0), "7");
}

TEST_F(NonDeliveryLoader, ActionTypeReasonRemarksAddressAndBranchCells)
{
    struct Case {
        const char* what;
        QString status;
        QStringList extra;
        QString row;
    };
    const Case cases[] = {
        {"remainder with its number", "Remainder", {"RemainderNo=2", "Remarks1='Call again'"},
         "1|07-Jun-2026|Remainder Remainder No. 2|Door locked  Call again|Main St,,||"},
        {"remainder without a number", "Remainder", {}, "1|07-Jun-2026|Remainder |Door locked  |Main St,,||"},
        {"remainder in lower case", "remainder", {"RemainderNo=3"}, "1|07-Jun-2026|remainder|Door locked  |Main St,,||"},
        {"misroute", "Misroute", {"FDestination='Northfield'", "Remarks1='Moved'"},
         "1|07-Jun-2026|Misroute|Door locked F-Destination To Northfield Moved|Main St,,||"},
        {"misroute without a destination", "Misroute", {"Remarks1='Moved'"},
         "1|07-Jun-2026|Misroute|Door locked  Moved|Main St,,||"},
        {"forwarding of another type", "Return", {"FDestination='Northfield'"},
         "1|07-Jun-2026|Return|Door locked  |Main St,,||"},
        {"reason missing from the master", "Return", {"ReasonCode='ZZ'", "Remarks1='Moved'"},
         "1|07-Jun-2026|Return|  Moved|Main St,,||"},
        {"reason name with an apostrophe", "Return", {"ReasonCode='CD'"},
         "1|07-Jun-2026|Return|Consignee's door locked  |Main St,,||"},
        {"three address lines, known user", "Return",
         {"ToAddr1='1 Bay Rd'", "ToAddr2='Dock 4'", "ToAddr3='Northfield'", "CreateDate='2026-06-07 17:20:00'",
          "CreateUser='RAVI'"},
         "1|07-Jun-2026|Return|Door locked  |1 Bay Rd,Dock 4,Northfield|2026-06-07 17:20:00|ANN"},
        {"user without a login row", "Return", {"CreateUser='GHOST'"}, "1|07-Jun-2026|Return|Door locked  |Main St,,||"},
    };
    qint64 number = 200;
    for (const Case& c : cases) {
        execute(kMonth, "DELETE FROM tab_NonDelivery"); // each case the only entry of its date and type
        entry(number, number, "2026-06-07", c.status, c.extra);
        EXPECT_EQ(loadRows("NFD", QString::number(number)), QStringList{c.row}) << c.what;
        ++number;
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(NonDeliveryLoader, EachEntryHasItsOwnReasonAndForwarding)
{
    entry(1, 300, "2026-06-07", "Misroute", {"FDestination='Northfield'", "Remarks1='Moved'"});
    entry(2, 300, "2026-06-08", "Return", {"ReasonCode='ZZ'"});
    EXPECT_EQ(loadRows("NFD", "300"), (QStringList{"1|07-Jun-2026|Misroute|Door locked F-Destination To Northfield Moved|Main St,,||",
                                                   "1|08-Jun-2026|Return|  |Main St,,||"}));
}

TEST_F(NonDeliveryLoader, NoEntryLeavesTheGridAsTheCallerLeftIt)
{
    entry(1, 400, "2026-06-07", "Remainder", {}, "'O''Hara'");
    window().FormatDeliveryGrid();
    window().msgDeliveryDetails->setTextMatrix(1, 2, "kept");
    load("NFD", "400"); // the entry stands at another city
    EXPECT_EQ(window().msgDeliveryDetails->rows(), 2);
    EXPECT_EQ(window().msgDeliveryDetails->textMatrix(1, 2), "kept");

    EXPECT_EQ(loadRows("OHR", "400"), QStringList{"1|07-Jun-2026|Remainder |Door locked  |Main St,,||"});
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

} // namespace
