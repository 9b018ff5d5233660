// The spreadsheet stand-in: how pasted text becomes values, its ranges (insert, merge, alignment),
// the application's instances and workbooks, and the files it writes, read back with a real reader.

#include "support/QtPrinters.h"
#include "support/WorkbookReader.h"

#include "platform/excel/Application.h"
#include "platform/excel/PastedText.h"

#include <QClipboard>
#include <QDateTime>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <clocale>
#include <gtest/gtest.h>

using namespace excel;

namespace {

TEST(PastedTextTest, NumbersDatesAndTextAreReadAsTheSpreadsheetReadsThem)
{
    const QVariant text; // marks "stays the same text"
    struct Case {
        const char* pasted;
        QVariant value; // invalid: the pasted text itself
        const char* format;
    } cases[] = {
        {"12", 12.0, ""},
        {"-0.5", -0.5, ""},
        {".5", 0.5, ""},
        {"5.", 5.0, ""},
        {"007", 7.0, ""},
        {"-0", 0.0, ""},
        {" 42 ", 42.0, ""},
        {"12345678901234", 12345678901234.0, ""},
        {"123456789012345", 123456789012345.0, ""},
        {"12.500000000000000000", 12.5, ""},
        {"0000000000000000001", 1.0, ""},
        {"1234567890123456", text, ""},
        {"0.1234567890123456", text, ""},
        {"1,234.50", text, ""},
        {"1E5", text, ""},
        {"+5", text, ""},
        {"-", text, ""},
        {".", text, ""},
        {"12-34", text, ""},
        {"DEL", text, ""},
        {"  ", text, ""},
        {"07-Jun-2026", QDateTime(QDate(2026, 6, 7), QTime(0, 0), Qt::UTC), "dd-mmm-yyyy"},
        {"7-jun-26", QDateTime(QDate(2026, 6, 7), QTime(0, 0), Qt::UTC), "dd-mmm-yy"},
        {"07-06-2026", QDateTime(QDate(2026, 6, 7), QTime(0, 0), Qt::UTC), "dd-mm-yyyy"},
        {"07/06/2026", QDateTime(QDate(2026, 6, 7), QTime(0, 0), Qt::UTC), "dd/mm/yyyy"},
        {"07-06-29", QDateTime(QDate(2029, 6, 7), QTime(0, 0), Qt::UTC), "dd-mm-yy"},
        {"07-06-30", QDateTime(QDate(1930, 6, 7), QTime(0, 0), Qt::UTC), "dd-mm-yy"},
        {"2026-06-07", QDateTime(QDate(2026, 6, 7), QTime(0, 0), Qt::UTC), "yyyy-mm-dd"},
        {"2026-06-07 14:35:09", QDateTime(QDate(2026, 6, 7), QTime(14, 35, 9), Qt::UTC), "yyyy-mm-dd hh:mm:ss"},
        {"07-Jun-2026 9:05", QDateTime(QDate(2026, 6, 7), QTime(9, 5), Qt::UTC), "dd-mmm-yyyy hh:mm"},
        {"31-02-2026", text, ""},
        {"07-13-2026", text, ""},
        {"07-06/2026", text, ""},
        {"01-01-1899", text, ""},
        {"07-Jnx-2026", text, ""},
        {"07-Jun-2026 25:00", text, ""},
        {"07-Jun-2026 Sunday", text, ""},
        {"14:35", text, ""},
    };
    for (const Case& c : cases) {
        const PastedValue pasted = convertPastedText(QString::fromUtf8(c.pasted));
        const QVariant expected = c.value.isValid() ? c.value : QVariant(QString::fromUtf8(c.pasted));
        EXPECT_EQ(pasted.value.typeId(), expected.typeId()) << c.pasted;
        EXPECT_EQ(pasted.value, expected) << c.pasted;
        EXPECT_EQ(pasted.numberFormat, QString::fromUtf8(c.format)) << c.pasted;
    }
    EXPECT_FALSE(convertPastedText(QString()).value.isValid());
}

// The rows of pasted text, each a list of its cells, as PastedCells reads them.
QList<QStringList> splitPastedText(const QString& text)
{
    QList<QStringList> rows;
    for (PastedCells cells(text); cells.next();) {
        if (cells.column() == 0)
            rows.emplace_back();
        rows.back() << cells.text().toString();
    }
    return rows;
}

TEST(PastedTextTest, RowsEndAtAnyLineBreakAndCellsAtTabs)
{
    using Rows = QList<QStringList>;
    EXPECT_EQ(splitPastedText("a\tb\r\nc\td\r\n"), (Rows{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(splitPastedText("a\rb\nc"), (Rows{{"a"}, {"b"}, {"c"}}));
    EXPECT_EQ(splitPastedText("a\t\tb\r"), (Rows{{"a", "", "b"}}));
    EXPECT_EQ(splitPastedText("\r\nx"), (Rows{{""}, {"x"}}));
    EXPECT_EQ(splitPastedText("\"a\tb\"c\td"), (Rows{{"a\tbc", "d"}}));
    EXPECT_EQ(splitPastedText("\"a\"\"b\""), (Rows{{"a\"b"}}));
    EXPECT_EQ(splitPastedText("\"a\tb\rc"), (Rows{{"\"a", "b"}, {"c"}}));
    EXPECT_TRUE(splitPastedText(QString()).isEmpty());
}

// The QApplication (and so the clipboard) comes from the widget tests' main.
class WorksheetTest : public ::testing::Test {
protected:
    static QVariant valueAt(const Worksheet& sheet, int row, int column)
    {
        const Cell* cell = sheet.cell(row, column);
        return cell ? cell->value : QVariant();
    }

    Worksheet sheet{QStringLiteral("Sheet1")};
};

TEST_F(WorksheetTest, AddressesAreReadLikeTheSpreadsheetsAndOutsideOnesRefused)
{
    EXPECT_EQ(sheet.range("A1").area(), (Area{1, 1, 1, 1}));
    EXPECT_EQ(sheet.range("c3:a1").area(), (Area{1, 1, 3, 3}));
    EXPECT_EQ(sheet.range("AA10").area(), (Area{10, 27, 10, 27}));
    EXPECT_EQ(sheet.range("XFD1048576").area(), (Area{kMaxRows, kMaxColumns, kMaxRows, kMaxColumns}));
    EXPECT_EQ(sheet.rows("1:4").area(), (Area{1, 1, 4, kMaxColumns}));
    EXPECT_EQ(sheet.rows("7").area(), (Area{7, 1, 7, kMaxColumns}));
    EXPECT_EQ(sheet.range(sheet.cells(2, 3), sheet.cells(2, 1)).area(), (Area{2, 1, 2, 3}));
    for (const char* bad : {"1A", "A0", "XFE1", "A1048577", "A1:B2:C3", ""})
        EXPECT_THROW(sheet.range(bad), AutomationError) << bad;
    EXPECT_THROW(sheet.rows("0:4"), AutomationError);
    EXPECT_THROW(sheet.rows("x"), AutomationError);
    EXPECT_THROW(sheet.cells(1, 0), AutomationError);
}

TEST_F(WorksheetTest, PasteConvertsTheClipboardsTextAtTheSelectionAndSelectsIt)
{
    sheet.cells(3, 3).setValue("old");
    QGuiApplication::clipboard()->setText("Cons No\tWeight\tDate\r12345678901234\t1.250\t07-Jun-2026\r007\t\tDEL");
    sheet.range("B2").select();
    ASSERT_TRUE(sheet.paste());

    EXPECT_EQ(sheet.selection(), (Area{2, 2, 4, 4}));
    EXPECT_EQ(valueAt(sheet, 2, 2), QVariant("Cons No"));
    EXPECT_EQ(valueAt(sheet, 3, 2), QVariant(12345678901234.0));
    EXPECT_EQ(valueAt(sheet, 3, 3), QVariant(1.25));
    EXPECT_EQ(valueAt(sheet, 3, 4), QVariant(QDateTime(QDate(2026, 6, 7), QTime(0, 0), Qt::UTC)));
    EXPECT_EQ(sheet.cell(3, 4)->numberFormat, "dd-mmm-yyyy");
    EXPECT_EQ(valueAt(sheet, 4, 2), QVariant(7.0));
    EXPECT_FALSE(valueAt(sheet, 4, 3).isValid()) << "an empty pasted cell clears the cell";
    EXPECT_EQ(valueAt(sheet, 4, 4), QVariant("DEL"));
    EXPECT_FALSE(sheet.cell(1, 1));

    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(sheet.paste());
    EXPECT_EQ(sheet.selection(), (Area{2, 2, 4, 4}));
}

TEST_F(WorksheetTest, InsertedRowsMoveCellsAndMergedAreasDown)
{
    sheet.cells(1, 1).setValue("a1");
    sheet.cells(3, 2).setValue("b3");
    sheet.range("A5:C5").merge();
    sheet.range("D1:D3").merge();
    sheet.rows("2:3").insert();

    EXPECT_EQ(valueAt(sheet, 1, 1), QVariant("a1"));
    EXPECT_EQ(valueAt(sheet, 5, 2), QVariant("b3"));
    EXPECT_FALSE(sheet.cell(3, 2));
    EXPECT_EQ(sheet.mergedAreas(), (std::vector<Area>{{7, 1, 7, 3}, {1, 4, 5, 4}})) << "one moves, one spanning grows";

    // cells of the range's columns only, and never half a merged area
    sheet.cells(2, 5).setValue("e2");
    sheet.range("E2:F2").insert();
    EXPECT_EQ(valueAt(sheet, 3, 5), QVariant("e2"));
    EXPECT_EQ(valueAt(sheet, 5, 2), QVariant("b3"));
    EXPECT_THROW(sheet.range("B1").insert(), AutomationError);
    EXPECT_EQ(valueAt(sheet, 5, 2), QVariant("b3"));

    Worksheet full("Full");
    full.cells(kMaxRows - 1, 1).setValue("last");
    EXPECT_THROW(full.rows("1:2").insert(), AutomationError);
    EXPECT_EQ(valueAt(full, kMaxRows - 1, 1), QVariant("last"));
}

TEST_F(WorksheetTest, MergingKeepsTheUpperLeftValueAndJoinsOverlappingAreas)
{
    sheet.cells(1, 1).setValue("kept");
    sheet.cells(1, 2).setValue("dropped");
    sheet.cells(2, 1).setValue("outside");
    sheet.range("A1:B1").merge();
    EXPECT_EQ(valueAt(sheet, 1, 1), QVariant("kept"));
    EXPECT_FALSE(valueAt(sheet, 1, 2).isValid());
    EXPECT_EQ(valueAt(sheet, 2, 1), QVariant("outside"));

    sheet.range("B1:C1").merge();
    sheet.range("E1:F1").merge();
    EXPECT_EQ(sheet.mergedAreas(), (std::vector<Area>{{1, 1, 1, 3}, {1, 5, 1, 6}}));
    sheet.range("G4").merge();
    EXPECT_EQ(sheet.mergedAreas().size(), 2u) << "a single cell is not merged";
}

TEST(ApplicationTest, InstancesRunUntilTheyQuitAndQuitClosesTheirWorkbooks)
{
    EXPECT_FALSE(Application::running());
    const std::shared_ptr<Application> first = Application::start();
    EXPECT_EQ(Application::running(), first);
    const std::shared_ptr<Application> second = Application::start();
    EXPECT_EQ(Application::running(), first) << "the first one started stays the running one";

    const std::shared_ptr<Workbook> a = first->addWorkbook();
    const std::shared_ptr<Workbook> b = first->addWorkbook();
    EXPECT_EQ(first->activeWorkbook(), b);
    ASSERT_TRUE(b->worksheet("sheet1"));
    EXPECT_EQ(&b->activeSheet(), b->worksheet("Sheet1"));
    EXPECT_FALSE(b->worksheet("Sheet2"));
    b->close();
    EXPECT_FALSE(b->isOpen());
    EXPECT_EQ(first->activeWorkbook(), a);

    first->quit();
    EXPECT_FALSE(first->isRunning());
    EXPECT_FALSE(a->isOpen());
    EXPECT_TRUE(first->workbooks().empty());
    EXPECT_FALSE(Application::running());
    second->quit();
}

class WorkbookFileTest : public ::testing::Test {
protected:
    void SetUp() override { app = Application::start(); }
    void TearDown() override { app->quit(); }

    QTemporaryDir dir;
    std::shared_ptr<Application> app;
};

TEST_F(WorkbookFileTest, SavedWorkbookHoldsValuesFormatsMergesAndAlignment)
{
    const std::shared_ptr<Workbook> book = app->addWorkbook();
    Worksheet& sheet = book->activeSheet();
    QGuiApplication::clipboard()->setText(
        "Cons No\tWeight\tBooked\r\n12345678901234\t1.250\t07-06-2026\r\n-3\tx\t2026-06-07 14:35:09");
    sheet.range("A2").select();
    sheet.paste();
    sheet.range("A1:C1").merge();
    sheet.range("A1:C1").setHorizontalAlignment(HorizontalAlignment::Center);
    sheet.cells(1, 1).setValue("Title 7");
    sheet.cells(5, 1).setValue(QDate(2026, 6, 8));

    const QString path = dir.filePath("book.xlsx");
    ASSERT_TRUE(book->saveAs(path));
    EXPECT_EQ(book->fullName(), path);

    const QJsonObject read = testsupport::readWorkbook(path);
    EXPECT_EQ(read["sheets"].toArray(), QJsonArray({"Sheet1"}));
    EXPECT_EQ(read["merges"].toArray(), QJsonArray({"A1:C1"}));
    const QJsonObject cells = read["cells"].toObject();
    const auto check = [&](const char* at, const char* type, const QJsonValue& value) {
        const QJsonObject cell = cells[at].toObject();
        EXPECT_EQ(cell["type"].toString(), type) << at;
        EXPECT_EQ(cell["value"], value) << at;
    };
    check("A1", "text", "Title 7");
    EXPECT_EQ(cells["A1"].toObject()["align"].toString(), "center");
    check("A2", "text", "Cons No");
    check("A3", "number", 12345678901234.0);
    check("B3", "number", 1.25);
    check("C3", "date", "2026-06-07T00:00:00");
    EXPECT_EQ(cells["C3"].toObject()["format"].toString(), "dd-mm-yyyy");
    check("A4", "number", -3);
    check("B4", "text", "x");
    check("C4", "date", "2026-06-07T14:35:09");
    check("A5", "date", "2026-06-08T00:00:00");
}

TEST_F(WorkbookFileTest, AreaMergedOverSeveralRowsKeepsTheCellsBesideAndBelowIt)
{
    const std::shared_ptr<Workbook> book = app->addWorkbook();
    Worksheet& sheet = book->activeSheet();
    for (const char* at : {"A1", "B1", "C1", "A2", "B2", "C2", "B3", "A4"})
        sheet.range(at).setValue(QString::fromLatin1(at).toLower());
    sheet.range("B1:B2").merge();
    sheet.range("B1:B2").setHorizontalAlignment(HorizontalAlignment::Center);
    sheet.range("A4:C4").merge();
    const QString path = dir.filePath("tall.xlsx");
    ASSERT_TRUE(book->saveAs(path));

    const QJsonObject read = testsupport::readWorkbook(path);
    EXPECT_EQ(read["merges"].toArray(), QJsonArray({"A4:C4", "B1:B2"}));
    const QJsonObject cells = read["cells"].toObject();
    const struct {
        const char* at;
        const char* value; // null: no value
    } expected[] = {{"A1", "a1"}, {"B1", "b1"}, {"C1", "c1"}, {"A2", "a2"}, {"B2", nullptr}, {"C2", "c2"},
        {"B3", "b3"}, {"A4", "a4"}};
    for (const auto& cell : expected) {
        const QJsonValue value = cells[cell.at].toObject()["value"];
        if (cell.value)
            EXPECT_EQ(value.toString(), cell.value) << cell.at;
        else
            EXPECT_TRUE(value.isNull()) << cell.at;
    }
}

// Puts the numeric locale on German (decimal comma), compiled into dir when the machine has the
// locale's source but not the locale. False when neither is there.
bool setCommaNumericLocale(const QString& dir)
{
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        return true;
    if (QProcess::execute("localedef", {"-i", "de_DE", "-f", "UTF-8", dir + "/de_DE.UTF-8"}) != 0)
        return false;
    qputenv("LOCPATH", QFile::encodeName(dir));
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
}

TEST_F(WorkbookFileTest, NumbersAreWrittenWithAPointAndTheNumericLocaleIsRestored)
{
    // a locale with a decimal comma when one can be had, else at least another one than "C"
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    QTemporaryDir localeDir;
    if (setCommaNumericLocale(localeDir.path())) {
        EXPECT_STREQ(std::localeconv()->decimal_point, ",");
    } else {
        ASSERT_TRUE(std::setlocale(LC_NUMERIC, "C.UTF-8"));
    }
    const std::string inForce = std::setlocale(LC_NUMERIC, nullptr);

    const std::shared_ptr<Workbook> book = app->addWorkbook();
    book->activeSheet().cells(1, 1).setValue(12.5);
    book->activeSheet().cells(2, 1).setValue(QDateTime(QDate(2026, 6, 7), QTime(12, 0)));
    const bool saved = book->saveAs(dir.filePath("locale.xlsx"));
    const std::string after = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, before.c_str());
    qunsetenv("LOCPATH");

    ASSERT_TRUE(saved);
    EXPECT_EQ(after, inForce);
    const QJsonObject read = testsupport::readWorkbook(dir.filePath("locale.xlsx"));
    EXPECT_TRUE(read["sheetXml"].toString().contains("<v>12.5</v>")) << read["sheetXml"].toString().toStdString();
    EXPECT_TRUE(read["sheetXml"].toString().contains("<v>46180.5</v>")) << "the date's serial with its half day";
}

TEST_F(WorkbookFileTest, SavingReplacesTheFileAndFailsWithoutAFolderOrAName)
{
    const std::shared_ptr<Workbook> book = app->addWorkbook();
    const QString path = dir.filePath("same.xlsx");
    book->activeSheet().cells(1, 1).setValue("first");
    ASSERT_TRUE(book->saveAs(path));
    book->activeSheet().cells(1, 1).setValue("second");
    ASSERT_TRUE(book->save());
    EXPECT_EQ(testsupport::readWorkbook(path)["cells"].toObject()["A1"].toObject()["value"].toString(), "second");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"same.xlsx"})
        << "nothing left beside";

    const std::shared_ptr<Workbook> other = app->addWorkbook();
    EXPECT_FALSE(other->save()) << "never saved: no name to save under";
    EXPECT_FALSE(other->saveAs(dir.filePath("missing/x.xlsx")));
    EXPECT_EQ(other->fullName(), QString());
    other->close();
    EXPECT_FALSE(other->saveAs(dir.filePath("closed.xlsx")));
    EXPECT_FALSE(QFile::exists(dir.filePath("closed.xlsx")));
}

} // namespace
