// The grid's paint pass on its retained image, with visual styles off and a fixed font: the
// background, row colours, selection, grid lines, row numbers, focus frames, sort arrows, the
// caption and the pass's switches and event.

#include "grid/GridDrawing.h"
#include "grid/GridTestSupport.h"
#include "grid/QvGrid.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStringList>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

using namespace grid;
using namespace gridtest;

namespace {

constexpr OleColor kBackground = RGB(90, 90, 140);
constexpr OleColor kBack = RGB(250, 250, 250);
constexpr OleColor kEven = RGB(220, 235, 220);
constexpr OleColor kSelected = RGB(40, 80, 200);
constexpr OleColor kGrid = RGB(255, 0, 0);
constexpr OleColor kFocus = RGB(0, 200, 0);
constexpr qint32 kColumnWidth = 100;

// A shown, borderless 400 x 300 grid of two 100-pixel columns and Rows empty rows, in colours
// of its own, painting.
std::unique_ptr<QvGrid> makeGrid(qint32 Rows)
{
    auto grid = std::make_unique<QvGrid>();
    grid->SetBorderStyle(0);
    grid->SetFont(fixedFont());
    grid->SetFontHeader(fixedFont());
    grid->SetThemeColor(ThemeCustom);
    grid->SetBackColorBkg(kBackground);
    grid->SetBackColor(kBack);
    grid->SetBackColorEvenRows(kEven);
    grid->SetBackColorSel(kSelected);
    grid->SetGridColor(kGrid);
    grid->SetFocusRectColor(kFocus);
    grid->CalcRowMetrics();
    for (qint32 c = 0; c < 2; ++c) {
        grid->AddColumn(QStringLiteral("C%1").arg(c), 1500, 0, ColText, {}, {}, 0, false);
        grid->store().Column(c).WidthPx = kColumnWidth;
    }
    for (qint32 r = 0; r < Rows; ++r)
        grid->AddItem(QStringLiteral("\t"));
    grid->resize(400, 300);
    grid->show();
    grid->SetRedraw(true);
    grid->Refresh();
    return grid;
}

OleColor pixel(const QvGrid& Grid, int X, int Y) { return FromQColor(Grid.Surface().pixelColor(X, Y)); }

// The y of display row Row's top edge (all rows shown, the first at the top).
int rowTop(const QvGrid& Grid, int Row) { return Grid.layoutMetrics().HeaderHeight + Row * Grid.RowHeightPx(); }
int rowMiddle(const QvGrid& Grid, int Row) { return rowTop(Grid, Row) + Grid.RowHeightPx() / 2; }

// Pixels of Colour in the rectangle.
int countOf(const QvGrid& Grid, const QRect& Area, OleColor Colour)
{
    int n = 0;
    for (int y = Area.top(); y <= Area.bottom(); ++y)
        for (int x = Area.left(); x <= Area.right(); ++x)
            n += pixel(Grid, x, y) == Colour ? 1 : 0;
    return n;
}

TEST(GridPaint, RetainedImageCoversTheViewport)
{
    auto grid = makeGrid(3);
    EXPECT_EQ(grid->Surface().size(), grid->viewport()->size());
    EXPECT_GT(grid->layoutMetrics().HeaderHeight, 0);
    EXPECT_GT(grid->RowHeightPx(), 0);
}

TEST(GridPaint, BackgroundShowsBelowTheLastRowAndRightOfTheLastColumn)
{
    auto grid = makeGrid(3);
    EXPECT_EQ(pixel(*grid, 50, rowTop(*grid, 3) + 10), kBackground);
    EXPECT_EQ(pixel(*grid, 2 * kColumnWidth + 20, rowMiddle(*grid, 1)), kBackground);
    EXPECT_EQ(pixel(*grid, 50, rowMiddle(*grid, 0)), kBack);
}

TEST(GridPaint, RowsAlternateByDisplayRowAndHiddenRowsTakeNoTurn)
{
    auto grid = makeGrid(4);
    const int x = kColumnWidth + 50;
    EXPECT_EQ(pixel(*grid, x, rowMiddle(*grid, 0)), kBack);
    EXPECT_EQ(pixel(*grid, x, rowMiddle(*grid, 1)), kEven);
    EXPECT_EQ(pixel(*grid, x, rowMiddle(*grid, 2)), kBack);

    grid->SetBackColorEvenRowsEnabled(false);
    grid->Refresh();
    EXPECT_EQ(pixel(*grid, x, rowMiddle(*grid, 1)), kBack);

    grid->SetBackColorEvenRowsEnabled(true);
    grid->SetRowVisible(1, false);
    grid->RowLayoutChanged();
    grid->Refresh();
    // Rows 0, 2, 3 take the first three places.
    EXPECT_EQ(pixel(*grid, x, rowMiddle(*grid, 0)), kBack);
    EXPECT_EQ(pixel(*grid, x, rowMiddle(*grid, 1)), kEven);
    EXPECT_EQ(pixel(*grid, x, rowMiddle(*grid, 2)), kBack);
    EXPECT_EQ(pixel(*grid, x, rowMiddle(*grid, 3)), kBackground);
}

TEST(GridPaint, HiddenGroupHeadersArePaintedAndTakeTheirTurn)
{
    constexpr OleColor kMark = RGB(200, 120, 0);
    // Row 1 is hidden; its first cell is marked. What the four places from the top show in the
    // first and second column.
    const struct {
        bool groupHeader;
        OleColor first[4];
        OleColor second[4];
    } cases[] = {
        {false, {kBack, kEven, kBack, kBackground}, {kBack, kEven, kBack, kBackground}},
        {true, {kBack, kMark, kBack, kEven}, {kBack, kEven, kBack, kEven}},
    };
    for (const auto& c : cases) {
        auto grid = makeGrid(4);
        grid->SetCellBackColor(1, 0, kMark);
        grid->SetRowGroupHeader(1, c.groupHeader);
        grid->SetRowVisible(1, false);
        for (int place = 0; place < 4; ++place) {
            EXPECT_EQ(pixel(*grid, kColumnWidth / 2, rowMiddle(*grid, place)), c.first[place])
                << "group header " << c.groupHeader << ", place " << place;
            EXPECT_EQ(pixel(*grid, kColumnWidth + 50, rowMiddle(*grid, place)), c.second[place])
                << "group header " << c.groupHeader << ", place " << place;
        }
    }
}

TEST(GridPaint, LongRunsOfHiddenRowsArePassedAtOnce)
{
    auto grid = makeGrid(2000);
    for (qint32 row = 1; row < 1999; ++row)
        grid->store().RowAt(row).Visible = false;
    grid->RowLayoutChanged();
    grid->Refresh();
    const int x = kColumnWidth + 50;
    EXPECT_EQ(pixel(*grid, x, rowMiddle(*grid, 0)), kBack);
    EXPECT_EQ(pixel(*grid, x, rowMiddle(*grid, 1)), kEven) << "the last row, next in turn";
    EXPECT_EQ(pixel(*grid, x, rowMiddle(*grid, 2)), kBackground);
    EXPECT_EQ(grid->RowLastVisible(), 1999);

    // Scrolled into the hidden run, the pass starts at the next shown row, by its own number.
    grid->UpdateScrollBars();
    grid->verticalScrollBar()->setValue(500);
    grid->Refresh();
    EXPECT_EQ(grid->RowFirstVisible(), 500);
    EXPECT_EQ(pixel(*grid, x, rowMiddle(*grid, 0)), kEven) << "row 1999 is odd";
}

TEST(GridPaint, SelectedRowKeepsItsIndentAndBlendsWhenAsked)
{
    auto grid = makeGrid(3);
    grid->SetRowSelected(1, true);
    grid->Refresh();
    const int y = rowMiddle(*grid, 1);
    EXPECT_EQ(pixel(*grid, kColumnWidth + 50, y), kSelected);
    // The three-pixel indent of the first column keeps the row colour; the highlight starts one
    // pixel inside it.
    EXPECT_EQ(pixel(*grid, 1, y), kEven);
    EXPECT_EQ(pixel(*grid, 2, y), kSelected);
    EXPECT_EQ(pixel(*grid, kColumnWidth + 50, rowMiddle(*grid, 0)), kBack);

    grid->SetAlphaBlendSelection(true);
    grid->Refresh();
    EXPECT_EQ(pixel(*grid, kColumnWidth + 50, y), BlendColors(kSelected, kBack, 150));

    const OleColor own = RGB(200, 100, 0);
    grid->SetCellBackColor(1, 0, own);
    grid->Refresh();
    EXPECT_EQ(pixel(*grid, kColumnWidth + 50, y), BlendColors(own, kBack, 150));

    grid->SetAlphaBlendSelection(false);
    grid->SetFocusRowHighlight(false);
    grid->Refresh();
    EXPECT_EQ(pixel(*grid, kColumnWidth + 50, y), kEven) << "selection shows only with highlighting";
}

TEST(GridPaint, GridLinesFollowTheGridLinesSetting)
{
    struct Case {
        qint32 lines;
        bool horizontal;
        bool vertical;
    };
    const Case cases[] = {{0, false, false}, {1, true, true}, {2, false, true}, {3, true, false}};
    auto grid = makeGrid(3);
    for (const Case& c : cases) {
        grid->SetGridLines(c.lines);
        grid->Refresh();
        EXPECT_EQ(pixel(*grid, 50, rowTop(*grid, 1)) == kGrid, c.horizontal) << "horizontal, GridLines " << c.lines;
        EXPECT_EQ(pixel(*grid, kColumnWidth, rowMiddle(*grid, 1)) == kGrid, c.vertical) << "vertical, " << c.lines;
        EXPECT_EQ(pixel(*grid, 50, rowTop(*grid, 3)), kGrid) << "the line under the last row, " << c.lines;
    }
}

TEST(GridPaint, WiderGridLinesCoverMorePixels)
{
    auto grid = makeGrid(3);
    grid->SetGridLineWidth(3);
    const int y = rowTop(*grid, 1);
    EXPECT_EQ(pixel(*grid, 50, y - 1), kGrid);
    EXPECT_EQ(pixel(*grid, 50, y + 1), kGrid);
    EXPECT_EQ(pixel(*grid, kColumnWidth + 1, rowMiddle(*grid, 1)), kGrid);
}

TEST(GridPaint, FrozenColumnsStayAndTheBoundaryLineIsDoubled)
{
    auto grid = makeGrid(3);
    for (qint32 c = 2; c < 5; ++c) {
        grid->AddColumn(QStringLiteral("C%1").arg(c), 1500, 0, ColText, {}, {}, 0, false);
        grid->store().Column(c).WidthPx = kColumnWidth;
    }
    grid->UpdateScrollBars();
    ASSERT_TRUE(grid->SBGetVisible(0));
    grid->SetFreezeAtCol(1);
    grid->SBSetValue(0, 3);
    grid->Refresh();
    // Positions 0 and 1 stay, 2 is scrolled out and 3 follows 1 directly.
    EXPECT_EQ(grid->store().Column(3).Left, 2 * kColumnWidth);
    const int y = rowMiddle(*grid, 1);
    EXPECT_EQ(pixel(*grid, kColumnWidth, y), kGrid);
    EXPECT_NE(pixel(*grid, kColumnWidth - 1, y), kGrid);
    EXPECT_EQ(pixel(*grid, 2 * kColumnWidth - 1, y), kGrid) << "the freeze boundary is two pixels wide";
    EXPECT_EQ(pixel(*grid, 2 * kColumnWidth, y), kGrid);
    EXPECT_NE(pixel(*grid, 3 * kColumnWidth - 1, y), kGrid);
}

TEST(GridPaint, RowNumbersTakeAColumnOfTheirOwn)
{
    auto grid = makeGrid(12);
    const QFontMetrics metrics(fixedFont());
    EXPECT_EQ(grid->layoutMetrics().RowNumberWidth, 0);

    grid->SetShowRowNumbersVary(false);
    grid->SetShowRowNumbers(true);
    EXPECT_EQ(grid->layoutMetrics().RowNumberWidth, std::max(metrics.horizontalAdvance(QStringLiteral("12")) + 5, 19));

    const int width = grid->layoutMetrics().RowNumberWidth;
    const int y = rowTop(*grid, 1);
    const OleColor face = TranslateColor(COLOR_BTNFACE);
    const OleColor text = TranslateColor(COLOR_WINDOWTEXT);
    EXPECT_EQ(pixel(*grid, 1, y + 2), face);
    EXPECT_GT(countOf(*grid, QRect(0, y + 1, width, grid->RowHeightPx() - 1), text), 0) << "the number";
    EXPECT_EQ(pixel(*grid, 3, y), RGB(0, 0, 0)) << "the separator under the classic look";
    EXPECT_EQ(pixel(*grid, width + 1, rowMiddle(*grid, 0)), kBack) << "the rows start right of the numbers";
    EXPECT_EQ(pixel(*grid, width + kColumnWidth, rowMiddle(*grid, 0)), kGrid);

    // Nine rows: the column is its minimum width.
    auto small = makeGrid(9);
    small->SetShowRowNumbers(true);
    EXPECT_EQ(small->layoutMetrics().RowNumberWidth, std::max(metrics.horizontalAdvance(QStringLiteral("9")) + 5, 19));
}

TEST(GridPaint, FocusFrameFollowsModeAndStyle)
{
    auto grid = makeGrid(3);
    grid->store().SetCurRow(1);
    grid->store().SetCurCol(1);
    const int top = rowTop(*grid, 1);
    const int bottom = top + grid->RowHeightPx();
    const int right = 2 * kColumnWidth;

    grid->SetFocusRectStyle(2);
    grid->SetFocusRectMode(1);
    grid->Refresh();
    // Row mode: from x = 1 to the right edge of the columns, one pixel below the row's top.
    EXPECT_EQ(pixel(*grid, 1, top + 1), kFocus);
    EXPECT_EQ(pixel(*grid, right - 1, bottom - 1), kFocus);
    EXPECT_NE(pixel(*grid, 0, top + 1), kFocus);
    EXPECT_NE(pixel(*grid, 50, top + 3), kFocus);

    grid->SetFocusRectMode(2);
    grid->Refresh();
    EXPECT_EQ(pixel(*grid, kColumnWidth, top + 5), kFocus) << "column mode starts at the column";
    EXPECT_EQ(pixel(*grid, right - 1, top + 5), kFocus);
    EXPECT_NE(pixel(*grid, 50, top + 1), kFocus);

    grid->SetFocusRectStyle(1);
    grid->Refresh();
    EXPECT_EQ(pixel(*grid, kColumnWidth - 1, top + 5), kFocus) << "a three-pixel pen";
    EXPECT_EQ(pixel(*grid, kColumnWidth + 1, top + 5), kFocus);

    grid->SetFocusRowHighlight(false);
    grid->Refresh();
    EXPECT_EQ(pixel(*grid, kColumnWidth + 1, top + 5), ShiftOleColor(kSelected, -50));

    grid->SetFocusRectStyle(0);
    grid->Refresh();
    // The dotted frame inverts every other pixel of its top edge.
    const int inverted = countOf(*grid, QRect(kColumnWidth + 10, top + 1, 20, 1), RGB(255, 255, 255) ^ kEven);
    EXPECT_EQ(inverted, 10);

    grid->SetFocusRectMode(0);
    grid->Refresh();
    EXPECT_EQ(countOf(*grid, QRect(kColumnWidth + 10, top + 1, 20, 1), kEven), 20);
}

TEST(GridPaint, SortArrowsPointUpAndDown)
{
    auto grid = makeGrid(3);
    const OleColor dark = TranslateColor(COLOR_3DDKSHADOW);
    const int x = kColumnWidth - 12;
    const int y = grid->layoutMetrics().CaptionHeight + 6;
    const auto lineLengths = [&](int Height) {
        QList<int> lengths;
        for (int k = 0; k < Height; ++k)
            lengths << countOf(*grid, QRect(x, y + k, 9, 1), dark);
        return lengths;
    };
    EXPECT_EQ(lineLengths(5), (QList<int>{0, 0, 0, 0, 0})) << "not sorted";

    grid->SortCol1 = 0;
    grid->store().Column(0).SortState = 2;
    grid->Refresh();
    EXPECT_EQ(lineLengths(5), (QList<int>{1, 3, 5, 7, 9}));

    grid->store().Column(0).SortState = 1;
    grid->Refresh();
    EXPECT_EQ(lineLengths(5), (QList<int>{9, 7, 5, 3, 1}));

    grid->SortCol1 = 1;
    grid->SortCol2 = 0;
    grid->Refresh();
    EXPECT_EQ(lineLengths(3), (QList<int>{6, 4, 2})) << "the secondary column's small arrow";
}

TEST(GridPaint, CaptionBandShowsOnlyWithACaption)
{
    auto grid = makeGrid(3);
    EXPECT_EQ(grid->layoutMetrics().CaptionHeight, 0);
    grid->SetCaption(QStringLiteral("Deliveries"));
    grid->CalcRowMetrics();
    grid->Refresh();
    ASSERT_GT(grid->layoutMetrics().CaptionHeight, 0);
    const QRect band(0, 0, grid->viewport()->width(), grid->layoutMetrics().CaptionHeight);
    EXPECT_EQ(pixel(*grid, 2, grid->layoutMetrics().CaptionHeight / 2), TranslateColor(COLOR_BTNFACE));
    // Centred across the band; without single line the text starts an eighth of the band down.
    const OleColor face = TranslateColor(COLOR_BTNFACE);
    QRect text;
    for (int y = 0; y < grid->layoutMetrics().CaptionHeight - 3; ++y)
        for (int x = 2; x < band.width() - 4; ++x)
            if (pixel(*grid, x, y) != face)
                text |= QRect(x, y, 1, 1);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_NEAR(text.center().x(), band.width() / 2, 4);
    EXPECT_GE(text.top(), grid->layoutMetrics().CaptionHeight / 8);
    EXPECT_LT(text.top(), grid->layoutMetrics().CaptionHeight / 8 + 5);
    EXPECT_EQ(pixel(*grid, 50, rowMiddle(*grid, 0)), kBack) << "rows start below the caption";
}

TEST(GridPaint, HeadingsWrapIntoTheHeaderLines)
{
    auto grid = makeGrid(3);
    grid->store().Column(0).Heading = QStringLiteral("Alpha Beta Gamma");
    const OleColor ink = TranslateColor(COLOR_WINDOWTEXT);
    const auto inkIn = [&](int Top, int Bottom) { return countOf(*grid, QRect(0, Top, kColumnWidth - 6, Bottom - Top), ink); };

    grid->Refresh();
    const int oneLine = grid->layoutMetrics().HeaderHeight;
    EXPECT_GT(inkIn(0, oneLine / 2), 0);

    grid->SetColumnHeaderLines(2);
    grid->CalcRowMetrics();
    grid->Refresh();
    const int band = grid->layoutMetrics().HeaderHeight;
    ASSERT_GT(band, oneLine);
    // Two lines, centred in the band: ink above and below its middle.
    EXPECT_GT(inkIn(0, band / 2), 0);
    EXPECT_GT(inkIn(band / 2, band), 0);

    // Without headers the band is not drawn, but the columns are still laid out.
    grid->store().Column(1).Left = 0;
    grid->SetColumnHeaders(false);
    grid->Refresh();
    EXPECT_EQ(grid->store().Column(1).Left, kColumnWidth);
}

TEST(GridPaint, EmptyGridShowsHeadersAndAsksForRows)
{
    auto grid = makeGrid(0);
    QSignalSpy requests(grid.get(), &QvGrid::RequestRowData);
    grid->Refresh();
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests.at(0).at(0).toInt(), -1);
    EXPECT_EQ(pixel(*grid, 50, grid->layoutMetrics().HeaderHeight + 5), kBackground);
    EXPECT_EQ(pixel(*grid, 50, grid->layoutMetrics().HeaderHeight / 2), TranslateColor(COLOR_BTNFACE)) << "the header";
}

TEST(GridPaint, PassReportsTheRowsItDrew)
{
    auto grid = makeGrid(3);
    QSignalSpy requests(grid.get(), &QvGrid::RequestRowData);
    grid->Refresh();
    EXPECT_EQ(grid->RowFirstVisible(), 0);
    EXPECT_EQ(grid->RowLastVisible(), 2);
    ASSERT_EQ(requests.size(), 1);
    EXPECT_EQ(requests.at(0).at(0).toInt(), 2);

    // Rows past the bottom edge are not painted; the last one drawn may be cut off.
    auto tall = makeGrid(100);
    EXPECT_EQ(tall->RowLastVisible(),
              (tall->viewport()->height() - tall->layoutMetrics().HeaderHeight) / tall->RowHeightPx());
}

TEST(GridPaint, PaintingOffOnlyRemembersTheRepaint)
{
    auto grid = makeGrid(3);
    const qint32 passes = grid->paintPasses();
    grid->SetRedraw(false);
    grid->SetGridColor(RGB(1, 2, 3));
    EXPECT_EQ(grid->paintPasses(), passes);
    EXPECT_EQ(pixel(*grid, 50, rowTop(*grid, 1)), kGrid);
    grid->SetRedraw(true);
    EXPECT_EQ(grid->paintPasses(), passes + 1);
    EXPECT_EQ(pixel(*grid, 50, rowTop(*grid, 1)), RGB(1, 2, 3));
}

TEST(GridPaint, AHiddenGridPaintsOnceWhenShownAgain)
{
    auto grid = makeGrid(3);
    grid->hide();
    const qint32 passes = grid->paintPasses();
    for (int r = 0; r < 5; ++r)
        grid->AddItem(QStringLiteral("more\trows"));
    grid->SetGridColor(RGB(1, 2, 3));
    EXPECT_EQ(grid->paintPasses(), passes);
    grid->show();
    EXPECT_EQ(grid->paintPasses(), passes + 1);
    EXPECT_EQ(pixel(*grid, 50, rowTop(*grid, 1)), RGB(1, 2, 3));
}

// The grid's warnings logged while it lives.
class WarningLog {
public:
    WarningLog() { s_lines = &m_lines; m_previous = qInstallMessageHandler(&WarningLog::record); }
    ~WarningLog()
    {
        qInstallMessageHandler(m_previous);
        s_lines = nullptr;
    }
    const QStringList& lines() const { return m_lines; }

private:
    static void record(QtMsgType Type, const QMessageLogContext&, const QString& Message)
    {
        if (Type == QtWarningMsg && s_lines != nullptr && Message.startsWith(QStringLiteral("QvGrid")))
            s_lines->append(Message);
    }
    static inline QStringList* s_lines = nullptr;
    QStringList m_lines;
    QtMessageHandler m_previous = nullptr;
};

TEST(GridPaint, FailedCellsAreLoggedOncePerPass)
{
    struct Case {
        std::vector<std::pair<qint32, qint32>> broken; // cells whose look is outside the table
        qsizetype warningsPerPass;
    };
    const Case cases[] = {{{}, 0}, {{{0, 1}}, 1}, {{{0, 0}, {1, 1}, {2, 0}}, 1}};
    for (const Case& c : cases) {
        auto grid = makeGrid(3);
        for (const auto& [row, col] : c.broken)
            grid->store().CellAt(row, col).FormatIndex = 999;
        WarningLog log;
        grid->Refresh();
        ASSERT_EQ(log.lines().size(), c.warningsPerPass) << c.broken.size() << " broken cells";
        grid->Refresh();
        ASSERT_EQ(log.lines().size(), 2 * c.warningsPerPass) << "each pass logs again";
        for (const QString& line : log.lines())
            EXPECT_TRUE(line.contains(QStringLiteral("painting a cell failed"))) << line.toStdString();
    }
}

TEST(GridPaint, RequestRowDataHandlerMayRepaint)
{
    auto grid = makeGrid(3);
    int handled = 0;
    QObject::connect(grid.get(), &QvGrid::RequestRowData, grid.get(), [&](qint32) {
        if (handled++ == 0)
            grid->Refresh();
    });
    const qint32 passes = grid->paintPasses();
    grid->Refresh();
    EXPECT_EQ(grid->paintPasses(), passes + 2) << "the event comes after the pass has ended";
}

} // namespace
