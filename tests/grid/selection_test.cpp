// The current cell and the selected rows: RowColSet with its events and refusals, Row and Col
// through the column order, the mouse position members and the selection clearing members.

#include "grid/GridTestSupport.h"
#include "grid/QvGrid.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

using namespace grid;
using namespace gridtest;

namespace {

constexpr int RowCount = 30;

// A shown grid of four text columns A..D and RowCount rows; only a part of them fits.
std::unique_ptr<QvGrid> makeGrid(int rows = RowCount)
{
    auto grid = std::make_unique<QvGrid>();
    grid->resize(420, 240);
    grid->CalcRowMetrics();
    for (const char* caption : {"A", "B", "C", "D"})
        grid->AddColumn(caption, 1200, 0, ColText, {}, {}, 0, false);
    for (qint32 r = 0; r < rows; ++r)
        grid->AddItem(QStringLiteral("a%1\tb%1\tc%1\td%1").arg(r));
    showPainted(*grid);
    return grid;
}

} // namespace

TEST(GridSelection, RowColSetMakesTheCellCurrentAndItsRowTheOnlySelected)
{
    auto grid = makeGrid();
    for (const qint32 r : {1, 4, 7})
        grid->SetRowSelected(r, true);
    CurrentCellEvents log(*grid);
    grid->RowColSet(3, 2);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Col(), 2);
    EXPECT_EQ(selectedRows(*grid), std::vector<qint32>{3});
    EXPECT_EQ(log.names, QStringList({"RowColChanged", "SelectionChanged"}));

    // The same cell again changes nothing and raises nothing.
    log.names.clear();
    grid->RowColSet(3, 2);
    EXPECT_TRUE(log.names.isEmpty());

    // -1 keeps the row; a column of -1 leaves none current, as the Row Let does.
    grid->RowColSet(-1, 1);
    EXPECT_EQ(grid->Row(), 3);
    EXPECT_EQ(grid->Col(), 1);
    grid->RowColSet(5, -1);
    EXPECT_EQ(grid->Col(), -1);
    grid->SetRow(6);
    EXPECT_EQ(grid->Row(), 6);
    EXPECT_EQ(grid->Col(), -1);
    grid->SetCol(3);
    EXPECT_EQ(grid->Row(), 6);
    EXPECT_EQ(grid->Col(), 3);

    // A row past the last is the last.
    grid->RowColSet(500, 0);
    EXPECT_EQ(grid->Row(), RowCount - 1);
    EXPECT_EQ(selectedRows(*grid), std::vector<qint32>{RowCount - 1});
}

TEST(GridSelection, RowColSetRefusesHiddenRowsAndColumns)
{
    auto grid = makeGrid();
    grid->RowColSet(2, 1);
    grid->store().Column(3).Visible = false;
    grid->SetRowVisible(8, false);
    CurrentCellEvents log(*grid);

    grid->RowColSet(5, 3);
    grid->RowColSet(8, 0);
    grid->RowColSet(5, 9);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->Col(), 1);
    EXPECT_EQ(selectedRows(*grid), std::vector<qint32>{2});
    EXPECT_TRUE(log.names.isEmpty());

    // An empty grid takes nothing.
    auto empty = std::make_unique<QvGrid>();
    empty->RowColSet(0, -1);
    EXPECT_EQ(empty->Row(), -1);
    EXPECT_EQ(empty->Col(), 0);
}

TEST(GridSelection, ColumnsAreIndexesReadThroughTheOrder)
{
    auto grid = makeGrid();
    grid->store().SetColOrder({2, 0, 3, 1});
    grid->RowColSet(1, 3);
    EXPECT_EQ(grid->Col(), 3);
    EXPECT_EQ(grid->store().CurCol(), 2);

    // The pointer's column likewise: over the first column shown the index is 2.
    QRect first;
    grid->GetColRect(0, first);
    const QPoint point(first.left() + 5, grid->layoutMetrics().HeaderHeight + grid->RowHeightPx() * 2 + 3);
    sendMouse(*grid, QEvent::MouseMove, point, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(grid->MouseRow(), 2);
    EXPECT_EQ(grid->MouseCol(), 2);
}

TEST(GridSelection, RowColSetScrollsTheRowIntoView)
{
    auto grid = makeGrid(40); // rows enough below row 21 that the scrolling is not capped
    ASSERT_TRUE(grid->SBGetVisible(1));
    ASSERT_LT(grid->RowLastVisible(), 20);
    grid->RowColSet(20, 0);
    // Past the rows drawn the row becomes the top row.
    EXPECT_EQ(grid->SBGetValue(1), 20);
    grid->RowColSet(21, 0);
    EXPECT_EQ(grid->SBGetValue(1), 20);
}

TEST(GridSelection, ClearingTheSelection)
{
    auto grid = makeGrid(1);
    grid->RowColSet(0, 0);
    ASSERT_EQ(grid->SelectedCount(), 1);
    // A one-row grid is cleared too.
    const qint32 passes = grid->paintPasses();
    grid->RowUnSelect();
    EXPECT_EQ(grid->SelectedCount(), 0);
    EXPECT_GT(grid->paintPasses(), passes);

    auto many = makeGrid();
    for (const qint32 r : {0, 9, 29})
        many->SetRowSelected(r, true);
    EXPECT_EQ(many->SelectedCount(), 3);
    QSignalSpy changed(many.get(), &QvGrid::SelectionChanged);
    const qint32 before = many->paintPasses();
    many->SelectedClearAll();
    EXPECT_EQ(many->SelectedCount(), 0);
    EXPECT_EQ(many->paintPasses(), before);
    EXPECT_EQ(changed.count(), 0);

    auto empty = std::make_unique<QvGrid>();
    EXPECT_EQ(empty->SelectedCount(), 0);
    empty->RowUnSelect();
    EXPECT_EQ(empty->SelectedCount(), 0);
}

TEST(GridSelection, DeletingTheSelectedRowsMakesTheFirstCurrent)
{
    auto grid = makeGrid(6);
    grid->SetMultiSelect(1);
    grid->RowColSet(4, 0);
    grid->SetRowSelected(1, true);
    grid->store().DeleteSelected();
    EXPECT_EQ(grid->Rows(), 4);
    EXPECT_EQ(grid->Row(), 0);
    EXPECT_EQ(grid->Col(), -1);
    EXPECT_EQ(selectedRows(*grid), std::vector<qint32>{0});
}
