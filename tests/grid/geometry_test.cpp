// The grid's layout: header and row metrics, row tops, the hit tests, the column edges and the
// column steps of the cursor.

#include "grid/GridTestSupport.h"
#include "grid/QvGrid.h"

#include <QFontMetricsF>
#include <QPixmap>
#include <QRect>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

using namespace grid;
using namespace gridtest;

namespace {

// A borderless, shown grid with 16 px fonts, no caption and one header line: HeaderHeight 32
// and rows of 16 + 2 * MinVerticalOffset + 2 px.
std::unique_ptr<QvGrid> makeGrid(qint32 Columns = 3, qint32 Rows = 10, qint32 MinVerticalOffset = 2)
{
    auto grid = std::make_unique<QvGrid>();
    useBorderlessSixteenPixelFonts(*grid);
    grid->SetMinVerticalOffset(MinVerticalOffset);
    grid->CalcRowMetrics();
    for (qint32 c = 0; c < Columns; ++c) {
        grid->AddColumn(QStringLiteral("C%1").arg(c), 1000, 0, ColText, {}, {}, 0, false);
        grid->store().Column(c).WidthPx = 100;
    }
    for (qint32 r = 0; r < Rows; ++r)
        grid->AddItem(QStringLiteral("a\tb\tc"));
    grid->resize(400, 300);
    grid->show();
    return grid;
}

TEST(GridGeometry, TestFontIsSixteenPixelsHigh)
{
    EXPECT_EQ(std::lround(QFontMetricsF(sixteenPixelFont()).height()), 16);
}

TEST(GridGeometry, HeaderHeightFollowsCaptionHeadersLinesAndSmallHeaders)
{
    struct Case {
        const char* caption;
        bool headers;
        qint16 lines;
        bool small;
        qint32 header;
        qint32 captionBand;
    };
    const Case cases[] = {
        {"", false, 1, false, 0, 0},    {"Title", false, 1, false, 24, 24}, {"", true, 1, false, 32, 0},
        {"", true, 2, false, 48, 0},    {"", true, 2, true, 27, 0},         {"Title", true, 2, false, 72, 24},
        {"Title", true, 2, true, 51, 24}, {"", true, 3, true, 32, 0},
    };
    for (const Case& c : cases) {
        auto grid = makeGrid(1, 0);
        grid->SetCaption(QString::fromLatin1(c.caption));
        grid->SetColumnHeaders(c.headers);
        grid->SetColumnHeaderLines(c.lines);
        grid->SetColumnHeaderSmall(c.small);
        grid->CalcRowMetrics();
        SCOPED_TRACE(testing::Message() << c.caption << " " << c.headers << " " << c.lines << " " << c.small);
        EXPECT_EQ(grid->layoutMetrics().HeaderHeight, c.header);
        EXPECT_EQ(grid->layoutMetrics().CaptionHeight, c.captionBand);
        EXPECT_EQ(grid->layoutMetrics().HeaderTextHeight, 16);
    }
}

TEST(GridGeometry, RowHeightIsAtLeastTheHeaderTextPlusOffsets)
{
    struct Case {
        qint32 scaleUnits;
        qint32 minRowHeight;
        qint32 offset;
        qint32 rowHeight;
    };
    const Case cases[] = {
        {1, 0, 2, 22},      // below the text height: raised to 16
        {1, 150, 2, 22},    // 10 px in twips: raised as well
        {1, 450, 2, 36},    // 30 px
        {3, 30, 0, 32},     // pixels, no offset
        {3, 25, 1, 29},
    };
    for (const Case& c : cases) {
        auto grid = makeGrid(1, 0);
        grid->SetScaleUnits(c.scaleUnits);
        grid->SetMinVerticalOffset(c.offset);
        grid->SetMinRowHeight(c.minRowHeight);
        grid->CalcRowMetrics();
        EXPECT_EQ(grid->RowHeightPx(), c.rowHeight) << c.scaleUnits << " " << c.minRowHeight;
    }
}

TEST(GridGeometry, CheckBoxFollowsThePreviousRowHeight)
{
    auto grid = makeGrid(1, 0);
    grid->SetRowCheckBoxes(true);
    grid->SetScaleUnits(3);
    grid->SetMinVerticalOffset(1);
    grid->SetMinRowHeight(16);  // rows of 20 px
    grid->store().SetRowHeightPx(0);  // as the Let leaves it
    grid->CalcRowMetrics();
    EXPECT_EQ(grid->layoutMetrics().CheckBoxSize, -4);
    grid->CalcRowMetrics();
    EXPECT_EQ(grid->RowHeightPx(), 20);
    EXPECT_EQ(grid->layoutMetrics().CheckBoxSize, 16);
    EXPECT_EQ(grid->layoutMetrics().RowIndent, 18);
    EXPECT_EQ(grid->layoutMetrics().CheckBoxIndent, 18);

    grid->SetMinVerticalOffset(0);  // rows of 18 px
    grid->CalcRowMetrics();
    grid->CalcRowMetrics();
    EXPECT_EQ(grid->layoutMetrics().CheckBoxSize, 16);
    grid->store().SetRowHeightPx(16);  // as a 16 px row stood before the call
    grid->CalcRowMetrics();
    EXPECT_EQ(grid->layoutMetrics().CheckBoxSize, 12);
    EXPECT_EQ(grid->layoutMetrics().RowIndent, 14);
    grid->SetRowCheckBoxes(false);
    grid->CalcRowMetrics();
    EXPECT_EQ(grid->layoutMetrics().RowIndent, 3);
}

TEST(GridGeometry, ARowImageWidensTheIndentOfEveryRow)
{
    auto grid = makeGrid(2, 3);
    ImageList images(QSize(20, 12));
    images.Add(filled(Qt::red, {20, 12}));
    grid->SetImageList(&images);
    grid->CalcRowMetrics();
    EXPECT_TRUE(grid->layoutMetrics().HasImageList);
    EXPECT_EQ(grid->layoutMetrics().ImageWidth, 20);
    EXPECT_EQ(grid->layoutMetrics().ImageHeight, 12);
    EXPECT_EQ(grid->layoutMetrics().RowIndent, 3);

    grid->SetRowImage(2, 1);
    grid->CalcRowMetrics();
    EXPECT_EQ(grid->layoutMetrics().RowIndent, 25);
    QRect rect(0, 7, 1, 9);
    grid->GetColRect(0, rect);
    EXPECT_EQ(rect.left(), 25);
    EXPECT_EQ(rect.right() + 1, 100);
    EXPECT_EQ(rect.top(), 7);
    EXPECT_EQ(rect.bottom(), 15);

    grid->SetImageList(nullptr);
    grid->CalcRowMetrics();
    EXPECT_FALSE(grid->layoutMetrics().HasImageList);
    EXPECT_EQ(grid->layoutMetrics().ImageWidth, 20);
    EXPECT_EQ(grid->layoutMetrics().RowIndent, 3);
}

TEST(GridGeometry, VisibleRowCountRoundsToNearestHalvesToEven)
{
    auto grid = makeGrid(1, 0, 1);  // rows of 20 px below a 32 px header
    ASSERT_EQ(grid->RowHeightPx(), 20);
    const struct {
        int rowsRoom;
        qint32 count;
    } cases[] = {{212, 11}, {210, 10}, {230, 12}, {200, 10}, {9, 0}};
    for (const auto& c : cases) {
        ASSERT_EQ(setViewportHeight(*grid, 32 + c.rowsRoom), 32 + c.rowsRoom);
        EXPECT_EQ(grid->VisibleRowCount(), c.count) << c.rowsRoom;
    }
    grid->SetBorderStyle(1);
    ASSERT_EQ(setViewportHeight(*grid, 32 + 4 + 210), 32 + 4 + 210);
    EXPECT_EQ(grid->VisibleRowCount(), 10);
}

TEST(GridGeometry, RowTopsSkipHiddenRowsAndFollowHeightChanges)
{
    auto grid = makeGrid(3, 10);
    const qint32 h = grid->RowHeightPx();
    EXPECT_EQ(grid->GetRowTop(0, 0), 32);
    EXPECT_EQ(grid->GetRowTop(4, 0), 32 + 4 * h);
    EXPECT_EQ(grid->GetRowTop(4, 2), 32 + 2 * h);
    EXPECT_EQ(grid->GetRowTop(1, 2), -1);
    EXPECT_EQ(grid->GetRowTop(3), 32 + 3 * h);  // the scroll value is the top row

    grid->SetRowVisible(2, false);
    grid->RowLayoutChanged();
    EXPECT_EQ(grid->GetRowTop(4, 0), 32 + 3 * h);
    EXPECT_EQ(grid->GetRowTop(4, 2), 32 + h);
    EXPECT_EQ(grid->GetRowTop(2, 2), 32);

    grid->SetRowHeight(1, 17.5f);
    EXPECT_EQ(grid->RowHeight(1), 18.0f);
    EXPECT_EQ(grid->GetRowTop(4, 0), 32 + 2 * h + 18);
    EXPECT_EQ(grid->GetRowTop(10, 0), 32 + 8 * h + 18);  // the bottom of the last row

    grid->AddItem(QStringLiteral("x"), 0);  // a row added above moves the rest down
    EXPECT_EQ(grid->GetRowTop(5, 0), 32 + 3 * h + 18);
}

// Row tops and hit tests against a plain walk over rows of mixed heights, some hidden.
TEST(GridGeometry, RowTopsAgreeWithAWalkOverTheRows)
{
    auto grid = makeGrid(1, 300);
    for (qint32 r = 0; r < 300; ++r) {
        grid->store().RowAt(r).Height = 10 + (r * 7) % 23;
        grid->store().RowAt(r).Visible = (r % 5) != 2 && (r < 100 || r > 140);
    }
    grid->RowLayoutChanged();
    auto walkTop = [&](qint32 Row, qint32 Top) {
        qint32 y = grid->layoutMetrics().HeaderHeight;
        for (qint32 r = Top; r < Row; ++r)
            y += grid->store().RowAt(r).Visible ? grid->store().RowAt(r).Height : 0;
        return y;
    };
    auto walkRow = [&](float Y, qint32 Top) {
        qint32 bottom = grid->layoutMetrics().HeaderHeight;
        for (qint32 r = Top; r < 300; ++r) {
            if (grid->store().RowAt(r).Visible)
                bottom += grid->store().RowAt(r).Height;
            if (Y <= bottom)
                return r;
        }
        return -1;
    };
    for (qint32 top : {0, 3, 97, 120}) {
        for (qint32 row = top; row < 300; row += 7)
            ASSERT_EQ(grid->GetRowTop(row, top), walkTop(row, top)) << row << " " << top;
    }
    for (float y = 33; y < 6000; y += 13.5f)
        ASSERT_EQ(grid->RowFromY(y), walkRow(y, 0)) << y;
}

TEST(GridGeometry, NextVisibleRowSkipsHiddenRuns)
{
    auto grid = makeGrid(1, 8);
    for (qint32 r : {1, 2, 3, 7})
        grid->store().RowAt(r).Visible = false;
    grid->RowLayoutChanged();
    const qint32 expected[] = {0, 4, 4, 4, 4, 5, 6, 8, 8};
    for (qint32 r = 0; r <= 8; ++r)
        EXPECT_EQ(grid->NextVisibleRow(r), expected[r]) << r;
    grid->store().RowAt(7).Visible = true;
    grid->RowLayoutChanged();
    EXPECT_EQ(grid->NextVisibleRow(7), 7);
}

TEST(GridGeometry, RowFromYAnswersTheRowUnderYOrNone)
{
    auto grid = makeGrid(3, 5);
    const qint32 h = grid->RowHeightPx();
    EXPECT_EQ(grid->RowFromY(32), -1);  // on the header
    EXPECT_EQ(grid->RowFromY(33), 0);
    EXPECT_EQ(grid->RowFromY(32 + h), 0);  // a row's bottom edge is still the row
    EXPECT_EQ(grid->RowFromY(33 + h), 1);
    EXPECT_EQ(grid->RowFromY(32 + 5 * h), 4);
    EXPECT_EQ(grid->RowFromY(33 + 5 * h), -1);  // below the last row

    grid->SetRowVisible(1, false);
    grid->RowLayoutChanged();
    EXPECT_EQ(grid->RowFromY(33 + h), 2);
    EXPECT_EQ(grid->RowFromY(32 + 4 * h), 4);
    EXPECT_EQ(grid->RowFromY(33 + 4 * h), -1);

    auto empty = makeGrid(3, 0);
    EXPECT_EQ(empty->RowFromY(50), -1);
}

TEST(GridGeometry, WithoutCaptionAndHeadersTheTopRowStartsAtZero)
{
    auto grid = makeGrid(3, 5);
    grid->SetColumnHeaders(false);
    grid->CalcRowMetrics();
    EXPECT_EQ(grid->layoutMetrics().HeaderHeight, 0);
    EXPECT_EQ(grid->RowFromY(0), 0);
    EXPECT_EQ(grid->GetRowTop(0, 0), 0);
}

TEST(GridGeometry, ColFromXKeepsFourPixelsRightOfEachDivider)
{
    auto grid = makeGrid(3, 1);
    const struct {
        float x;
        qint32 position;
    } cases[] = {{0, -1}, {1, 0}, {100, 0}, {103, 0}, {105, 1}, {200, 1}, {205, 2}, {304, 2}, {305, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(grid->ColFromX(c.x), c.position) << c.x;

    grid->store().Column(1).Visible = false;  // a hidden column takes no width
    EXPECT_EQ(grid->ColFromX(150), 2);

    auto empty = makeGrid(0, 0);
    EXPECT_EQ(empty->ColFromX(10), -1);
}

TEST(GridGeometry, ColumnEdgesFollowRowNumbersHiddenColumnsAndTheFrozenColumns)
{
    auto grid = makeGrid(6, 9);  // one-digit row numbers: a 19-pixel column
    grid->SetShowRowNumbers(true);
    showPainted(*grid);
    ASSERT_EQ(grid->layoutMetrics().RowNumberWidth, 19);
    QRect rect;
    grid->GetColRect(0, rect);
    EXPECT_EQ(rect.left(), 19);
    EXPECT_EQ(rect.right() + 1, 119);
    grid->GetColRect(2, rect);
    EXPECT_EQ(rect.left(), 219);
    EXPECT_EQ(rect.right() + 1, 319);

    grid->store().Column(1).Visible = false;
    grid->GetColRect(1, rect);  // a hidden column keeps its own width
    EXPECT_EQ(rect.left(), 119);
    EXPECT_EQ(rect.right() + 1, 219);
    grid->GetColRect(2, rect);
    EXPECT_EQ(rect.left(), 119);
    grid->store().Column(1).Visible = true;

    // Column 0 frozen, scrolled to position 3: positions 1 and 2 are out of view.
    grid->SetFreezeAtCol(0);
    grid->UpdateScrollBars();
    ASSERT_TRUE(grid->SBGetVisible(0));
    grid->SBSetValue(0, 3);
    ASSERT_EQ(grid->SBGetValue(0), 3);
    rect = QRect(QPoint(50, 0), QPoint(79, 10));
    grid->GetColRect(1, rect);
    EXPECT_EQ(rect.left(), 18);
    EXPECT_EQ(rect.right(), 79);
    grid->GetColRect(3, rect);
    EXPECT_EQ(rect.left(), 119);
    EXPECT_EQ(rect.right() + 1, 219);
    EXPECT_EQ(grid->ColFromX(150), 3);
    EXPECT_EQ(grid->ColFromX(50), 0);
}

TEST(GridGeometry, SelectableColumnsWrapAndSkipHiddenAndLocked)
{
    auto grid = makeGrid(5, 1);
    grid->store().Column(1).Visible = false;
    grid->store().Column(3).Locked = true;

    grid->store().SetCurCol(4);
    EXPECT_EQ(grid->NextSelectableCol(false), 0);
    EXPECT_EQ(grid->layoutMetrics().NavColumn, 0);
    grid->store().SetCurCol(0);
    EXPECT_EQ(grid->NextSelectableCol(false), 2);
    EXPECT_EQ(grid->PrevSelectableCol(false), 4);
    grid->store().SetCurCol(2);
    EXPECT_EQ(grid->PrevSelectableCol(false), 0);
    EXPECT_EQ(grid->NextSelectableCol(false), 4);
    EXPECT_EQ(grid->NextSelectableCol(true), 0);
    EXPECT_EQ(grid->PrevSelectableCol(true), 4);

    // Nothing else selectable: the start position comes back.
    for (qint32 c : {0, 2, 4})
        grid->store().Column(c).Locked = true;
    grid->store().SetCurCol(4);
    EXPECT_EQ(grid->NextSelectableCol(false), 0);
    grid->store().Column(2).Locked = false;
    EXPECT_EQ(grid->NextSelectableCol(false), 2);
}

TEST(GridGeometry, WordWrappedRowsFitTheirLines)
{
    auto grid = makeGrid(2, 0);
    grid->SetAllowWordWrap(true);
    const qint32 line = grid->RowHeightPx() - 2 * 2 - 2;  // 16

    grid->AddItem(QStringLiteral("short\tcell"));
    EXPECT_EQ(grid->RowHeight(0), grid->RowHeightPx() - 2);

    // A wrapped cell is measured 2 px down: one line of it needs the full default row.
    grid->store().Column(0).Flags = CellFlag::WordWrap;
    grid->store().CellAt(0, 0).Flags = CellFlag::WordWrap;
    grid->SetRowHeight(0, -1);
    EXPECT_EQ(grid->RowHeight(0), grid->RowHeightPx());

    const QString fiveLines = QStringLiteral("word word word word word word word word word word");
    grid->store().Column(0).WidthPx = 50;
    grid->AddItem(fiveLines + QStringLiteral("\tx"));
    EXPECT_GT(grid->RowHeight(1), 3 * line + 4);

    grid->SetMaxLineCount(2);
    grid->SetRowHeight(1, -1);
    EXPECT_EQ(grid->RowHeight(1), 2 * line + 4);

    grid->SetAllowWordWrap(false);  // no refitting without word wrap
    grid->SetRowHeight(1, 40);
    grid->SetRowHeight(1, -1);
    EXPECT_EQ(grid->RowHeight(1), 40);
}

TEST(GridGeometry, TextLetsRefitAWrappedRow)
{
    auto grid = makeGrid(2, 0);
    grid->SetAllowWordWrap(true);
    grid->store().Column(0).Flags = CellFlag::WordWrap;
    grid->store().Column(0).WidthPx = 50;
    grid->AddItem(QStringLiteral("short\tx"));
    const float oneLine = grid->RowHeight(0);

    const QString fiveLines = QStringLiteral("word word word word word word word word word word");
    grid->SetCellText(0, 0, fiveLines);
    EXPECT_GT(grid->RowHeight(0), oneLine);
    grid->SetCellText(0, 0, QStringLiteral("short"));
    EXPECT_EQ(grid->RowHeight(0), oneLine);
    grid->SetCellValue(0, 0, QStringLiteral("12"));
    EXPECT_EQ(grid->RowHeight(0), oneLine);
}

// The setters that refit wrapped rows, used while painting is off, leave the rows' heights and
// tops and the vertical bar, once painting is on again, as the same setters leave them while
// painting.
TEST(GridGeometry, WrappedRowsRefittedWithPaintingOffAsWhilePainting)
{
    const QString fiveLines = QStringLiteral("word word word word word word word word word word");
    const struct {
        const char* setter;
        std::function<void(QvGrid&, qint32 Row)> set;
    } cases[] = {
        {"CellWordWrap then CellText",
         [&](QvGrid& grid, qint32 row) {
             grid.SetCellWordWrap(row, 0, true);
             grid.SetCellText(row, 0, row % 3 == 0 ? fiveLines : QStringLiteral("short"));
         }},
        {"CellValue", [](QvGrid& grid, qint32 row) { grid.SetCellValue(row, 0, row * 1000000.5); }},
        {"CellChecked", [](QvGrid& grid, qint32 row) { grid.SetCellChecked(row, 1, row % 2 == 0); }},
    };
    for (const auto& test : cases) {
        std::unique_ptr<QvGrid> grids[2];
        for (auto& grid : grids) {
            grid = makeGrid(2, 0);
            grid->SetAllowWordWrap(true);
            grid->store().Column(0).WidthPx = 50;
            grid->store().Column(1).ColType = ColCheckBox;
            for (qint32 r = 0; r < 40; ++r)
                grid->AddItem(r % 4 == 0 ? fiveLines + QStringLiteral("\t1") : QStringLiteral("a\t0"));
        }
        QvGrid& painting = *grids[0];
        QvGrid& quiet = *grids[1];
        painting.SetRedraw(true);
        quiet.SetRedraw(false);
        for (qint32 r = 0; r < 40; ++r) {
            test.set(painting, r);
            test.set(quiet, r);
        }
        quiet.SetRedraw(true);
        for (qint32 r = 0; r < 40; ++r) {
            EXPECT_EQ(quiet.RowHeight(r), painting.RowHeight(r)) << test.setter << ", row " << r;
            EXPECT_EQ(quiet.GetRowTop(r, 0), painting.GetRowTop(r, 0)) << test.setter << ", row " << r;
        }
        EXPECT_EQ(quiet.SBGetMax(1), painting.SBGetMax(1)) << test.setter;
        EXPECT_EQ(quiet.SBGetVisible(1), painting.SBGetVisible(1)) << test.setter;
    }
}

TEST(GridGeometry, VisibleSizesLeaveOutTheBorderAndTheOtherBar)
{
    auto grid = makeGrid(3, 2);
    grid->resize(400, 200);
    const double twips = 1440.0 / grid->logicalDpiX();
    EXPECT_EQ(grid->VisibleHeight(), std::lround(200 * twips));
    EXPECT_EQ(grid->VisibleWidth(), std::lround(399 * twips));
    grid->SetShowRowNumbers(true);
    showPainted(*grid);
    ASSERT_EQ(grid->layoutMetrics().RowNumberWidth, 19);
    EXPECT_EQ(grid->VisibleWidth(), std::lround(380 * twips));
    grid->SetBorderStyle(1);
    EXPECT_EQ(grid->VisibleHeight(), std::lround(196 * twips));
}

} // namespace
