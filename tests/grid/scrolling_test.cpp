// The grid's scroll bars: the range a bar reaches, ranges and visibility from the content, the
// value guards, the resize move to the current row, and the timed auto-scroll with its events.

#include "grid/GridScrollRange.h"
#include "grid/GridTestSupport.h"
#include "grid/QvGrid.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPalette>
#include <QStyle>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace grid;
using namespace gridtest;

namespace {

constexpr qint32 Horizontal = 0;
constexpr qint32 Vertical = 1;

// A borderless grid, shown, with a 16 px font (rows of 22 px under a 32 px header), columns of
// 100 px and Rows rows, its scroll bars brought up to date.
std::unique_ptr<QvGrid> makeGrid(qint32 Rows, qint32 Columns = 3)
{
    auto grid = std::make_unique<QvGrid>();
    useBorderlessSixteenPixelFonts(*grid);
    grid->CalcRowMetrics();
    for (qint32 c = 0; c < Columns; ++c) {
        grid->AddColumn(QStringLiteral("C%1").arg(c), 1000, 0, ColText, {}, {}, 0, false);
        grid->store().Column(c).WidthPx = 100;
    }
    for (qint32 r = 0; r < Rows; ++r)
        grid->AddItem(QStringLiteral("r%1").arg(r));
    grid->resize(400, 300);
    grid->show();
    grid->UpdateScrollBars();
    return grid;
}

TEST(GridScrollRange, TheHighestPositionLeavesOnePageInView)
{
    const struct {
        qint32 min, max, page, highest;
    } cases[] = {{0, 15, 5, 11}, {0, 5, 5, 1}, {0, 3, 5, 0}, {2, 10, 0, 10}, {0, 10, 1, 10}, {4, 4, 5, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(HighestScrollPosition(c.min, c.max, c.page), c.highest) << c.min << " " << c.max << " " << c.page;
}

TEST(GridScrollBars, TheVerticalBarShowsOnlyWhenTheRowsDoNotFit)
{
    // 32 header + 16 text line + n * 22 against the viewport's height.
    auto grid = makeGrid(5);
    setViewportHeight(*grid, 32 + 16 + 5 * 22);
    grid->UpdateScrollBars();
    EXPECT_FALSE(grid->SBGetVisible(Vertical));
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());

    grid->AddItem(QStringLiteral("one more"));
    grid->UpdateScrollBars();
    EXPECT_TRUE(grid->SBGetVisible(Vertical));
    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
    // 6 rows, of which those fitting under the header from the bottom: (32 + 16 + 110 - 32) / 22 = 5.
    EXPECT_EQ(grid->SBGetMax(Vertical), 5 - 5 + 5);
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), 1);
}

TEST(GridScrollBars, FittingRowsResetTheTopRowBeforeTheBarHides)
{
    auto grid = makeGrid(30);
    ASSERT_TRUE(grid->SBGetVisible(Vertical));
    grid->SBSetValue(Vertical, 12);
    ASSERT_EQ(grid->SBGetValue(Vertical), 12);
    for (qint32 r = 29; r >= 3; --r)
        grid->store().RemoveRow(r);
    grid->UpdateScrollBars();
    EXPECT_FALSE(grid->SBGetVisible(Vertical));
    EXPECT_EQ(grid->SBGetValue(Vertical), 0);
}

TEST(GridScrollBars, TheTotalsLineAddsTwoRowsToTheRange)
{
    auto grid = makeGrid(40);
    const qint32 without = grid->SBGetMax(Vertical);
    const qint32 reachable = grid->verticalScrollBar()->maximum();
    grid->SetTotalsLineShow(true);
    grid->UpdateScrollBars();
    EXPECT_EQ(grid->SBGetMax(Vertical), without + 2);
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), reachable + 2);
}

TEST(GridScrollBars, TheTopRowReachesOnePastTheRowsThatFit)
{
    // 40 rows, a 300 px viewport (no horizontal bar): 12 rows fit below the header.
    auto grid = makeGrid(40);
    ASSERT_FALSE(grid->SBGetVisible(Horizontal));
    const qint32 fit = (grid->viewport()->height() - 32) / 22;
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), 39 - fit + 1);
    grid->SBSetValue(Vertical, 1000);
    EXPECT_EQ(grid->SBGetValue(Vertical), 39 - fit + 1);
}

TEST(GridScrollBars, ScrollBarsChoosesWhichBarsMayShow)
{
    const struct {
        qint32 bars;
        bool horizontal, vertical;
    } cases[] = {{0, true, false}, {1, false, true}, {2, true, true}, {3, false, false}};
    for (const auto& c : cases) {
        auto grid = makeGrid(40, 6);  // 600 px of columns in a 400 px grid
        grid->SetScrollBars(c.bars);
        grid->UpdateScrollBars();
        EXPECT_EQ(grid->SBGetVisible(Horizontal), c.horizontal) << c.bars;
        EXPECT_EQ(grid->SBGetVisible(Vertical), c.vertical) << c.bars;
        EXPECT_EQ(grid->horizontalScrollBar()->isVisible(), c.horizontal) << c.bars;
        EXPECT_EQ(grid->verticalScrollBar()->isVisible(), c.vertical) << c.bars;
    }
}

TEST(GridScrollBars, AStyleChangeShowsTheAllowedBarsUntilTheNextUpdate)
{
    auto grid = makeGrid(2);
    grid->SetScrollBars(3);
    grid->UpdateScrollBars();
    grid->SetScrollBarStyle(1);
    grid->ApplyScrollBarStyle();
    EXPECT_TRUE(grid->SBGetVisible(Horizontal));
    EXPECT_TRUE(grid->SBGetVisible(Vertical));
    grid->UpdateScrollBars();
    EXPECT_FALSE(grid->SBGetVisible(Horizontal));
    EXPECT_FALSE(grid->SBGetVisible(Vertical));

    grid->SetScrollBars(1);
    grid->ApplyScrollBarStyle();
    EXPECT_FALSE(grid->SBGetVisible(Horizontal));
    EXPECT_TRUE(grid->SBGetVisible(Vertical));
}

TEST(GridScrollBars, AScrolledViewKeepsItsHorizontalBar)
{
    auto grid = makeGrid(3, 6);
    ASSERT_TRUE(grid->SBGetVisible(Horizontal));
    grid->SBSetValue(Horizontal, 2);
    for (qint32 c = 0; c < 6; ++c)
        grid->store().Column(c).WidthPx = 20;
    grid->UpdateScrollBars();
    EXPECT_TRUE(grid->SBGetVisible(Horizontal));
    grid->SBSetValue(Horizontal, 0);
    grid->UpdateScrollBars();
    EXPECT_FALSE(grid->SBGetVisible(Horizontal));
}

TEST(GridScrollBars, TheFlatVerticalBarIsReadable)
{
    // A long list: the thumb at its shortest, at the top.
    auto grid = makeGrid(5000);
    QScrollBar* bar = grid->verticalScrollBar();
    ASSERT_TRUE(bar->isVisible());
    const QImage image = bar->grab().toImage();
    const int x = image.width() / 2;
    const int side = image.width();
    const QPalette palette = QApplication::palette();

    // Arrow buttons at both ends: a glyph in the button text colour inside each end square.
    for (int top : {0, image.height() - side}) {
        qint32 glyph = 0;
        for (int y = top + 3; y < top + side - 3; ++y)
            for (int gx = 3; gx < side - 3; ++gx)
                glyph += qGray(image.pixel(gx, y)) < 100;
        EXPECT_GT(glyph, 3) << "arrow at y " << top;
    }
    // The trough is not the colour of the grid's window around it.
    const QColor trough = image.pixelColor(x, image.height() - side - 4);
    EXPECT_NE(trough, palette.color(QPalette::Base));
    EXPECT_NE(trough, palette.color(QPalette::Window));
    // The thumb follows the top arrow: a framed face of the style's shortest length or more.
    int thumbEnd = side;
    while (thumbEnd < image.height() - side && image.pixelColor(x, thumbEnd) != trough)
        ++thumbEnd;
    EXPECT_GE(thumbEnd - side, QApplication::style()->pixelMetric(QStyle::PM_ScrollBarSliderMin) - 1);
    EXPECT_LT(thumbEnd - side, image.height() / 4);
}

TEST(GridScrollBars, ValuesAreGuarded)
{
    auto grid = makeGrid(40, 6);
    grid->SetFreezeAtCol(1);
    grid->SBSetValue(Horizontal, 3);
    EXPECT_EQ(grid->SBGetValue(Horizontal), 3);
    grid->SBSetValue(Horizontal, 1);  // inside the frozen columns
    EXPECT_EQ(grid->SBGetValue(Horizontal), 3);

    grid->SetScrollBars(0);
    grid->UpdateScrollBars();
    grid->SBSetValue(Vertical, 4);  // a hidden bar
    EXPECT_EQ(grid->SBGetValue(Vertical), 0);

    // The vertical value never names a row past the last.
    grid->SetScrollBars(2);
    grid->UpdateScrollBars();
    grid->SBSetValue(Vertical, 20);
    for (qint32 r = 39; r >= 5; --r)
        grid->store().RemoveRow(r);
    EXPECT_EQ(grid->SBGetValue(Vertical), 4);
}

TEST(GridScrollBars, APageChangeKeepsTheEndOfTheRange)
{
    auto grid = makeGrid(40);
    EXPECT_EQ(grid->SBLargeChange(Vertical), 5);
    const qint32 max = grid->SBGetMax(Vertical);
    grid->SetSBLargeChange(Vertical, 8);
    EXPECT_EQ(grid->SBGetMax(Vertical), max + 3);
    EXPECT_EQ(grid->verticalScrollBar()->pageStep(), 8);
    EXPECT_EQ(grid->verticalScrollBar()->maximum(), max - 5 + 1);
}

TEST(GridScrollBars, AValueChangeRepaintsTheGridOnce)
{
    auto grid = makeGrid(40);
    grid->SetRedraw(true);
    QCoreApplication::processEvents();
    qint32 passes = grid->paintPasses();
    grid->SBSetValue(Vertical, 3);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->paintPasses(), passes + 1);

    // A move its mover repaints after is not painted again.
    passes = grid->paintPasses();
    grid->SBSetValue(Vertical, 5);
    grid->Refresh();
    QCoreApplication::processEvents();
    EXPECT_EQ(grid->paintPasses(), passes + 1);
}

TEST(GridScrollBars, ANewSizeBringsTheCurrentRowToTheTop)
{
    auto grid = makeGrid(40);
    grid->store().SetCurRow(7);
    grid->resize(410, 300);
    EXPECT_EQ(grid->SBGetValue(Vertical), 7);
    grid->store().SetCurRow(-1);
    grid->resize(420, 300);
    EXPECT_EQ(grid->SBGetValue(Vertical), 0);
}

// The auto-scroll with a clock the test moves.
struct AutoScroll : testing::Test {
    void SetUp() override
    {
        grid = makeGrid(40);
        grid->SetTickSource([this] { return now; });
        QObject::connect(grid.get(), &QvGrid::RowColChanged, [this] { order += 'R'; });
        QObject::connect(grid.get(), &QvGrid::SelectionChanged, [this] { order += 'S'; });
        QObject::connect(grid.get(), &QvGrid::Scroll, [this] { order += 'C'; });
    }
    void TearDown() override { grid->AutoScrollDirection = 0; }

    qint64 now = 1000;
    std::unique_ptr<QvGrid> grid;
    // R RowColChanged, S SelectionChanged, C Scroll, in the order raised.
    QString order;
};

TEST_F(AutoScroll, UpwardsAtTheTopDoesNothing)
{
    grid->ScrollToRow(1);
    EXPECT_TRUE(order.isEmpty());
}

TEST_F(AutoScroll, StepsOneRowEvery25MillisecondsUntilStopped)
{
    grid->ScrollToRow(2);
    EXPECT_EQ(order, QStringLiteral("RSC"));
    EXPECT_EQ(grid->SBGetValue(Vertical), 1);
    EXPECT_EQ(grid->store().CurRow(), 0);  // the top row before the step

    QTest::qWait(60);  // no time has passed on the grid's clock
    EXPECT_EQ(order.size(), 3);

    now += 25;
    ASSERT_TRUE(QTest::qWaitFor([&] { return order.size() == 6; }));
    EXPECT_EQ(order, QStringLiteral("RSCRSC"));
    EXPECT_EQ(grid->SBGetValue(Vertical), 2);

    grid->ScrollToRow(2);  // a second call while scrolling does not step sooner
    EXPECT_EQ(order.size(), 6);

    grid->AutoScrollDirection = 0;
    now += 100;
    QTest::qWait(60);
    EXPECT_EQ(order.size(), 6);
}

TEST_F(AutoScroll, StopsAtTheLastTopRow)
{
    const qint32 last = grid->verticalScrollBar()->maximum();
    grid->SBSetValue(Vertical, last - 1);
    grid->ScrollToRow(2);
    EXPECT_EQ(grid->SBGetValue(Vertical), last);
    now += 25;
    QTest::qWait(60);
    EXPECT_EQ(order, QStringLiteral("RSC"));
}

TEST_F(AutoScroll, UpwardsSkipsLockedRowsAndSelectsTheNewTopUnderMultiSelect)
{
    grid->SetMultiSelect(1);
    grid->SBSetValue(Vertical, 10);
    grid->SetRowLocked(9, true);
    grid->SetRowSelected(30, true);
    grid->ScrollToRow(1);
    EXPECT_EQ(grid->SBGetValue(Vertical), 8);
    EXPECT_EQ(grid->store().CurRow(), 8);
    EXPECT_TRUE(grid->RowSelected(8));
    EXPECT_FALSE(grid->RowSelected(30));
}

TEST_F(AutoScroll, DownwardsUnderMultiSelectMakesTheLastShownRowCurrent)
{
    grid->SetMultiSelect(1);
    grid->SBSetValue(Vertical, 4);
    const qint32 shown = grid->VisibleRowCount();
    grid->ScrollToRow(2);
    EXPECT_EQ(grid->SBGetValue(Vertical), 5);
    EXPECT_EQ(grid->store().CurRow(), 5 + shown - 1);
    EXPECT_TRUE(grid->RowSelected(5 + shown - 1));
    EXPECT_FALSE(grid->RowSelected(5));
}

} // namespace
