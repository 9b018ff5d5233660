// The incoming query-log report: its start, the keys, the date order and the origin list, the
// statement each choice runs, the eleven columns, failed queries, and the workbook export.

#include "support/GridText.h"
#include "support/WindowFixture.h"
#include "support/WorkbookReader.h"

#include "reports/frmQueryReport.h"

#include "platform/db/StatementLog.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using reports::frmQueryReport;
using testsupport::WindowFixture;
using testsupport::itemsOf;
using testsupport::rowsOf;
using testsupport::rowsWithHeadingsOf;

namespace {

const QString kMonth = QStringLiteral("ZELJUN26");
const QDate kServerDay(2026, 6, 17);

class IncomingQueryReport : public WindowFixture<frmQueryReport> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        install(QDate(2026, 6, 15));
        db::ServerClock::setFixed(QDateTime(kServerDay, QTime(9, 30)));
        openMonth(kMonth);
        ui::WindowHost::showModal(&window());
        window().activateWindow(); // focus events reach the controls
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    }

    // One logged enquiry: the query date, number and origin, then the runsheet date and number,
    // reason, description, DRS number, branch, user and creation, all as SQL values.
    void logged(const QString& queryDate, qint64 number, const QString& origin,
                const QString& rest = "'2026-06-15', 100234, 'DC', 'DOOR CLOSED', 500123, 'ZEL', 'ADMIN', "
                                      "'2026-06-16 10:15:30'")
    {
        execute(kMonth, QStringLiteral("INSERT INTO TRACKING..Incoming_Queries_Details (QueryDate, ConsignmentNo, "
                                       "Origin, RunsheetDate, RunsheetNo, ReasonCode, Reason_Desc, DRSNo, "
                                       "BranchName, Create_User, Create_Date) VALUES ('%1', %2, %3, %4)")
                            .arg(queryDate)
                            .arg(number)
                            .arg(origin, rest));
    }

    void range(const QDate& from, const QDate& to)
    {
        window().dtpFromDate->setValue(from);
        window().dtpToDate->setValue(to);
    }
    static void press(QWidget* control, Qt::Key key)
    {
        control->setFocus();
        QTest::keyClick(control, key);
    }
    // Enter in the To date: the range's origins.
    void fillOrigins(const QDate& from, const QDate& to)
    {
        range(from, to);
        press(window().dtpToDate, Qt::Key_Return);
    }
    static void choose(QComboBox* list, const QString& item) { list->setCurrentIndex(list->findText(item)); }
    // The consignment column of the rows below the headings.
    QStringList numbersShown() const
    {
        QStringList numbers;
        for (int row = 1; row < window().msgGrid->rows(); ++row)
            numbers << window().msgGrid->textMatrix(row, 2);
        return numbers;
    }
    QString workbook() const { return root() + "/ConvertedExcelFile/Consignment_Qry_Rpt.xlsx"; }
};

TEST_F(IncomingQueryReport, OpensOnTheServersDayWithTheSortOrdersAndNothingChosen)
{
    frmQueryReport& w = window();
    EXPECT_EQ(w.Label1->text(), "Consignment Query Details Report");
    EXPECT_EQ(w.dtpFromDate->text(), "17-Jun-2026");
    EXPECT_EQ(w.dtpToDate->value().date(), kServerDay);
    EXPECT_EQ(itemsOf(w.cboOrder),
              QStringList({"", "QueryDate,Origin,ConsignmentNo", "RunsheetDate,Origin,ConsignmentNo",
                           "Origin,ConsignmentNo", "ReasonCode", "ReasonCode,Origin,ConsignmentNo",
                           "ReasonCode,RunsheetDate,Origin,ConsignmentNo"}));
    EXPECT_EQ(w.cboOrder->currentIndex(), -1);
    EXPECT_EQ(w.cboOrigin->count(), 0);
    EXPECT_FALSE(w.cboOrigin->isEditable());
    EXPECT_EQ(w.focusWidget(), w.dtpFromDate);
}

TEST_F(IncomingQueryReport, EnterLeadsToShowAndEscToExit)
{
    frmQueryReport& w = window();
    press(w.dtpFromDate, Qt::Key_Return);
    EXPECT_EQ(w.focusWidget(), w.dtpToDate);
    for (QComboBox* list : {w.cboOrigin, w.cboOrder}) {
        w.cmdShow->setEnabled(false);
        press(list, Qt::Key_Return);
        EXPECT_TRUE(w.cmdShow->isEnabled());
        EXPECT_EQ(w.focusWidget(), w.cmdShow) << list->objectName().toStdString();
    }
    for (QWidget* field : std::initializer_list<QWidget*>{w.dtpFromDate, w.dtpToDate, w.cboOrigin, w.cboOrder}) {
        press(field, Qt::Key_Escape);
        EXPECT_EQ(w.focusWidget(), w.cmdExit) << field->objectName().toStdString();
        EXPECT_TRUE(ui::DefaultInstance<frmQueryReport>::loaded());
    }
    w.cmdExit->click();
    EXPECT_FALSE(ui::DefaultInstance<frmQueryReport>::loaded());
}

TEST_F(IncomingQueryReport, OriginsOfTheRangeWithoutNullOrTheRangeRefused)
{
    logged("2026-06-10", 11, "'OKM'");
    logged("2026-06-10", 12, "'BRV'");
    logged("2026-06-10", 13, "'OKM'");
    logged("2026-06-10", 14, "NULL"); // a Null origin is no choice: the empty text means every origin
    logged("2026-06-11", 15, "'AAA'");
    frmQueryReport& w = window();

    db::StatementCapture capture;
    fillOrigins(QDate(2026, 6, 10), QDate(2026, 6, 10)); // equal dates pass
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(capture.statements(),
              QStringList{"Select Distinct Origin From TRACKING..Incoming_Queries_Details WHERE "
                          "QueryDate>='2026-06-10' And QueryDate<='2026-06-10' ORDER BY Origin"});
    EXPECT_EQ(itemsOf(w.cboOrigin), QStringList({"BRV", "OKM"}));
    EXPECT_EQ(w.cboOrigin->currentIndex(), -1);
    EXPECT_EQ(w.focusWidget(), w.cboOrigin);
    EXPECT_EQ(w.mRecordset.state(), db::ObjectState::Closed);

    struct Case {
        QDate from, to;
        const char* message;
        int statements;
    };
    const Case refused[] = {
        {QDate(2026, 6, 11), QDate(2026, 6, 10), "Select Correct To Date", 0}, // the list stays as it was
        {QDate(2026, 6, 1), QDate(2026, 6, 9), "There is No Origin", 1},
    };
    for (const Case& c : refused) {
        ui::MessageBoxSeam::startAnswering();
        capture.clear();
        fillOrigins(c.from, c.to);
        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1) << c.message;
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, c.message);
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, QCoreApplication::applicationName()); // the program's own
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].icon(), ui::vbInformation);
        EXPECT_EQ(capture.statements().size(), c.statements) << c.message;
        EXPECT_EQ(w.focusWidget(), w.dtpToDate) << c.message;
        if (c.statements == 0) {
            EXPECT_EQ(itemsOf(w.cboOrigin), QStringList({"BRV", "OKM"}));
        }
    }
}

TEST_F(IncomingQueryReport, ShowRunsTheChosenOriginAndOrder)
{
    logged("2026-06-12", 30, "'KWD'", "'2026-06-11', 1, 'RD', 'REFUSED', 1, 'ZEL', 'ADMIN', '2026-06-12 10:00:00'");
    logged("2026-06-10", 20, "'O''K'", "'2026-06-09', 2, 'DC', 'DOOR CLOSED', 1, 'ZEL', 'ADMIN', '2026-06-10 10:00:00'");
    logged("2026-06-11", 10, "'KWD'", "'2026-06-10', 3, 'AB', 'ABSENT', 1, 'ZEL', 'ADMIN', '2026-06-11 10:00:00'");
    logged("2026-06-13", 40, "'KWD'"); // after the range
    frmQueryReport& w = window();
    fillOrigins(QDate(2026, 6, 10), QDate(2026, 6, 12));
    ASSERT_EQ(itemsOf(w.cboOrigin), QStringList({"KWD", "O'K"}));

    const QString select = "Select * From TRACKING..Incoming_Queries_Details Where QueryDate>='2026-06-10' And "
                           "QueryDate<='2026-06-12'";
    struct Case {
        const char* origin; // nullptr: none chosen
        const char* order;  // nullptr: none chosen
        QString statement;
        QStringList numbers; // the last row stays empty
    };
    const Case cases[] = {
        {nullptr, nullptr, select + " Order By QueryId", {"30", "20", "10", ""}},
        {nullptr, "", select + " Order By QueryId", {"30", "20", "10", ""}},
        {nullptr, "ReasonCode", select + " Order By ReasonCode", {"10", "20", "30", ""}},
        {"KWD", "QueryDate,Origin,ConsignmentNo", select + " And Origin='KWD' Order By QueryDate,Origin,ConsignmentNo",
         {"10", "30", ""}},
        {"O'K", nullptr, select + " And Origin='O''K' Order By QueryId", {"20", ""}},
    };
    for (const Case& c : cases) {
        w.cboOrigin->setCurrentIndex(c.origin ? w.cboOrigin->findText(c.origin) : -1);
        w.cboOrder->setCurrentIndex(c.order ? w.cboOrder->findText(c.order) : -1);
        db::StatementCapture capture;
        w.cmdShow->click();
        EXPECT_EQ(capture.statements(), QStringList{c.statement});
        EXPECT_EQ(numbersShown(), c.numbers) << c.statement.toStdString();
        EXPECT_EQ(w.focusWidget(), w.msgGrid);
    }
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(IncomingQueryReport, TheElevenColumnsShowNullsAsEmptyCells)
{
    logged("2026-06-17", 12345678901234, "'KWD'");
    logged("2026-06-17", 5002, "NULL", "NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL");
    frmQueryReport& w = window();
    w.cmdShow->click();

    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_EQ(rowsWithHeadingsOf(w.msgGrid),
              QStringList({"Qry Date|Origin|Consign No|RS Date|RS No.|Reason|Reason Desc|DRS No.|Branch|Create User|"
                           "Create Date",
                           "17-Jun-2026|KWD|12345678901234|15-Jun-2026|100234|DC|DOOR CLOSED|500123|ZEL|ADMIN|"
                           "2026-06-16 10:15:30",
                           "17-Jun-2026||5002||||||||", "||||||||||"}));
    const int widths[] = {1300, 1000, 1700, 1300, 1300, 1400, 3400, 1400, 2400, 1600, 2300};
    for (int col = 0; col < int(std::size(widths)); ++col) {
        EXPECT_EQ(w.msgGrid->colWidth(col), widths[col]) << col;
        EXPECT_EQ(w.msgGrid->colAlignment(col), col == 3 || col == 4 ? ui::flexAlignRightBottom : ui::flexAlignGeneral)
            << col;
    }
    EXPECT_EQ(w.msgGrid->fixedRows(), 1);
    EXPECT_EQ(w.msgGrid->fixedCols(), 0);
    EXPECT_EQ(w.mRecordset.state(), db::ObjectState::Closed);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(IncomingQueryReport, NoEnquiryLeavesTheHeadingsAndOneEmptyRow)
{
    logged("2026-06-16", 5001, "'KWD'");
    frmQueryReport& w = window();
    w.cmdShow->click(); // the server's day has none
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "There is No Consignment Query Details");
    EXPECT_EQ(w.msgGrid->rows(), 2);
    EXPECT_EQ(rowsOf(w.msgGrid), QStringList{"||||||||||"});
    EXPECT_EQ(w.msgGrid->textMatrix(0, 0), "Qry Date");
    EXPECT_EQ(w.focusWidget(), w.cmdShow);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(IncomingQueryReport, AFailedQueryIsShownAndTheWindowStaysUsable)
{
    execute(kMonth, "DROP TABLE TRACKING..Incoming_Queries_Details");
    frmQueryReport& w = window();
    w.cmdShow->click();
    EXPECT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(w.mRecordset.state(), db::ObjectState::Closed);

    fillOrigins(kServerDay, kServerDay);
    EXPECT_EQ(ui::MessageBoxSeam::shown().size(), 2);
    EXPECT_EQ(w.focusWidget(), w.dtpToDate);
    EXPECT_EQ(w.mRecordset.state(), db::ObjectState::Closed);
    EXPECT_TRUE(ui::DefaultInstance<frmQueryReport>::loaded());
}

TEST_F(IncomingQueryReport, TheExportWritesTheGridUnderTheTitlesAndTellsWhenItCannot)
{
    logged("2026-06-17", 5001, "'KWD'");
    frmQueryReport& w = window();
    fillOrigins(kServerDay, kServerDay);
    choose(w.cboOrigin, "KWD");
    w.cmdShow->click();
    w.cmdExcel->click();

    QJsonObject book = testsupport::readWorkbook(workbook());
    QJsonObject cells = book["cells"].toObject();
    EXPECT_EQ(book["merges"].toArray(), QJsonArray({"A1:K1", "A2:K2", "A3:K3", "A4:K4"}));
    EXPECT_EQ(cells["A2"].toObject()["value"].toString(), "Consignment Query Details Report");
    EXPECT_EQ(cells["A3"].toObject()["value"].toString(), "Origin :- KWD");
    EXPECT_EQ(cells["A5"].toObject()["value"].toString(), "Qry Date");
    EXPECT_EQ(cells["K5"].toObject()["value"].toString(), "Create Date");
    EXPECT_EQ(cells["C6"].toObject()["type"].toString(), "number");
    EXPECT_EQ(cells["C6"].toObject()["value"].toDouble(), 5001);
    EXPECT_EQ(cells["E6"].toObject()["value"].toDouble(), 100234);
    EXPECT_FALSE(cells.contains("C7")); // the empty last row
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());

    // without an origin the second title is empty; the file name stays the same
    w.cboOrigin->setCurrentIndex(-1);
    w.cmdExcel->click();
    cells = testsupport::readWorkbook(workbook())["cells"].toObject();
    EXPECT_TRUE(cells["A3"].toObject()["value"].isNull());
    EXPECT_EQ(cells["A2"].toObject()["value"].toString(), "Consignment Query Details Report");

    // a workbook that cannot be written is told
    QFile::remove(workbook());
    QDir(root()).rename("ConvertedExcelFile", "Moved");
    QFile blocker(root() + "/ConvertedExcelFile");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    w.cmdExcel->click();
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "The workbook Consignment_Qry_Rpt.xlsx could not be written.");
}

} // namespace
