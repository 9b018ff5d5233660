// The query-log report by type as the clerk uses it: the date range's origins on Enter, Show with
// the layout of the chosen type filled from the administration's query log, seeded or written by
// the POD query window itself, and the export read back from the workbook.

#include "../podquery/PodQueryFixture.h"

#include "support/GridText.h"
#include "support/RowInsert.h"
#include "support/WindowFixture.h"
#include "support/WorkbookReader.h"

#include "reports/frmQryRpt.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QPushButton>
#include <QTest>

using testsupport::itemsOf;
using testsupport::rowsOf;
using testsupport::rowTexts;

namespace {

const QString kAdmin = QStringLiteral("ZELAdminConfig");

reports::frmQryRpt& report() { return ui::DefaultInstance<reports::frmQryRpt>::get(); }

void chooseType(const QString& type) { report().cboQryType->setCurrentIndex(report().cboQryType->findText(type)); }

void chooseRange(const QDate& from, const QDate& to)
{
    report().dtpFromDate->setValue(from);
    report().dtpToDate->setValue(to);
}

// Enter in the To date: the range's origins.
void enterToDate() { QTest::keyClick(report().dtpToDate, Qt::Key_Return); }

void show() { report().cmdShow->click(); }

QStringList shownPrompts()
{
    QStringList prompts;
    for (const ui::ShownMessage& message : ui::MessageBoxSeam::shown())
        prompts << message.prompt;
    return prompts;
}

QString statementFor(const QString& range, const QString& filters)
{
    return "Select * From ZELADMINCONFIG..tbl_Qry_Details Where QueryDate>=" + range + filters
           + " Order By Consignmentno,Runsheetdate";
}

class QueryLogReport : public testsupport::WindowFixture<reports::frmQryRpt> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 12, 6));
        openMonth("ZELDEC26");
        ui::WindowHost::showModal(&window());
    }

    // One log record, every column filled as its writer fills it; "Column=SQL value" pairs replace
    // columns.
    void logRow(const QString& type, const QString& date, const QString& origin, qint64 number,
                const QStringList& changes = {})
    {
        const bool outgoing = type == "OUTGOING";
        QStringList pairs{"QueryDate='" + date + "'", "QueryType='" + type + "'", "Origin=" + origin,
                          "ConsignmentNo=" + QString::number(number), "DBName='ZELDEC26'",
                          "RunsheetDate='2026-12-04'", "RunsheetNo=31", "ReasonCode='DL'",
                          "Reason_Desc='Door locked'", outgoing ? "DRSNo=NULL" : "DRSNo=912",
                          "BranchName='Velmora Main'", "System_Name='COUNTER-3'", "Create_User='meera'",
                          "Create_Date='" + date + " 10:15:00'"};
        if (outgoing)
            pairs << QStringList{"BookingDate='2026-11-30'", "CityCode='DUN'", "Destination='DUNMERE'",
                                 "Region='South'", "BookingMode='Cash'", "TransactionMode='Paid'",
                                 "PartyCode='P-17'", "Weight=2.5", "MF_Destination='DUN'"};
        execute(kAdmin, testsupport::insertOf("tbl_Qry_Details", pairs + changes));
    }

    QString exported(const QString& name) const { return root() + "/ConvertedExcelFile/" + name + ".xlsx"; }
};

TEST_F(QueryLogReport, OpensOnTheServersDayWithTheTwoTypesAndNothingChosen)
{
    EXPECT_EQ(report().dtpFromDate->value().date(), QDate(2026, 12, 6));
    EXPECT_EQ(report().dtpToDate->value().date(), QDate(2026, 12, 6));
    EXPECT_EQ(report().dtpFromDate->text(), "06-Dec-2026");
    EXPECT_EQ(itemsOf(report().cboQryType), QStringList({"INCOMING", "OUTGOING"}));
    EXPECT_EQ(report().cboQryType->currentText(), "");
    EXPECT_EQ(report().cboOrigin->count(), 0);
    EXPECT_EQ(report().focusWidget(), report().dtpFromDate);
    EXPECT_EQ(report().windowTitle(), "Query Report");
}

TEST_F(QueryLogReport, EnterAndEscMoveTheFocusAlongTheWindow)
{
    chooseType("INCOMING");
    const struct {
        QWidget* control;
        Qt::Key key;
        QWidget* focus;
    } cases[] = {
        {report().dtpFromDate, Qt::Key_Return, report().dtpToDate},
        {report().cboOrigin, Qt::Key_Return, report().cboQryType},
        {report().cboQryType, Qt::Key_Return, report().cmdShow},
        {report().dtpFromDate, Qt::Key_Escape, report().cmdExit},
        {report().dtpToDate, Qt::Key_Escape, report().cmdExit},
        {report().cboOrigin, Qt::Key_Escape, report().cmdExit},
        {report().cboQryType, Qt::Key_Escape, report().cmdExit},
    };
    for (const auto& c : cases) {
        c.control->setFocus();
        QTest::keyClick(c.control, c.key);
        EXPECT_EQ(report().focusWidget(), c.focus) << c.control->objectName().toStdString() << " " << c.key;
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_TRUE(ui::DefaultInstance<reports::frmQryRpt>::loaded()) << "Esc only moves to Exit";
    QTest::keyClick(report().cmdExit, Qt::Key_Return);
    EXPECT_FALSE(ui::DefaultInstance<reports::frmQryRpt>::loaded());
}

TEST_F(QueryLogReport, EnterInTheToDateListsTheRangesOriginsOrRefusesTheRange)
{
    logRow("INCOMING", "2026-12-01", "'MAA'", 5001);
    logRow("OUTGOING", "2026-12-05", "'DUN'", 5002);
    logRow("OUTGOING", "2026-12-06", "'ABC'", 5003);
    logRow("INCOMING", "2026-12-06", "'ABC'", 5004);
    logRow("INCOMING", "2026-12-06", "NULL", 5005); // an origin the log left out
    const struct {
        QDate from, to;
        QStringList origins;
        QStringList messages;
        QWidget* focus;
    } cases[] = {
        {QDate(2026, 12, 1), QDate(2026, 12, 6), {"ABC", "DUN", "MAA"}, {}, report().cboOrigin},
        {QDate(2026, 12, 6), QDate(2026, 12, 6), {"ABC"}, {}, report().cboOrigin},
        // the list of the last accepted range stays
        {QDate(2026, 12, 7), QDate(2026, 12, 6), {"ABC"}, {"Select Correct To Date"}, report().dtpToDate},
        {QDate(2026, 12, 2), QDate(2026, 12, 4), {}, {"There is No Origin"}, report().dtpToDate},
    };
    for (const auto& c : cases) {
        ui::MessageBoxSeam::clearShown();
        chooseRange(c.from, c.to);
        report().dtpToDate->setFocus();
        enterToDate();
        EXPECT_EQ(itemsOf(report().cboOrigin), c.origins) << c.from.toString().toStdString();
        EXPECT_EQ(report().cboOrigin->currentText(), "");
        EXPECT_EQ(shownPrompts(), c.messages);
        EXPECT_EQ(report().focusWidget(), c.focus);
    }
}

TEST_F(QueryLogReport, ShowWithoutATypeAsksForOneAndLeavesTheGrid)
{
    logRow("INCOMING", "2026-12-06", "'ABC'", 5001);
    chooseType("INCOMING");
    show();
    const QStringList shown = rowsOf(report().msgGrid);
    report().cboQryType->setCurrentIndex(-1);
    for (int step = 0; step < 2; ++step) {
        if (step == 0)
            show();
        else
            QTest::keyClick(report().cboQryType, Qt::Key_Return);
        EXPECT_EQ(shownPrompts(), QStringList{"Select Query Type"});
        EXPECT_EQ(ui::MessageBoxSeam::shown().value(0).title, QCoreApplication::applicationName());
        EXPECT_EQ(report().focusWidget(), report().cboQryType);
        ui::MessageBoxSeam::clearShown();
    }
    EXPECT_EQ(rowsOf(report().msgGrid), shown);
    EXPECT_EQ(report().cursor().shape(), Qt::ArrowCursor) << "the normal pointer is back";
}

TEST_F(QueryLogReport, OutgoingRecordsFillTheTwentyTwoColumnsWithTheManifestAndBookingValues)
{
    logRow("OUTGOING", "2026-12-01", "'ABC'", 5002, {"BookingDate=NULL", "Weight=NULL", "DRSNo=77"});
    // written without a manifest: no manifest date, number or destination (a Null date sorts first)
    logRow("OUTGOING", "2026-12-06", "'ABC'", 5001,
           {"RunsheetDate=NULL", "RunsheetNo=NULL", "MF_Destination=NULL", "ReasonCode='N'"});
    logRow("OUTGOING", "2026-12-03", "'ABC'", 5001, {"RunsheetDate='2026-12-02'", "RunsheetNo=30"});
    logRow("OUTGOING", "2026-12-03", "'DUN'", 5000);   // another origin
    logRow("INCOMING", "2026-12-03", "'ABC'", 4999);   // another type
    logRow("OUTGOING", "2026-11-30", "'ABC'", 4998);   // before the range
    chooseRange(QDate(2026, 12, 1), QDate(2026, 12, 6));
    enterToDate();
    report().cboOrigin->setCurrentIndex(report().cboOrigin->findText("ABC"));
    chooseType("OUTGOING");

    db::StatementCapture capture;
    show();
    EXPECT_EQ(capture.statements(),
              QStringList{statementFor("'2026-12-01' And QueryDate<='2026-12-06'",
                                       " And Origin='ABC' And QueryType='OUTGOING'")});
    EXPECT_EQ(report().mSql, capture.statements().value(0));

    const ui::FlexGrid* grid = report().msgGrid;
    ASSERT_EQ(grid->cols(), 22);
    EXPECT_EQ(rowTexts(grid, 0),
              QStringList({"Qry Date", "Origin", "Consign No", "MF Date", "MF Destn", "MF No.", "Reason",
                           "Reason Desc", "", "Branch", "Booking Date", "City Code", "Destination", "Region",
                           "Booking Mode", "Transaction Mode", "Party Code", "Weight", "Machine Id", "Create User",
                           "Create Date", "DB Month"}));
    const int widths[] = {1300, 1000, 1700, 1300, 1600, 1700, 1400, 3400, 0,    1600, 1600,
                          1600, 1600, 1600, 1600, 1600, 1600, 1600, 1600, 1600, 2300, 1600};
    for (int c = 0; c < 22; ++c) {
        EXPECT_EQ(grid->colWidth(c), c == 9 ? 2400 : widths[c]) << c;
        EXPECT_EQ(grid->colAlignment(c) == ui::flexAlignRightBottom, c == 3 || c == 5) << c;
    }
    EXPECT_EQ(rowsOf(grid),
              QStringList({"06-Dec-2026|ABC|5001||||N|Door locked||Velmora Main|30-Nov-26|DUN|DUNMERE|South|"
                           "Cash|Paid|P-17|2.500|COUNTER-3|meera|2026-12-06 10:15:00|ZELDEC26",
                           "03-Dec-2026|ABC|5001|02-Dec-2026|DUN|30|DL|Door locked||Velmora Main|30-Nov-26|DUN|"
                           "DUNMERE|South|Cash|Paid|P-17|2.500|COUNTER-3|meera|2026-12-03 10:15:00|ZELDEC26",
                           "01-Dec-2026|ABC|5002|04-Dec-2026|DUN|31|DL|Door locked|77|Velmora Main||DUN|"
                           "DUNMERE|South|Cash|Paid|P-17|0.000|COUNTER-3|meera|2026-12-01 10:15:00|ZELDEC26",
                           QString(21, '|')}));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(report().focusWidget(), report().msgGrid);
    EXPECT_EQ(report().cursor().shape(), Qt::ArrowCursor);
}

TEST_F(QueryLogReport, IncomingRecordsReplaceTheOutgoingLayoutWithThirteenColumns)
{
    logRow("INCOMING", "2026-12-06", "NULL", 5001, {"RunsheetNo=NULL", "BranchName=NULL"});
    logRow("INCOMING", "2026-12-05", "'MAA'", 5000);
    logRow("OUTGOING", "2026-12-05", "'MAA'", 4000);
    chooseRange(QDate(2026, 12, 5), QDate(2026, 12, 6));
    chooseType("OUTGOING");
    show();
    ASSERT_EQ(report().msgGrid->cols(), 22);

    chooseType("INCOMING");
    db::StatementCapture capture;
    show();
    EXPECT_EQ(capture.statements(),
              QStringList{statementFor("'2026-12-05' And QueryDate<='2026-12-06'", " And QueryType='INCOMING'")});
    const ui::FlexGrid* grid = report().msgGrid;
    ASSERT_EQ(grid->cols(), 13);
    EXPECT_EQ(rowTexts(grid, 0), QStringList({"Qry Date", "Origin", "Consign No", "RS Date", "RS No.", "Reason",
                                              "Reason Desc", "DRS No.", "Branch", "Machine Id", "Create User",
                                              "Create Date", "DB Name"}));
    const int widths[] = {1300, 1000, 1700, 1300, 1300, 1400, 3400, 1400, 2400, 1600, 1600, 2300, 1700};
    for (int c = 0; c < 13; ++c) {
        EXPECT_EQ(grid->colWidth(c), widths[c]) << c;
        EXPECT_EQ(grid->colAlignment(c) == ui::flexAlignRightBottom, c == 3 || c == 4) << c;
    }
    EXPECT_EQ(rowsOf(grid),
              QStringList({"05-Dec-2026|MAA|5000|04-Dec-2026|31|DL|Door locked|912|Velmora Main|COUNTER-3|meera|"
                           "2026-12-05 10:15:00|ZELDEC26",
                           "06-Dec-2026||5001|04-Dec-2026||DL|Door locked|912||COUNTER-3|meera|"
                           "2026-12-06 10:15:00|ZELDEC26",
                           QString(12, '|')}));
}

TEST_F(QueryLogReport, NoRecordLeavesTheEmptyLayoutAndTheFocusOnShow)
{
    logRow("INCOMING", "2026-12-06", "'ABC'", 5001);
    chooseType("OUTGOING");
    show();
    EXPECT_EQ(shownPrompts(), QStringList{"There is No Consignment Query Details"});
    EXPECT_EQ(ui::MessageBoxSeam::shown().value(0).title, QCoreApplication::applicationName()) << "the program's title";
    EXPECT_EQ(report().msgGrid->rows(), 2);
    EXPECT_EQ(report().msgGrid->cols(), 22);
    EXPECT_EQ(rowsOf(report().msgGrid), QStringList{QString(21, '|')});
    EXPECT_EQ(report().focusWidget(), report().cmdShow);
}

TEST_F(QueryLogReport, AFailedQueryIsReportedAndTheWindowStaysUsable)
{
    logRow("INCOMING", "2026-12-06", "'ABC'", 5001);
    chooseType("INCOMING");
    execute(kAdmin, "ALTER TABLE tbl_Qry_Details RENAME TO tbl_Qry_Details_Away");
    show();
    enterToDate();
    EXPECT_EQ(ui::MessageBoxSeam::shown().size(), 2) << "one failure each, reported";
    EXPECT_EQ(report().cursor().shape(), Qt::ArrowCursor) << "the normal pointer is back";

    execute(kAdmin, "ALTER TABLE tbl_Qry_Details_Away RENAME TO tbl_Qry_Details");
    ui::MessageBoxSeam::clearShown();
    enterToDate();
    show();
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(itemsOf(report().cboOrigin), QStringList{"ABC"});
    EXPECT_EQ(report().msgGrid->rows(), 3);
}

TEST_F(QueryLogReport, TheExportWritesTheGridUnderTheTitlesOfTheChoice)
{
    logRow("OUTGOING", "2026-12-05", "'ABC'", 5001, {"DRSNo=77"});
    chooseRange(QDate(2026, 12, 5), QDate(2026, 12, 6));
    enterToDate();
    chooseType("OUTGOING");
    show();

    const QString name = "Consignment_Qry_Rpt_05Dec_06Dec";
    const struct {
        const char* origin;
        const char* type;
        const char* title;
        const char* subtitle;
    } cases[] = {
        {"ABC", "OUTGOING", "Outgoing Consignment Query Details Report", "Origin :- ABC"},
        {"", "OUTGOING", "Outgoing Consignment Query Details Report", "Query Type :-OUTGOING"},
        {"ABC", "INCOMING", "Incoming Consignment Query Details Report", "Origin :- ABC"},
        {"", "", "Outgoing Consignment Query Details Report", "Query Type :-"},
    };
    for (const auto& c : cases) {
        report().cboOrigin->setCurrentIndex(report().cboOrigin->findText(c.origin));
        chooseType(c.type);
        report().cmdExcel->click();
        const QJsonObject book = testsupport::readWorkbook(exported(name));
        const QJsonObject cells = book["cells"].toObject();
        EXPECT_EQ(book["merges"].toArray(), QJsonArray({"A1:V1", "A2:V2", "A3:V3", "A4:V4"}));
        EXPECT_EQ(cells["A1"]["value"].toString(), "Orvane - Velmora");
        EXPECT_EQ(cells["A2"]["value"].toString(), c.title) << c.origin << c.type;
        EXPECT_EQ(cells["A3"]["value"].toString(), c.subtitle) << c.origin << c.type;
        EXPECT_EQ(cells["A5"]["value"].toString(), "Qry Date");
        EXPECT_EQ(cells["C6"]["type"].toString(), "number");
        EXPECT_EQ(cells["C6"]["value"].toDouble(), 5001);
        EXPECT_EQ(cells["I6"]["value"].toDouble(), 77) << "the hidden column travels along";
        EXPECT_EQ(cells["R6"]["type"].toString(), "number");
        EXPECT_EQ(cells["R6"]["value"].toDouble(), 2.5);
        EXPECT_EQ(cells["V6"]["value"].toString(), "ZELDEC26");
        EXPECT_FALSE(cells.contains("A7")) << "the empty last row";
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(QueryLogReport, AnExportThatWritesNothingSaysSo)
{
    // a file where the export folder belongs
    ASSERT_TRUE(QDir(root() + "/ConvertedExcelFile").removeRecursively());
    QFile blocker(root() + "/ConvertedExcelFile");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    report().cmdExcel->click();
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_TRUE(ui::MessageBoxSeam::shown()[0].prompt.contains("Consignment_Qry_Rpt_06Dec_06Dec.xlsx"));
}

// The POD query window writes the outgoing records that the report then lists.
class QueryLogReportOfPodEnquiries : public podtest::PodQueryFixture {
protected:
    void TearDown() override
    {
        ui::DefaultInstance<reports::frmQryRpt>::unload();
        PodQueryFixture::TearDown();
    }
};

TEST_F(QueryLogReportOfPodEnquiries, ListsTheEnquiriesWithAndWithoutManifest)
{
    booking(5001);
    manifestLine(5001, "881", "'2026-06-06'", "'MAA'", "'DUN'");
    booking(5002, {"DeliveryStatus='N'", "Weight=NULL"});
    type("5002");
    type("5001");

    ui::WindowHost::showModal(&report());
    enterToDate();
    EXPECT_EQ(itemsOf(report().cboOrigin), QStringList({"MAA", "ZEL"}));
    chooseType("OUTGOING");
    show();
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(rowsOf(report().msgGrid),
              QStringList({"17-Jun-2026|MAA|5001|06-Jun-2026|DUN|881|D|DELIVERED||Velmora Main|05-Sep-24|DUN|"
                           "DUNMERE|South|Cash|Paid|P-17|1.500|COUNTER-3|meera|2026-06-17 09:30:05|ZELJUN26",
                           "17-Jun-2026|ZEL|5002||||N|||Velmora Main|05-Sep-24|DUN|DUNMERE|South|Cash|Paid|P-17|"
                           "0.000|COUNTER-3|meera|2026-06-17 09:30:05|ZELJUN26",
                           QString(21, '|')}));
}

} // namespace
