// The workbook export of the report windows: a grid through the clipboard into a workbook of the
// program folder's export folder, under the company title and the caller's two titles.

#include "support/CoreFixture.h"
#include "support/WorkbookReader.h"

#include "core/ExcelExport.h"
#include "platform/excel/Application.h"
#include "platform/flexgrid/FlexGrid.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QProcess>

namespace {

class ExcelExportTest : public testsupport::CoreFixture {
protected:
    void SetUp() override
    {
        CoreFixture::SetUp();
        // a report grid: the heading row, then 9 rows of consignment number, weight and date
        grid.setRows(10);
        grid.setCols(3);
        const QStringList headings = {"Cons No", "Weight", "Booked"};
        for (int c = 0; c < 3; ++c)
            grid.setTextMatrix(0, c, headings[c]);
        for (int r = 1; r < 10; ++r) {
            grid.setTextMatrix(r, 0, QString::number(12345678901230LL + r));
            grid.setTextMatrix(r, 1, QString::number(r) + ".250");
            grid.setTextMatrix(r, 2, QString("0%1-Jun-2026").arg(r));
        }
        grid.setRow(3);
        grid.setCol(1);
    }

    QString exportFolder() const { return root() + "/ConvertedExcelFile"; }
    QString exported(const QString& name) const { return exportFolder() + "/" + name + ".xlsx"; }

    static QJsonObject cellsOf(const QJsonObject& workbook) { return workbook["cells"].toObject(); }
    static QJsonObject cellAt(const QJsonObject& workbook, const QString& at)
    {
        return cellsOf(workbook)[at].toObject();
    }

    // Rows 1 to 4 merged across A:C and centred; the titles in rows 1 to 3, row 4 empty.
    static void expectTitleRows(const QJsonObject& workbook, const QString& title1, const QString& title2)
    {
        EXPECT_EQ(workbook["merges"].toArray(), QJsonArray({"A1:C1", "A2:C2", "A3:C3", "A4:C4"}));
        const QString titles[] = {"Orvane - Velmora", title1, title2, QString()};
        for (int row = 1; row <= 4; ++row) {
            const QJsonObject cell = cellAt(workbook, QString("A%1").arg(row));
            EXPECT_EQ(cell["align"].toString(), "center") << row;
            if (titles[row - 1].isEmpty())
                EXPECT_EQ(cell["type"].toString(), "empty") << row;
            else
                EXPECT_EQ(cell["value"].toString(), titles[row - 1]) << row;
        }
    }

    ui::FlexGrid grid;
};

TEST_F(ExcelExportTest, GridLandsUnderTheTitleRowsWithNumbersAndDatesAsValues)
{
    ASSERT_FALSE(QDir(exportFolder()).exists());
    ASSERT_TRUE(
        core::ExportGridToExcel("Consignment_Qry_Rpt", &grid, "Consignment Query Details Report", "Origin :- DEL"));
    ASSERT_TRUE(QFile::exists(exported("Consignment_Qry_Rpt"))) << "the missing folder is made";

    const QJsonObject book = testsupport::readWorkbook(exported("Consignment_Qry_Rpt"));
    EXPECT_EQ(book["sheets"].toArray(), QJsonArray({"Sheet1"}));
    expectTitleRows(book, "Consignment Query Details Report", "Origin :- DEL");
    EXPECT_EQ(cellAt(book, "A5")["value"].toString(), "Cons No");
    EXPECT_EQ(cellAt(book, "C5")["value"].toString(), "Booked");
    for (int r = 1; r < 10; ++r) {
        const QString row = QString::number(r + 5);
        EXPECT_EQ(cellAt(book, "A" + row)["value"].toDouble(), 12345678901230.0 + r) << r;
        EXPECT_EQ(cellAt(book, "B" + row)["type"].toString(), "number") << r;
        EXPECT_EQ(cellAt(book, "B" + row)["value"].toDouble(), r + 0.25) << r;
        EXPECT_EQ(cellAt(book, "C" + row)["value"].toString(), QString("2026-06-0%1T00:00:00").arg(r)) << r;
    }
    for (const QString& key : cellsOf(book).keys())
        EXPECT_LE(key.mid(1).toInt(), 14) << key.toStdString() << ": nothing below the grid";

    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_FALSE(excel::Application::running()) << "the spreadsheet was told to quit";
}

TEST_F(ExcelExportTest, GridIsLeftWhollySelectedAndItsTextOnTheClipboard)
{
    core::ExportGridToExcel("Sel", &grid, "T1", "T2");
    EXPECT_EQ(grid.row(), 0);
    EXPECT_EQ(grid.col(), 0);
    EXPECT_EQ(grid.rowSel(), 9);
    EXPECT_EQ(grid.colSel(), 2);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), grid.clip());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("Cons No\tWeight\tBooked\r12345678901231\t1.250\t"));
}

TEST_F(ExcelExportTest, EmptyTitlesLeaveTheirRowsEmptyButMergedAndCentred)
{
    ASSERT_TRUE(core::ExportGridToExcel("NoTitles", &grid, QString(), QString()));
    expectTitleRows(testsupport::readWorkbook(exported("NoTitles")), QString(), QString());
}

TEST_F(ExcelExportTest, ExportingAgainUnderTheSameNameRewritesTheFile)
{
    ASSERT_TRUE(core::ExportGridToExcel("Again", &grid, "First", "A"));
    grid.setRows(3);
    grid.setTextMatrix(1, 0, "changed");
    ASSERT_TRUE(core::ExportGridToExcel("Again", &grid, "Second", "B"));

    const QJsonObject book = testsupport::readWorkbook(exported("Again"));
    expectTitleRows(book, "Second", "B");
    EXPECT_EQ(cellAt(book, "A6")["value"].toString(), "changed");
    EXPECT_FALSE(cellsOf(book).contains("A8"));
    EXPECT_EQ(QDir(exportFolder()).entryList(QDir::Files | QDir::Hidden), QStringList{"Again.xlsx"});
}

TEST_F(ExcelExportTest, RunningSpreadsheetIsUsedAndToldToQuit)
{
    const std::shared_ptr<excel::Application> running = excel::Application::start();
    const std::shared_ptr<excel::Workbook> open = running->addWorkbook();
    ASSERT_TRUE(core::ExportGridToExcel("Running", &grid, "T1", "T2"));
    EXPECT_FALSE(running->isRunning());
    EXPECT_FALSE(open->isOpen());
    EXPECT_TRUE(running->visible());
}

TEST_F(ExcelExportTest, UnwritableTargetsFailSilently)
{
    // a file where the folder belongs
    QDir().mkpath(root());
    QFile blocker(exportFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(core::ExportGridToExcel("Report", &grid, "T1", "T2"));
    ASSERT_TRUE(QFile::remove(exportFolder()));

    for (const char* name : {"..\\Report", "sub/Report", ""})
        EXPECT_FALSE(core::ExportGridToExcel(name, &grid, "T1", "T2")) << name;
    EXPECT_TRUE(QDir(exportFolder()).entryList(QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_FALSE(QFile::exists(root() + "/Report.xlsx"));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_FALSE(excel::Application::running());
}

TEST_F(ExcelExportTest, AGridTooTallForTheTitlesIsSavedAsPastedAndReportedUnwritten)
{
    // the title rows would push the grid's last row off the sheet, so their insert is refused
    ui::FlexGrid tall;
    tall.setCols(1);
    tall.setRows(excel::kMaxRows - 3);
    tall.setTextMatrix(0, 0, "Heading");
    tall.setTextMatrix(tall.rows() - 1, 0, "Last");
    EXPECT_FALSE(core::ExportGridToExcel("Tall", &tall, "T1", "T2"));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    EXPECT_FALSE(excel::Application::running());

    // the texts the saved workbook holds: the grid's, without the titles
    QProcess reader;
    reader.start("/usr/bin/python3", {"-c",
                                      "import sys, zipfile\n"
                                      "print(zipfile.ZipFile(sys.argv[1]).read('xl/worksheets/sheet1.xml').decode())",
                                      exported("Tall")});
    ASSERT_TRUE(reader.waitForFinished(60000));
    const QString strings = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_TRUE(strings.contains("<t>Heading</t>") && strings.contains("<t>Last</t>")) << strings.toStdString();
    EXPECT_FALSE(strings.contains("Orvane") || strings.contains("T1")) << strings.toStdString();
}

TEST_F(ExcelExportTest, GridWithoutRowsGivesTheTitlesAlone)
{
    ui::FlexGrid empty;
    empty.setRows(0);
    empty.setCols(2);
    ASSERT_TRUE(core::ExportGridToExcel("Empty", &empty, "T1", "T2"));
    const QJsonObject book = testsupport::readWorkbook(exported("Empty"));
    EXPECT_EQ(book["merges"].toArray(), QJsonArray({"A1:B1", "A2:B2", "A3:B3", "A4:B4"}));
    EXPECT_EQ(cellAt(book, "A2")["value"].toString(), "T1");
    EXPECT_FALSE(cellsOf(book).contains("A5"));
}

TEST_F(ExcelExportTest, PastedTextsBecomeTheSameCellsAsTheSpreadsheetMakesOfThem)
{
    // one case per grid row, in column A; column B is always empty, so every line ends with a tab
    using namespace std::literals;
    struct Case {
        std::string_view text;
        const char* type; // as read back: text, number, date or empty
        QJsonValue value; // null: the text itself
        const char* format;
    } cases[] = {
        {"12", "number", 12, "General"},
        {"-3", "number", -3, "General"},
        {"-0.5", "number", -0.5, "General"},
        {".75", "number", 0.75, "General"},
        {"007", "number", 7, "General"},
        {"0012345678901234", "number", 12345678901234.0, "General"},
        {"1234567890123456", "text", QJsonValue(), "General"},
        {"1,234.50", "text", QJsonValue(), "General"},
        {"-12,345", "text", QJsonValue(), "General"},
        {"1E5", "text", QJsonValue(), "General"},
        {"07-Dec-2026", "date", "2026-12-07T00:00:00", "dd-mmm-yyyy"},
        {"7-dec-26", "date", "2026-12-07T00:00:00", "dd-mmm-yy"},
        {"07/12/26 14:35", "date", "2026-12-07T14:35:00", "dd/mm/yy hh:mm"},
        {"07-12-2026  9:05:30", "date", "2026-12-07T09:05:30", "dd-mm-yyyy hh:mm:ss"},
        {"2026-12-07", "date", "2026-12-07T00:00:00", "yyyy-mm-dd"},
        {"31-11-2026", "text", QJsonValue(), "General"},
        {"07-12/2026", "text", QJsonValue(), "General"},
        {"07-Dec-2026 24:00", "text", QJsonValue(), "General"},
        {"07-Dec-20266", "text", QJsonValue(), "General"},
        {"107-12-2026", "text", QJsonValue(), "General"},
        {"Trader 7, Karol Bagh, New Delhi", "text", QJsonValue(), "General"},
        {"  DEL ", "text", QJsonValue(), "General"},
        {"   ", "text", QJsonValue(), "General"},
        {"<&\"'>", "text", QJsonValue(), "General"},
        {"\"QUOTED\" NAME", "text", QJsonValue(), "General"},
        {"NUL1\0NUL2"sv, "text", QJsonValue(), "General"},
        {"\0NUL"sv, "text", QJsonValue(), "General"},
        {"NUL\0"sv, "text", QJsonValue(), "General"},
        {"a\x01z\x1fz\uFFFEz\uFFFF", "text", QJsonValue(), "General"},
        {"_x0041_ _x00e9__x005F_", "text", QJsonValue(), "General"},
        {"", "empty", QJsonValue(), ""},
    };
    const int count = int(std::size(cases));
    ui::FlexGrid table;
    table.setRows(count + 1);
    table.setCols(2);
    for (int r = 0; r < count; ++r)
        table.setTextMatrix(r, 0, QString::fromUtf8(cases[r].text));
    // a cell ending in a tab stays one cell
    table.setTextMatrix(count, 0, "left\t");
    table.setTextMatrix(count, 1, "42");
    ASSERT_TRUE(core::ExportGridToExcel("Cases", &table, "T1", "T2"));

    const QJsonObject cells = cellsOf(testsupport::readWorkbook(exported("Cases")));
    for (int r = 0; r < count; ++r) {
        const Case& c = cases[r];
        const QString at = QString("A%1").arg(r + 5);
        if (QString(c.type) == "empty") {
            EXPECT_FALSE(cells.contains(at)) << c.text;
            continue;
        }
        const QJsonObject cell = cells[at].toObject();
        EXPECT_EQ(cell["type"].toString(), c.type) << c.text;
        EXPECT_EQ(cell["value"], c.value.isNull() ? QJsonValue(QString::fromUtf8(c.text)) : c.value) << c.text;
        EXPECT_EQ(cell["format"].toString(), c.format) << c.text;
        EXPECT_FALSE(cells.contains(QString("B%1").arg(r + 5))) << c.text;
    }
    const QString last = QString::number(count + 5);
    EXPECT_EQ(cells["A" + last].toObject()["value"].toString(), "left\t");
    EXPECT_EQ(cells["B" + last].toObject()["value"].toDouble(), 42);
    EXPECT_EQ(cells.size(), count - 1 + 2 + 4) << "nothing else but the title cells A1:A4";
}

} // namespace
