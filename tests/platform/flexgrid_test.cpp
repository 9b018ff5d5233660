// The flex grid: its cell matrix and structure, format strings, clip text, merging, cell formats
// and the mouse.

#include "support/GridText.h"
#include "support/QtPrinters.h"

#include "platform/flexgrid/FlexFormatString.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/flexgrid/FlexMerge.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlEvents.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace ui;
using testsupport::rowTexts;

namespace {

// The QApplication comes from the widget tests' main.
class FlexGridTest : public ::testing::Test {
protected:
    // A grid of `rows` x `cols` with one fixed row and no fixed column, cell (r, c) holding "rc".
    static void fill(FlexGrid& grid, int rows, int cols)
    {
        grid.setFixedCols(0);
        grid.setRows(rows);
        grid.setCols(cols);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c)
                grid.setTextMatrix(r, c, QString::number(r) + QString::number(c));
    }

    // The colour at the middle of a scrolling cell as the grid draws it.
    static QColor shownColour(FlexGrid& grid, int row, int col)
    {
        const QRect cell = grid.visualRect(grid.model()->index(row - grid.fixedRows(), col - grid.fixedCols()));
        const QImage image = grid.viewport()->grab().toImage();
        return image.pixelColor(cell.left() + 3, cell.center().y());
    }
};

// ---- Format strings ----

struct FormatCase {
    const char* format;
    QStringList headings;
    std::vector<std::optional<int>> alignments;
    std::optional<QStringList> rowHeadings;
};

TEST_F(FlexGridTest, FormatStringIsReadIntoColumnsAlignmentsAndRowHeadings)
{
    const std::vector<FormatCase> cases = {
        {"<Name|^Qty|>Amount", {"Name", "Qty", "Amount"}, {flexAlignLeftCenter, flexAlignCenterCenter, flexAlignRightCenter}, {}},
        {"Plain|", {"Plain", ""}, {std::nullopt, std::nullopt}, {}},
        {"|>A;|R1|R2", {"", "A"}, {std::nullopt, flexAlignRightCenter}, QStringList{"", "R1", "R2"}},
        {";|R1", {}, {}, QStringList{"", "R1"}},
        {"<", {""}, {flexAlignLeftCenter}, {}},
        {"", {}, {}, {}},
    };
    for (const FormatCase& test : cases) {
        SCOPED_TRACE(test.format);
        const FlexFormatSpec spec = parseFormatString(QString::fromLatin1(test.format));
        ASSERT_EQ(spec.columns.size(), size_t(test.headings.size()));
        for (size_t i = 0; i < spec.columns.size(); ++i) {
            EXPECT_EQ(spec.columns[i].heading, test.headings[qsizetype(i)]);
            EXPECT_EQ(spec.columns[i].alignment, test.alignments[i]);
        }
        EXPECT_EQ(spec.rowHeadings, test.rowHeadings);
    }
}

TEST_F(FlexGridTest, FormatStringLaysTheGridOut)
{
    FlexGrid grid;
    grid.setFixedCols(0);
    grid.setRows(3);
    grid.setTextMatrix(2, 1, "kept");
    grid.setFormatString("<S No|^Consignment Number|>Wt");
    EXPECT_EQ(grid.cols(), 3);
    EXPECT_EQ(grid.rows(), 3);
    EXPECT_EQ(rowTexts(&grid, 0), (QStringList{"S No", "Consignment Number", "Wt"}));
    EXPECT_EQ(grid.textMatrix(2, 1), "kept");
    EXPECT_EQ(grid.colAlignment(0), flexAlignLeftCenter);
    EXPECT_EQ(grid.colAlignment(1), flexAlignCenterCenter);
    EXPECT_EQ(grid.colAlignment(2), flexAlignRightCenter);
    EXPECT_GT(grid.colWidth(1), grid.colWidth(0));
    EXPECT_GT(grid.colWidth(0), grid.colWidth(2));

    grid.setFormatString("|Name;|First|Second|Third");
    EXPECT_EQ(grid.rows(), 4);
    EXPECT_EQ(grid.textMatrix(3, 0), "Third");
    EXPECT_EQ(grid.textMatrix(0, 1), "Name");
}

// ---- Structure ----

TEST_F(FlexGridTest, StartsAsTheControlIsDesigned)
{
    FlexGrid grid;
    EXPECT_EQ(grid.rows(), 2);
    EXPECT_EQ(grid.cols(), 2);
    EXPECT_EQ(grid.fixedRows(), 1);
    EXPECT_EQ(grid.fixedCols(), 1);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.col(), 1);
    EXPECT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(grid.model()->columnCount(), 1);
}

TEST_F(FlexGridTest, ResizingKeepsTheTextsWithinTheNewBounds)
{
    FlexGrid grid;
    fill(grid, 4, 3);
    grid.setRow(3);
    grid.setCol(2);
    grid.setRows(2);
    grid.setCols(2);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.col(), 1);
    grid.setRows(3);
    grid.setCols(3);
    EXPECT_EQ(rowTexts(&grid, 0), (QStringList{"00", "01", ""}));
    EXPECT_EQ(rowTexts(&grid, 1), (QStringList{"10", "11", ""}));
    EXPECT_EQ(rowTexts(&grid, 2), (QStringList{"", "", ""}));
    EXPECT_EQ(grid.model()->rowCount(), 2);

    // Changing the fixed rows and columns re-divides the same cells.
    grid.setFixedRows(2);
    grid.setFixedCols(1);
    EXPECT_EQ(grid.textMatrix(1, 1), "11");
    EXPECT_EQ(grid.model()->rowCount(), 1);
    EXPECT_EQ(grid.model()->columnCount(), 2);
    EXPECT_EQ(grid.model()->index(0, 0).data().toString(), "");
    grid.setTextMatrix(2, 1, "body");
    EXPECT_EQ(grid.model()->index(0, 0).data().toString(), "body");

    // Rows may shrink to the fixed rows (the usual way to drop the data rows) and below them.
    grid.setRows(2);
    EXPECT_EQ(grid.model()->rowCount(), 0);
    grid.setRows(1);
    EXPECT_EQ(grid.fixedRows(), 1);
}

TEST_F(FlexGridTest, ClearEmptiesTextsAndFormatsButKeepsTheLayout)
{
    FlexGrid grid;
    fill(grid, 3, 2);
    grid.setColWidth(1, 2000);
    grid.setCellBackColor(0x0000FF);
    grid.clear();
    EXPECT_EQ(grid.rows(), 3);
    EXPECT_EQ(grid.cols(), 2);
    EXPECT_EQ(grid.colWidth(1), 2000);
    EXPECT_EQ(rowTexts(&grid, 0), (QStringList{"", ""}));
    EXPECT_EQ(grid.cellBackColor(), 0u);
}

TEST_F(FlexGridTest, TheViewIsToldOnceOfTheCellsAFillChangedAndOnlyOfThoseThatRemain)
{
    FlexGrid grid;
    fill(grid, 6, 3);
    QCoreApplication::processEvents();
    QSignalSpy told(grid.model(), &QAbstractItemModel::dataChanged);
    for (int row = 1; row < 6; ++row)
        grid.setTextMatrix(row, 1, QStringLiteral("x"));
    grid.setRows(3); // rows 3 to 5 go before control returns to the view
    EXPECT_EQ(told.count(), 0);
    QCoreApplication::processEvents();
    ASSERT_EQ(told.count(), 1);
    const auto bottomRight = told.front().at(1).value<QModelIndex>();
    EXPECT_TRUE(bottomRight.isValid());
    EXPECT_EQ(bottomRight.row(), grid.model()->rowCount() - 1);
    EXPECT_EQ(grid.textMatrix(2, 1), QStringLiteral("x"));
}

TEST_F(FlexGridTest, AddItemSplitsAtTabsAndRemoveItemDropsTheRow)
{
    FlexGrid grid;
    fill(grid, 2, 3);
    grid.addItem("a\tb\tc\textra");
    grid.addItem("first", 1);
    ASSERT_EQ(grid.rows(), 4);
    EXPECT_EQ(rowTexts(&grid, 1), (QStringList{"first", "", ""}));
    EXPECT_EQ(rowTexts(&grid, 2), (QStringList{"10", "11", "12"}));
    EXPECT_EQ(rowTexts(&grid, 3), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(grid.model()->rowCount(), 3);

    grid.removeItem(2);
    ASSERT_EQ(grid.rows(), 3);
    EXPECT_EQ(rowTexts(&grid, 2), (QStringList{"a", "b", "c"}));
    grid.removeItem(1);
    EXPECT_THROW(grid.removeItem(1), runtime::RuntimeError); // the last scrolling row stays
    EXPECT_THROW(grid.removeItem(0), runtime::RuntimeError); // a fixed row
    EXPECT_THROW(grid.addItem("x", 5), runtime::RuntimeError);
}

TEST_F(FlexGridTest, IndexesOutOfRangeRaise)
{
    FlexGrid grid;
    EXPECT_THROW(grid.textMatrix(2, 0), runtime::RuntimeError);
    EXPECT_THROW(grid.setTextMatrix(0, -1, "x"), runtime::RuntimeError);
    EXPECT_THROW(grid.setRow(2), runtime::RuntimeError);
    EXPECT_THROW(grid.setColSel(5), runtime::RuntimeError);
    EXPECT_THROW(grid.setColWidth(2, 100), runtime::RuntimeError);
    EXPECT_THROW(grid.setFixedRows(3), runtime::RuntimeError);
    EXPECT_THROW(grid.setRows(-1), runtime::RuntimeError);
    EXPECT_THROW(grid.setColAlignment(0, 10), runtime::RuntimeError);
}

// ---- Selection and clip text ----

TEST_F(FlexGridTest, SettingRowOrColCollapsesTheSelection)
{
    FlexGrid grid;
    fill(grid, 5, 4);
    QSignalSpy rowColChanges(&grid, &FlexGrid::rowColChange);
    QSignalSpy selChanges(&grid, &FlexGrid::selChange);
    grid.setRow(2);
    grid.setCol(0);
    grid.setRowSel(3);
    grid.setColSel(2);
    EXPECT_EQ(rowColChanges.count(), 2);
    EXPECT_EQ(selChanges.count(), 4);
    grid.setRow(2); // the same cell: only the selection changes
    EXPECT_EQ(grid.rowSel(), 2);
    EXPECT_EQ(grid.colSel(), 0);
    EXPECT_EQ(rowColChanges.count(), 2);
    EXPECT_EQ(selChanges.count(), 5);
    // Code may make a fixed cell current.
    grid.setRow(0);
    EXPECT_EQ(grid.text(), "00");
}

TEST_F(FlexGridTest, ClipReadsTheSelectionWhicheverWayItRuns)
{
    FlexGrid grid;
    fill(grid, 4, 3);
    grid.setRow(2);
    grid.setCol(2);
    grid.setRowSel(1);
    grid.setColSel(1);
    EXPECT_EQ(grid.clip(), "11\t12\r21\t22");

    // The whole grid, fixed row included, as the workbook export takes it.
    grid.setRow(0);
    grid.setCol(0);
    grid.setRowSel(grid.rows() - 1);
    grid.setColSel(grid.cols() - 1);
    EXPECT_EQ(grid.clip(), "00\t01\t02\r10\t11\t12\r20\t21\t22\r30\t31\t32");
}

struct PasteCase {
    const char* name;
    QString clip;
    QStringList row1;
    QStringList row2;
    QStringList row3;
};

TEST_F(FlexGridTest, ClipFillsTheSelectionFromItsTopLeftCell)
{
    // The selection is rows 1-2, columns 1-2 of a 4 x 4 grid.
    const std::vector<PasteCase> cases = {
        {"exact", "a\tb\rc\td", {"10", "a", "b", "13"}, {"20", "c", "d", "23"}, {"30", "31", "32", "33"}},
        {"record text ends each row with CR", "a\tb\rc\td\r", {"10", "a", "b", "13"}, {"20", "c", "d", "23"}, {"30", "31", "32", "33"}},
        {"beyond the range is dropped", "a\tb\tx\rc\td\ty\re\tf", {"10", "a", "b", "13"}, {"20", "c", "d", "23"}, {"30", "31", "32", "33"}},
        {"short text leaves the rest", "a", {"10", "a", "12", "13"}, {"20", "21", "22", "23"}, {"30", "31", "32", "33"}},
        {"empty cells are written", "\t\r\t", {"10", "", "", "13"}, {"20", "", "", "23"}, {"30", "31", "32", "33"}},
        {"an empty row is written", "\ra", {"10", "", "12", "13"}, {"20", "a", "22", "23"}, {"30", "31", "32", "33"}},
    };
    // The clip given whole, and written a character at a time (separators inside the pieces).
    const std::vector<std::function<void(FlexGrid&, const QString&)>> ways = {
        [](FlexGrid& grid, const QString& clip) { grid.setClip(clip); },
        [](FlexGrid& grid, const QString& clip) {
            grid.setClipFrom([&](FlexClipPaste& paste) {
                for (const QChar c : clip)
                    paste.append(QString(c));
            });
        },
    };
    for (const PasteCase& test : cases)
        for (size_t way = 0; way < ways.size(); ++way) {
            SCOPED_TRACE(testing::Message() << test.name << ", way " << way);
            FlexGrid grid;
            fill(grid, 4, 4);
            grid.setRow(1);
            grid.setCol(1);
            grid.setRowSel(2);
            grid.setColSel(2);
            ways[way](grid, test.clip);
            EXPECT_EQ(rowTexts(&grid, 1), test.row1);
            EXPECT_EQ(rowTexts(&grid, 2), test.row2);
            EXPECT_EQ(rowTexts(&grid, 3), test.row3);
        }
}

// ---- Sizes ----

TEST_F(FlexGridTest, WidthsAndHeightsAreTwips)
{
    FlexGrid grid;
    fill(grid, 3, 3);
    grid.setColWidth(1, 1440);
    EXPECT_EQ(grid.colWidth(1), 1440);
    EXPECT_EQ(grid.columnWidth(1), grid.logicalDpiX());
    grid.setColWidth(2, 720);
    EXPECT_EQ(grid.columnWidth(2), grid.logicalDpiX() / 2);

    grid.setColWidth(2, 0);
    EXPECT_TRUE(grid.isColumnHidden(2));
    EXPECT_EQ(grid.colWidth(2), 0);
    grid.setColWidth(2, 900);
    EXPECT_FALSE(grid.isColumnHidden(2));

    // Widths set at once: shown, hidden and restored to the default, kept when rows change after.
    const int widths[] = {1440, 0, -1};
    grid.setColWidths(widths);
    grid.setRows(grid.rows() + 5);
    FlexGrid fresh;
    fill(fresh, 1, 1);
    EXPECT_EQ(grid.columnWidth(0), grid.logicalDpiX());
    EXPECT_TRUE(grid.isColumnHidden(1));
    EXPECT_EQ(grid.colWidth(2), fresh.colWidth(0));
    EXPECT_EQ(grid.columnWidth(2), fresh.columnWidth(0));
    const int tooMany[] = {100, 100, 100, 100};
    EXPECT_THROW(grid.setColWidths(tooMany), runtime::RuntimeError);

    grid.setRowHeight(1, 720);
    EXPECT_EQ(grid.QTableView::rowHeight(0), grid.logicalDpiY() / 2);
    EXPECT_EQ(grid.rowHeight(1), 720);
    grid.setRowHeightMin(1440);
    EXPECT_EQ(grid.QTableView::rowHeight(0), grid.logicalDpiY());
    EXPECT_EQ(grid.QTableView::rowHeight(1), grid.logicalDpiY());

    // The fixed rows and columns take the room of their cells beside the scrolling ones.
    grid.setRowHeightMin(0);
    grid.setRowHeight(0, 1440);
    EXPECT_EQ(grid.horizontalHeader()->sizeHint().height(), grid.logicalDpiY());
    grid.setFixedCols(1);
    grid.setColWidth(0, 720);
    EXPECT_EQ(grid.verticalHeader()->sizeHint().width(), grid.logicalDpiX() / 2);
    EXPECT_FALSE(grid.verticalHeader()->isHidden());
    grid.setColWidth(0, 0); // a fixed column hidden by its width
    EXPECT_TRUE(grid.verticalHeader()->isHidden());
}

TEST_F(FlexGridTest, RowHeightsSetAtOnceReachEveryRowButNotRowsAddedAfter)
{
    FlexGrid fresh;
    const int defaultPixels = fresh.QTableView::rowHeight(0);
    const std::pair<int, int> cases[] = {{720, fresh.logicalDpiY() / 2}, {0, 0}, {-1, defaultPixels}}; // twips, pixels
    for (const auto& [twips, pixels] : cases) {
        FlexGrid grid;
        fill(grid, 4, 2);
        grid.setRowHeight(2, 0); // hidden, shown again by any height but 0
        grid.setRowHeight(3, 1440);
        grid.setRowHeights(twips);
        grid.setRows(6);
        EXPECT_EQ(grid.rowHeight(0), twips < 0 ? fresh.rowHeight(0) : twips) << twips;
        for (int row = 1; row < 6; ++row)
            EXPECT_EQ(grid.QTableView::rowHeight(row - 1), row < 4 ? pixels : defaultPixels) << twips << " row " << row;
    }
}

TEST_F(FlexGridTest, TopRowScrollsPastHiddenRowsAndFixedRowsStayInView)
{
    FlexGrid grid;
    fill(grid, 60, 2);
    grid.resize(300, 150);
    grid.show();
    grid.setRowHeight(3, 0);
    grid.setTopRow(10);
    EXPECT_EQ(grid.topRow(), 10);
    EXPECT_TRUE(grid.rowIsVisible(10));
    EXPECT_FALSE(grid.rowIsVisible(9));
    EXPECT_TRUE(grid.rowIsVisible(0));
    EXPECT_FALSE(grid.rowIsVisible(59));
    EXPECT_THROW(grid.setTopRow(0), runtime::RuntimeError);
}

// ---- Merging ----

struct MergeCase {
    const char* name;
    int mode;
    std::vector<QStringList> rows; // row 0 is the fixed row
    std::vector<int> mergeCols;
    std::vector<int> mergeRows;
    std::vector<FlexSpan> spans;
};

TEST_F(FlexGridTest, EqualNeighboursMergeInMarkedColumnsAndRows)
{
    const std::vector<MergeCase> cases = {
        {"never", flexMergeNever, {{"h", "h"}, {"a", "x"}, {"a", "y"}}, {0, 1}, {}, {}},
        {"free, marked column only", flexMergeFree,
         {{"h", "h"}, {"a", "x"}, {"a", "x"}, {"a", "y"}, {"b", "y"}}, {0}, {}, {{1, 0, 3, 1}}},
        {"blank separator keeps blocks apart, blanks merge", flexMergeFree,
         {{"h"}, {"1"}, {"1"}, {""}, {""}, {"1"}}, {0}, {}, {{1, 0, 2, 1}, {3, 0, 2, 1}}},
        {"fixed row never merges", flexMergeFree, {{"a"}, {"a"}, {"b"}}, {0}, {}, {}},
        {"free: second column ignores the first", flexMergeFree,
         {{"h", "h"}, {"a", "x"}, {"b", "x"}}, {0, 1}, {}, {{1, 1, 2, 1}}},
        {"restricted columns: second column merges inside the first's blocks", flexMergeRestrictColumns,
         {{"h", "h"}, {"a", "x"}, {"a", "x"}, {"b", "x"}}, {0, 1}, {}, {{1, 0, 2, 1}, {1, 1, 2, 1}}},
        {"marked row merges across", flexMergeFree, {{"h", "h", "h"}, {"a", "a", "b"}}, {}, {1}, {{1, 0, 1, 2}}},
        {"vertical blocks win over row merging", flexMergeFree,
         {{"h", "h"}, {"a", "a"}, {"a", "b"}}, {0}, {1}, {{1, 0, 2, 1}}},
    };
    for (const MergeCase& test : cases) {
        SCOPED_TRACE(test.name);
        FlexCellStore cells;
        cells.resize(int(test.rows.size()), int(test.rows[0].size()));
        for (int r = 0; r < cells.rows(); ++r)
            for (int c = 0; c < cells.cols(); ++c)
                cells.setText(r, c, test.rows[size_t(r)][c]);
        for (int c : test.mergeCols)
            cells.column(c).merge = true;
        for (int r : test.mergeRows)
            cells.setMergeRow(r, true);
        EXPECT_EQ(computeMergeSpans(cells, test.mode, 1, 0), test.spans);
    }
}

TEST_F(FlexGridTest, MergedCellsShowAsSpansUntilMergingIsSwitchedOff)
{
    FlexGrid grid;
    fill(grid, 5, 3);
    for (int r = 1; r <= 3; ++r)
        grid.setTextMatrix(r, 1, "Remainder");
    grid.setMergeCol(1, true);
    grid.setMergeCells(flexMergeFree);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.rowSpan(0, 1), 3); // model rows: grid rows 1-3
    EXPECT_EQ(grid.rowSpan(0, 0), 1);

    grid.setTextMatrix(2, 1, "Return");
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.rowSpan(0, 1), 1);

    grid.setTextMatrix(2, 1, "Remainder");
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.rowSpan(0, 1), 3);
    grid.setMergeCells(flexMergeNever);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.rowSpan(0, 1), 1);
}

// ---- Cell formats and colours ----

TEST_F(FlexGridTest, CellColoursLandOnTheCurrentCellOrTheSelection)
{
    FlexGrid grid;
    fill(grid, 4, 3);
    grid.setHighLight(flexHighlightNever);
    grid.resize(400, 200);
    grid.show();
    grid.setRow(2);
    grid.setCol(1);
    grid.setCellBackColor(0x0000FF); // red
    EXPECT_EQ(grid.cellBackColor(), 0x0000FFu);
    EXPECT_EQ(shownColour(grid, 2, 1), QColor(255, 0, 0));
    EXPECT_EQ(shownColour(grid, 1, 1), toQColor(grid.backColor()));
    EXPECT_NE(shownColour(grid, 2, 0), QColor(255, 0, 0));

    grid.setFillStyle(flexFillRepeat);
    grid.setRow(1);
    grid.setCol(0);
    grid.setRowSel(3);
    grid.setColSel(0);
    grid.setCellBackColor(0x00FF00); // green
    grid.setCellFontBold(true);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(shownColour(grid, r, 0), QColor(0, 255, 0)) << r;
    EXPECT_EQ(shownColour(grid, 2, 1), QColor(255, 0, 0));
    grid.setRow(3);
    EXPECT_TRUE(grid.cellFontBold());
    grid.setCol(2);
    EXPECT_FALSE(grid.cellFontBold());
    EXPECT_EQ(grid.cellBackColor(), 0u);
}

TEST_F(FlexGridTest, WholeRowSelectionHighlightsTheRowButTheFocusCell)
{
    FlexGrid grid;
    fill(grid, 3, 3);
    grid.setBackColorSel(0xFF0000); // blue
    grid.setSelectionMode(flexSelectionByRow);
    grid.resize(400, 200);
    grid.show();
    grid.setRow(1);
    grid.setCol(1);
    EXPECT_EQ(shownColour(grid, 1, 0), QColor(0, 0, 255));
    EXPECT_EQ(shownColour(grid, 1, 2), QColor(0, 0, 255));
    EXPECT_NE(shownColour(grid, 1, 1), QColor(0, 0, 255));
    EXPECT_NE(shownColour(grid, 2, 0), QColor(0, 0, 255));
    grid.setFocusRect(flexFocusNone);
    EXPECT_EQ(shownColour(grid, 1, 1), QColor(0, 0, 255));
}

// ---- Mouse and keys ----

TEST_F(FlexGridTest, ClickingACellMakesItCurrentAndSignalsClick)
{
    FlexGrid grid;
    fill(grid, 4, 3);
    grid.resize(400, 200);
    grid.show();
    QSignalSpy clicks(&grid, &FlexGrid::click);
    QSignalSpy doubleClicks(&grid, &FlexGrid::dblClick);
    QSignalSpy rowColChanges(&grid, &FlexGrid::rowColChange);

    const QRect cell = grid.visualRect(grid.model()->index(2, 2)); // grid row 3, column 2
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(grid.row(), 3);
    EXPECT_EQ(grid.col(), 2);
    EXPECT_EQ(grid.mouseRow(), 3);
    EXPECT_EQ(grid.mouseCol(), 2);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(rowColChanges.count(), 1);

    // The second press of a double click comes as the double click itself; its release is no click.
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(doubleClicks.count(), 1);
    EXPECT_EQ(clicks.count(), 1);

    // A heading cell reports the mouse and the click but is not selected.
    const int headingX = grid.columnViewportPosition(1) + 5;
    QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, {}, QPoint(headingX, 3));
    EXPECT_EQ(grid.mouseRow(), 0);
    EXPECT_EQ(grid.mouseCol(), 1);
    EXPECT_EQ(grid.row(), 3);
    EXPECT_EQ(grid.col(), 2);
    EXPECT_EQ(clicks.count(), 2);
}

// The pointer resting on a cell drawn cut, a heading among them, shows the cell's whole text as a
// tooltip; on a cell drawn whole it shows none.
TEST_F(FlexGridTest, ThePointerRestingOnACellDrawnCutShowsItsWholeText)
{
    FlexGrid grid;
    fill(grid, 2, 2);
    grid.setColWidths(std::vector{900, 900});
    const QString number = QStringLiteral("10000000006013");
    grid.setTextMatrix(0, 0, number);
    grid.setTextMatrix(1, 0, number);
    grid.show();
    const QHeaderView* headings = grid.horizontalHeader();
    const struct {
        QWidget* area;
        QPoint at;
        QString tip;
    } cases[] = {
        {grid.viewport(), grid.visualRect(grid.model()->index(0, 0)).center(), number},
        {grid.viewport(), grid.visualRect(grid.model()->index(0, 1)).center(), ""},
        {headings->viewport(), {headings->sectionViewportPosition(0) + 5, 5}, number},
        {headings->viewport(), {headings->sectionViewportPosition(1) + 5, 5}, ""},
    };
    for (const auto& c : cases) {
        QToolTip::hideText();
        ASSERT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }));
        QHelpEvent rest(QEvent::ToolTip, c.at, c.area->mapToGlobal(c.at));
        QCoreApplication::sendEvent(c.area, &rest);
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), c.tip) << c.area->parent()->metaObject()->className();
    }
}

// A cell that does not wrap, a heading as any other, shows each line break and tab as one blank.
TEST_F(FlexGridTest, LineBreaksAndTabsShowAsBlanks)
{
    FlexGrid grid;
    fill(grid, 3, 2);
    grid.setColWidths(std::vector{2400, 2400});
    grid.resize(600, 200);
    for (const int row : {0, 2})
        for (const int col : {0, 1})
            grid.setTextMatrix(row, col, col == 0 ? "MM\r\nMM\rMM\nMM\tMM" : "MM MM MM MM MM");
    grid.show();
    const QHeaderView* headings = grid.horizontalHeader();
    const QImage cells = grid.viewport()->grab().toImage(), headingCells = headings->viewport()->grab().toImage();
    const auto cell = [&](int col) { return cells.copy(grid.visualRect(grid.model()->index(1, col))); };
    const auto heading = [&](int col) {
        return headingCells.copy(headings->sectionViewportPosition(col), 0, headings->sectionSize(col), headings->height());
    };
    EXPECT_EQ(cell(0), cell(1));
    EXPECT_EQ(heading(0), heading(1));
}

TEST_F(FlexGridTest, ArrowKeysMoveOverTheScrollingCellsAndShiftExtends)
{
    FlexGrid grid;
    fill(grid, 4, 3);
    grid.setColWidth(1, 0);
    grid.setRow(1);
    grid.setCol(0);
    QTest::keyClick(&grid, Qt::Key_Up); // row 0 is fixed
    EXPECT_EQ(grid.row(), 1);
    QTest::keyClick(&grid, Qt::Key_Right); // column 1 is hidden
    EXPECT_EQ(grid.col(), 2);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&grid, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.rowSel(), 3);
    QTest::keyClick(&grid, Qt::Key_Home);
    EXPECT_EQ(grid.row(), 1);
    EXPECT_EQ(grid.col(), 0);
    EXPECT_EQ(grid.rowSel(), 1);
}

TEST_F(FlexGridTest, AWindowsKeyHandlerSeesKeysBeforeTheGridMoves)
{
    FlexGrid grid;
    fill(grid, 4, 2);
    grid.setRow(1);
    grid.setCol(0);
    std::vector<int> keyCodes;
    int typed = 0;
    ControlHandlers handlers;
    handlers.keyDown = [&](int& keyCode, int) {
        keyCodes.push_back(keyCode);
        if (keyCode == vbKeyDown)
            keyCode = 0;
    };
    handlers.keyPress = [&](int& keyAscii) { typed = keyAscii; };
    attachHandlers(&grid, handlers);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.row(), 1);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.col(), 1);
    QTest::keyClick(&grid, Qt::Key_Return);
    EXPECT_EQ(keyCodes, (std::vector<int>{vbKeyDown, vbKeyRight, vbKeyReturn}));
    EXPECT_EQ(typed, vbKeyReturn);
}

} // namespace
