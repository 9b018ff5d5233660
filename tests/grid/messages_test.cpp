// What the grid does with the wheel, the scroll bars' gestures, the focus and the mouse entering
// and leaving it.

#include "grid/GridTestSupport.h"
#include "grid/QvGrid.h"

#include <QApplication>
#include <QFocusEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>

using namespace grid;
using namespace gridtest;

namespace {

// A shown, borderless grid of Columns 100 px columns and 40 rows in a 400 x 300 frame: only a
// part of the rows, and of more than three columns, fits.
std::unique_ptr<QvGrid> makeGrid(qint32 Columns = 3)
{
    auto grid = std::make_unique<QvGrid>();
    useBorderlessSixteenPixelFonts(*grid);
    grid->resize(400, 300);
    grid->CalcRowMetrics();
    for (qint32 c = 0; c < Columns; ++c) {
        grid->AddColumn(QStringLiteral("C%1").arg(c), 1500, 0, ColText, {}, {}, 0, false);
        grid->store().Column(c).WidthPx = 100;
    }
    for (qint32 r = 0; r < 40; ++r)
        grid->AddItem(QStringLiteral("r%1").arg(r));
    showPainted(*grid);
    return grid;
}

void wheel(QvGrid& grid, int Delta, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
{
    const QPointF at(50, 100);
    QWheelEvent event(at, grid.viewport()->mapToGlobal(at), QPoint(), QPoint(0, Delta), Qt::NoButton, Modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid.viewport(), &event);
}

void move(QvGrid& grid, QPoint At) { sendMouse(grid, QEvent::MouseMove, At, Qt::NoButton, Qt::NoButton); }

} // namespace

TEST(GridMessages, WheelScrollsThreeRowsOrWithCtrlOneColumn)
{
    auto grid = makeGrid(6);
    grid->RowColSet(0, 0);
    QSignalSpy scrolls(grid.get(), &QvGrid::Scroll);
    wheel(*grid, -120);
    EXPECT_EQ(grid->SBGetValue(1), 3);
    // A small notch is a whole step as well.
    wheel(*grid, -15);
    EXPECT_EQ(grid->SBGetValue(1), 6);
    wheel(*grid, 120);
    EXPECT_EQ(grid->SBGetValue(1), 3);
    EXPECT_EQ(scrolls.count(), 3);
    // The current cell stays where it was.
    EXPECT_EQ(grid->Row(), 0);

    wheel(*grid, -120, Qt::ControlModifier);
    EXPECT_EQ(grid->SBGetValue(0), 1);
    EXPECT_EQ(grid->SBGetValue(1), 3);
    EXPECT_EQ(scrolls.count(), 4);
}

TEST(GridMessages, WheelNeverStopsOnAHiddenRow)
{
    // A hidden row three rows on is passed by a further step of three.
    auto grid = makeGrid();
    grid->SetRowVisible(3, false);
    wheel(*grid, -120);
    EXPECT_EQ(grid->SBGetValue(1), 6);
}

TEST(GridMessages, ScrollThatMovesNothingRaisesNoScroll)
{
    auto grid = makeGrid();
    QSignalSpy scrolls(grid.get(), &QvGrid::Scroll);
    wheel(*grid, 120);
    grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(grid->SBGetValue(1), 0);
    EXPECT_EQ(scrolls.count(), 0);
}

TEST(GridMessages, ScrollBarGesturesMoveTheRows)
{
    auto grid = makeGrid();
    QScrollBar* bar = grid->verticalScrollBar();
    QSignalSpy scrolls(grid.get(), &QvGrid::Scroll);
    struct Step {
        QAbstractSlider::SliderAction action;
        qint32 top;
    };
    const Step steps[] = {
        {QAbstractSlider::SliderSingleStepAdd, 1},
        {QAbstractSlider::SliderPageStepAdd, 6},
        {QAbstractSlider::SliderPageStepSub, 1},
        {QAbstractSlider::SliderToMaximum, bar->maximum()},
        {QAbstractSlider::SliderSingleStepSub, bar->maximum() - 1},
        {QAbstractSlider::SliderToMinimum, 0},
    };
    for (const Step& step : steps) {
        bar->triggerAction(step.action);
        EXPECT_EQ(grid->SBGetValue(1), step.top) << int(step.action);
        EXPECT_EQ(bar->value(), step.top);
    }
    EXPECT_EQ(scrolls.count(), 6);

    // Dragging the thumb scrolls to where it is.
    bar->setSliderPosition(9);
    EXPECT_EQ(grid->SBGetValue(1), 9);
    EXPECT_EQ(scrolls.count(), 7);
}

TEST(GridMessages, ScrollingCommitsTheOpenEdit)
{
    auto grid = makeGrid();
    grid->SetAllowEdit(true);
    grid->ForceCellEdit(1, 0, false);
    ASSERT_TRUE(grid->EditPending());
    wheel(*grid, -120);
    EXPECT_FALSE(grid->EditPending());
}

TEST(GridMessages, MouseEnterOnTheFirstMoveAndLeaveOnce)
{
    auto grid = makeGrid();
    grid->SetCellHandPointer(1, 0, true);
    QSignalSpy enters(grid.get(), &QvGrid::MouseEnter);
    QSignalSpy leaves(grid.get(), &QvGrid::MouseLeave);
    qint32 movesBeforeEnter = -1;
    qint32 moves = 0;
    QObject::connect(grid.get(), &QvGrid::MouseMove, [&](qint16&, qint16&, float&, float&) { ++moves; });
    QObject::connect(grid.get(), &QvGrid::MouseEnter, [&] { movesBeforeEnter = moves; });

    move(*grid, QPoint(50, grid->GetRowTop(1, -1) + 5));
    move(*grid, QPoint(60, grid->GetRowTop(1, -1) + 5));
    EXPECT_EQ(enters.count(), 1);
    // The host hears MouseMove first.
    EXPECT_EQ(movesBeforeEnter, 1);
    EXPECT_EQ(grid->MousePointer(), 99);

    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(grid.get(), &leave);
    QApplication::sendEvent(grid.get(), &leave);
    EXPECT_EQ(leaves.count(), 1);
    EXPECT_EQ(grid->MousePointer(), 0);
    EXPECT_EQ(grid->HotHeader, -1);

    move(*grid, QPoint(50, 100));
    EXPECT_EQ(enters.count(), 2);
}

TEST(GridMessages, FocusRectHideTakesTheFocusFrameAwayWithTheFocus)
{
    auto grid = makeGrid();
    grid->SetFocusRectMode(1);
    grid->RowColSet(2, 0);
    auto focus = [&](QEvent::Type type) {
        const qint32 before = grid->paintPasses();
        QFocusEvent event(type, Qt::OtherFocusReason);
        QApplication::sendEvent(grid.get(), &event);
        return grid->paintPasses() - before;
    };
    EXPECT_EQ(focus(QEvent::FocusOut), 0);
    const QImage framed = grid->Surface().copy();
    grid->SetFocusRectHide(true);
    // Wherever the mouse is and whatever the locale.
    for (const bool mouseInside : {false, true}) {
        if (mouseInside)
            move(*grid, QPoint(50, 100));
        EXPECT_EQ(focus(QEvent::FocusOut), 1);
        EXPECT_NE(grid->Surface(), framed);
        EXPECT_EQ(focus(QEvent::FocusIn), 1);
        EXPECT_EQ(grid->Surface(), framed);
    }
}
