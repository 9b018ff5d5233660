// The grid's mouse: check boxes, the click's selection, locked rows, header sorting, divider
// resizing and auto-sizing, column swap and drag, drag selection with auto-scroll, the hand
// pointer and file drops.

#include "grid/GridTestSupport.h"
#include "grid/ImageList.h"
#include "grid/QvGrid.h"

#include <QApplication>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

using namespace grid;
using namespace gridtest;

namespace {

constexpr int RowCount = 40;

// A shown, borderless grid of three 100 px columns A (text), B (check box), C (button) and
// RowCount rows "r<n>\tFalse\tgo"; HeaderHeight 32, rows 22 px, painting on.
std::unique_ptr<QvGrid> makeGrid(const QStringList& firstColumn = {})
{
    auto grid = std::make_unique<QvGrid>();
    useBorderlessSixteenPixelFonts(*grid);
    grid->resize(400, 300);
    // The check box size follows the row height one call late.
    grid->CalcRowMetrics();
    grid->CalcRowMetrics();
    grid->AddColumn("A", 1500, 0, ColText, {}, {}, 0, false);
    grid->AddColumn("B", 1500, 0, ColCheckBox, {}, {}, 0, false);
    grid->AddColumn("C", 1500, 0, ColPushButton, {}, {}, 0, false);
    for (qint32 c = 0; c < 3; ++c)
        grid->store().Column(c).WidthPx = 100;
    for (qint32 r = 0; r < RowCount; ++r) {
        const QString first = r < firstColumn.size() ? firstColumn[r] : QStringLiteral("r%1").arg(r);
        grid->AddItem(first + QStringLiteral("\tFalse\tgo"));
    }
    showPainted(*grid);
    return grid;
}

void hover(QvGrid& grid, QPoint at) { sendMouse(grid, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); }
void press(QvGrid& grid, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    sendMouse(grid, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, modifiers);
}
void drag(QvGrid& grid, QPoint at) { sendMouse(grid, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
void release(QvGrid& grid, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    sendMouse(grid, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, modifiers);
}
void click(QvGrid& grid, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    hover(grid, at);
    press(grid, at, modifiers);
    release(grid, at, modifiers);
}

// The centre of the cell at display row Row and display position Position.
QPoint cellCentre(const QvGrid& grid, qint32 Row, qint32 Position)
{
    QRect column;
    grid.GetColRect(Position, column);
    return {column.left() + 50, grid.GetRowTop(Row, -1) + 11};
}

QPoint headerCentre(const QvGrid& grid, qint32 Position) { return {cellCentre(grid, 0, Position).x(), 16}; }

QStringList firstColumnTexts(const QvGrid& grid, qint32 Rows)
{
    QStringList texts;
    for (qint32 r = 0; r < Rows; ++r)
        texts << grid.CellText(r, 0);
    return texts;
}

} // namespace

TEST(GridMouse, RowCheckBoxTogglesWithoutTouchingTheSelection)
{
    auto grid = makeGrid();
    grid->SetRowCheckBoxes(true);
    grid->CalcRowMetrics();
    grid->RowColSet(2, 0);
    QSignalSpy checks(grid.get(), &QvGrid::RowCheckChanged);
    QSignalSpy selection(grid.get(), &QvGrid::SelectionChanged);

    const QPoint box(5, grid->GetRowTop(4, -1) + 11);
    click(*grid, box);
    EXPECT_TRUE(grid->RowChecked(4));
    click(*grid, box);
    EXPECT_FALSE(grid->RowChecked(4));

    ASSERT_EQ(checks.count(), 2);
    EXPECT_EQ(checks[0][0].toInt(), 4);
    EXPECT_EQ(selection.count(), 0);
    EXPECT_EQ(grid->Row(), 2);
    EXPECT_EQ(grid->SelectedCount(), 1);
    EXPECT_FALSE(grid->RowSelected(4));
}

TEST(GridMouse, CellCheckBoxTogglesUnlessAnEventCancels)
{
    struct Case {
        bool cancelBefore;
        bool cancelAfter;
        bool checked;
        QStringList events;
    };
    const Case cases[] = {
        {false, false, true, {"BeforeEdit 3 1", "AfterEdit 3 1 True"}},
        {true, false, false, {"BeforeEdit 3 1"}},
        {false, true, false, {"BeforeEdit 3 1", "AfterEdit 3 1 True"}},
    };
    for (const Case& c : cases) {
        auto grid = makeGrid();
        grid->SetAllowEdit(true);
        QStringList events;
        QObject::connect(grid.get(), &QvGrid::BeforeEdit, [&](qint32 row, qint32 col, bool& cancel) {
            events << QStringLiteral("BeforeEdit %1 %2").arg(row).arg(col);
            cancel = c.cancelBefore;
        });
        QObject::connect(grid.get(), &QvGrid::AfterEdit, [&](qint32 row, qint32 col, QString& text, bool& cancel) {
            // Nothing is written before the host has let the new value stand.
            EXPECT_FALSE(grid->CellChecked(3, 1));
            events << QStringLiteral("AfterEdit %1 %2 %3").arg(row).arg(col).arg(text);
            cancel = c.cancelAfter;
        });
        // The box sits at the cell's top left, one pixel in and two down.
        QRect column;
        grid->GetColRect(1, column);
        click(*grid, {column.left() + 6, grid->GetRowTop(3, -1) + 6});

        EXPECT_EQ(events, c.events);
        EXPECT_EQ(grid->CellChecked(3, 1), c.checked);
        EXPECT_EQ(grid->CellText(3, 1), c.checked ? "True" : "False");
        EXPECT_EQ(grid->store().RowChanged(3), c.checked);
        EXPECT_EQ(grid->CellsChanged(), c.checked);
    }
}

TEST(GridMouse, CellCheckBoxIgnoresClicksBesideTheBoxAndWithoutEditing)
{
    auto grid = makeGrid();
    click(*grid, cellCentre(*grid, 3, 1) - QPoint(44, 5));
    EXPECT_FALSE(grid->CellChecked(3, 1));
    grid->SetAllowEdit(true);
    click(*grid, cellCentre(*grid, 3, 1) + QPoint(20, 0));
    EXPECT_FALSE(grid->CellChecked(3, 1));
    EXPECT_EQ(grid->Row(), 3);
}

TEST(GridMouse, ClickSelectionFollowsMultiSelectAndModifiers)
{
    struct Case {
        qint32 multiSelect;
        Qt::KeyboardModifiers modifiers;
        std::vector<qint32> selected;
    };
    // The current row is 2 and row 1 is selected with it before the click on row 5.
    const Case cases[] = {
        {0, Qt::NoModifier, {5}},
        {0, Qt::ControlModifier, {5}},
        {1, Qt::NoModifier, {5}},
        {1, Qt::ShiftModifier, {2, 3, 4, 5}},
        {1, Qt::ControlModifier, {1, 2, 5}},
        {2, Qt::NoModifier, {1, 2, 5}},
    };
    for (const Case& c : cases) {
        auto grid = makeGrid();
        grid->SetMultiSelect(c.multiSelect);
        grid->RowColSet(2, 0);
        grid->SetRowSelected(1, true);
        QSignalSpy selection(grid.get(), &QvGrid::SelectionChanged);
        click(*grid, cellCentre(*grid, 5, 0), c.modifiers);
        std::vector<qint32> selected;
        for (qint32 r = 0; r < grid->Rows(); ++r)
            if (grid->RowSelected(r))
                selected.push_back(r);
        EXPECT_EQ(selected, c.selected) << c.multiSelect << " " << int(c.modifiers);
        EXPECT_EQ(grid->Row(), 5);
        EXPECT_GE(selection.count(), 1);
    }
}

TEST(GridMouse, LockedRowRefusesThePressAndAnswersTheReleaseWithColumnClick)
{
    auto grid = makeGrid();
    grid->RowColSet(1, 0);
    grid->SetRowLocked(3, true);
    qint32 downs = 0;
    qint32 ups = 0;
    QObject::connect(grid.get(), &QvGrid::MouseDown, [&](qint16&, qint16&, float&, float&) { ++downs; });
    QObject::connect(grid.get(), &QvGrid::MouseUp, [&](qint16&, qint16&, float&, float&) { ++ups; });
    QSignalSpy columnClicks(grid.get(), &QvGrid::ColumnClick);

    const QPoint locked = cellCentre(*grid, 3, 2);
    hover(*grid, locked);
    press(*grid, locked);
    EXPECT_EQ(downs, 0);
    EXPECT_EQ(grid->Row(), 1);
    release(*grid, locked);
    EXPECT_EQ(ups, 0);
    ASSERT_EQ(columnClicks.count(), 1);
    EXPECT_EQ(columnClicks[0][0].toInt(), 2);
    EXPECT_EQ(grid->Row(), 1);

    // A press elsewhere works as usual.
    click(*grid, cellCentre(*grid, 4, 0));
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(grid->Row(), 4);
}

TEST(GridMouse, HeaderClickCyclesTheSortState)
{
    auto grid = makeGrid({"b", "c", "a"});
    grid->SetAllowColumnSort(true);
    QSignalSpy columnClicks(grid.get(), &QvGrid::ColumnClick);
    struct Step {
        qint32 state;
        QStringList order;
    };
    const Step steps[] = {
        {2, {"a", "b", "c"}},
        {1, {"r9", "r8", "r7"}},
        {0, {"b", "c", "a"}},
    };
    for (const Step& step : steps) {
        click(*grid, headerCentre(*grid, 0));
        EXPECT_EQ(grid->store().Columns()[0].SortState, step.state);
        EXPECT_EQ(firstColumnTexts(*grid, 3), step.order);
    }
    EXPECT_EQ(columnClicks.count(), 3);
    EXPECT_EQ(columnClicks[0][0].toInt(), 0);
}

TEST(GridMouse, HeaderClickSortsTheColumnShownThereAfterAMove)
{
    auto grid = makeGrid({"b", "c", "a"});
    grid->SetAllowColumnSort(true);
    grid->store().SetColOrder({2, 0, 1});
    grid->Refresh();
    QSignalSpy columnClicks(grid.get(), &QvGrid::ColumnClick);

    for (const qint32 state : {2, 1, 0}) {
        click(*grid, headerCentre(*grid, 1));
        EXPECT_EQ(grid->store().Columns()[0].SortState, state);
        EXPECT_EQ(grid->store().Columns()[1].SortState, 0);
        // The sorted column becomes the current one.
        EXPECT_EQ(grid->Col(), 0);
        if (state == 2) {
            EXPECT_EQ(grid->SortCol1, 0);
            EXPECT_EQ(firstColumnTexts(*grid, 3), (QStringList{"a", "b", "c"}));
        }
    }
    ASSERT_EQ(columnClicks.count(), 3);
    EXPECT_EQ(columnClicks[0][0].toInt(), 0);
}

TEST(GridMouse, HeaderPressReleasedOverAnotherHeaderSortsNothing)
{
    auto grid = makeGrid({"b", "c", "a"});
    grid->SetAllowColumnSort(true);
    QSignalSpy columnClicks(grid.get(), &QvGrid::ColumnClick);
    hover(*grid, headerCentre(*grid, 0));
    press(*grid, headerCentre(*grid, 0));
    drag(*grid, headerCentre(*grid, 1));
    release(*grid, headerCentre(*grid, 1));
    EXPECT_EQ(grid->store().Columns()[0].SortState, 0);
    EXPECT_EQ(firstColumnTexts(*grid, 3), (QStringList{"b", "c", "a"}));
    ASSERT_EQ(columnClicks.count(), 1);
    EXPECT_EQ(columnClicks[0][0].toInt(), 1);
}

TEST(GridMouse, DraggingAColumnDividerResizesTheColumn)
{
    auto grid = makeGrid();
    grid->SetAllowColumnSort(true);
    QSignalSpy sizes(grid.get(), &QvGrid::ColumnSizeChanged);
    const QPoint divider(100, 16);
    hover(*grid, divider + QPoint(0, 1));
    hover(*grid, divider);
    EXPECT_EQ(grid->MousePointer(), 9);
    press(*grid, divider);
    drag(*grid, divider + QPoint(30, 0));
    // Narrower than 5 px is refused.
    drag(*grid, QPoint(4, 16));
    release(*grid, QPoint(4, 16));
    EXPECT_EQ(grid->store().Columns()[0].WidthPx, 130);
    ASSERT_EQ(sizes.count(), 1);
    EXPECT_EQ(sizes[0][0].toInt(), 0);
    // The press started a resize, not a sort.
    EXPECT_EQ(grid->store().Columns()[0].SortState, 0);

    // Off the divider the pointer is the arrow again and a press resizes nothing.
    hover(*grid, QPoint(60, 16));
    EXPECT_EQ(grid->MousePointer(), 0);
    press(*grid, QPoint(60, 16));
    drag(*grid, QPoint(90, 16));
    release(*grid, QPoint(90, 16));
    EXPECT_EQ(grid->store().Columns()[0].WidthPx, 130);
}

TEST(GridMouse, DoubleClickOnADividerSizesTheColumnToItsContent)
{
    auto grid = makeGrid();
    QSignalSpy doubleClicks(grid.get(), &QvGrid::DblClick);
    const QPoint divider(100, 16);
    hover(*grid, divider);
    ASSERT_EQ(grid->MousePointer(), 9);
    press(*grid, divider);
    release(*grid, divider);
    sendMouse(*grid, QEvent::MouseButtonDblClick, divider, Qt::LeftButton, Qt::LeftButton);
    release(*grid, divider);
    EXPECT_LT(grid->store().Columns()[0].WidthPx, 100);
    EXPECT_EQ(doubleClicks.count(), 0);

    // On a row the double-click is the host's.
    click(*grid, cellCentre(*grid, 1, 0));
    sendMouse(*grid, QEvent::MouseButtonDblClick, cellCentre(*grid, 1, 0), Qt::LeftButton, Qt::LeftButton);
    release(*grid, cellCentre(*grid, 1, 0));
    EXPECT_EQ(doubleClicks.count(), 1);
}

TEST(GridMouse, DraggingARowDividerResizesTheRow)
{
    auto grid = makeGrid();
    grid->SetAllowRowResizing(true);
    const qint32 line = grid->GetRowTop(1, -1);
    hover(*grid, {50, line - 5});
    hover(*grid, {50, line + 1});
    EXPECT_EQ(grid->MousePointer(), 7);
    press(*grid, {50, line + 1});
    drag(*grid, {50, line + 11});
    release(*grid, {50, line + 11});
    EXPECT_EQ(grid->store().RowAt(0).Height, 32);
    // No higher than the default height: unchanged.
    const qint32 before = grid->store().RowAt(2).Height;
    const qint32 second = grid->GetRowTop(3, -1);
    hover(*grid, {50, second});
    press(*grid, {50, second});
    drag(*grid, {50, second - 10});
    release(*grid, {50, second - 10});
    EXPECT_EQ(grid->store().RowAt(2).Height, before);
}

TEST(GridMouse, HeaderSwapAndDragReorderTheColumns)
{
    struct Case {
        bool swap;
        QList<qint32> order;
    };
    for (const Case& c : {Case{true, {2, 1, 0}}, Case{false, {1, 2, 0}}}) {
        auto grid = makeGrid();
        if (c.swap)
            grid->SetAllowColumnSwap(true);
        else
            grid->SetAllowColumnDrag(true);
        QSignalSpy orders(grid.get(), &QvGrid::ColumnOrderChanged);
        hover(*grid, headerCentre(*grid, 0));
        press(*grid, headerCentre(*grid, 0));
        drag(*grid, headerCentre(*grid, 0) + QPoint(10, 0));
        drag(*grid, headerCentre(*grid, 2));
        release(*grid, headerCentre(*grid, 2));
        EXPECT_EQ(grid->store().ColOrder(), c.order) << c.swap;
        ASSERT_EQ(orders.count(), 1);
        EXPECT_EQ(orders[0][0].toInt(), 2);
        EXPECT_EQ(orders[0][1].toInt(), 0);
    }
}

TEST(GridMouse, DraggingOverRowsSelectsFromTheAnchor)
{
    auto grid = makeGrid();
    grid->SetMultiSelect(1);
    QSignalSpy selection(grid.get(), &QvGrid::SelectionChanged);
    hover(*grid, cellCentre(*grid, 1, 0));
    press(*grid, cellCentre(*grid, 1, 0));
    drag(*grid, cellCentre(*grid, 3, 0));
    drag(*grid, cellCentre(*grid, 4, 0));
    release(*grid, cellCentre(*grid, 4, 0));
    EXPECT_EQ(grid->SelectedCount(), 4);
    EXPECT_TRUE(grid->RowSelected(1));
    EXPECT_TRUE(grid->RowSelected(4));
    EXPECT_EQ(grid->Row(), 4);
    EXPECT_GE(selection.count(), 2);
}

TEST(GridMouse, DraggingBelowTheRowsScrollsEvery25MsUntilRelease)
{
    auto grid = makeGrid();
    qint64 now = 0;
    grid->SetTickSource([&now] { return now; });
    hover(*grid, cellCentre(*grid, 1, 0));
    press(*grid, cellCentre(*grid, 1, 0));
    const QPoint below(50, grid->viewport()->height() + 10);
    drag(*grid, below);
    const qint32 first = grid->SBGetValue(1);
    EXPECT_EQ(first, 1);
    QTest::qWait(60);
    EXPECT_EQ(grid->SBGetValue(1), first);
    now += 25;
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->SBGetValue(1) == first + 1; }));
    now += 25;
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->SBGetValue(1) == first + 2; }));
    release(*grid, below);
    now += 100;
    QTest::qWait(80);
    EXPECT_EQ(grid->SBGetValue(1), first + 2);
}

TEST(GridMouse, ClickReportsTheDisplayPositionAndHeaderClicksRaiseNoClick)
{
    auto grid = makeGrid();
    grid->store().SetColOrder({2, 0, 1});
    grid->Refresh();
    QSignalSpy clicks(grid.get(), &QvGrid::Click);
    QList<QPair<qint32, qint32>> cellClicks;
    QObject::connect(grid.get(), &QvGrid::CellClick, [&](qint32 row, qint32 col, qint16&) { cellClicks << qMakePair(row, col); });
    QSignalSpy columnClicks(grid.get(), &QvGrid::ColumnClick);
    click(*grid, cellCentre(*grid, 1, 1));
    EXPECT_EQ(cellClicks, (QList<QPair<qint32, qint32>>{{1, 1}}));
    ASSERT_EQ(columnClicks.count(), 1);
    EXPECT_EQ(columnClicks[0][0].toInt(), 0);
    EXPECT_EQ(grid->Col(), 0);

    click(*grid, headerCentre(*grid, 1));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(cellClicks.count(), 1);
}

TEST(GridMouse, HandCellsShowTheHandAndReportTheirClicks)
{
    auto grid = makeGrid();
    grid->SetCellHandPointer(2, 0, true);
    QList<qint32> handClicks;
    QObject::connect(grid.get(), &QvGrid::CellHandClick, [&](qint32 row, qint32, qint16&) { handClicks << row; });
    hover(*grid, cellCentre(*grid, 2, 0));
    EXPECT_EQ(grid->MousePointer(), 99);
    EXPECT_TRUE(grid->MousePointerIsCustom());
    EXPECT_EQ(grid->viewport()->cursor().shape(), Qt::PointingHandCursor);
    click(*grid, cellCentre(*grid, 2, 0));
    EXPECT_EQ(handClicks, QList<qint32>{2});
    hover(*grid, cellCentre(*grid, 2, 1));
    EXPECT_EQ(grid->MousePointer(), 0);
    click(*grid, cellCentre(*grid, 2, 1));
    EXPECT_EQ(handClicks.count(), 1);
}

TEST(GridMouse, ButtonCellsReportTheirClicks)
{
    auto grid = makeGrid();
    QSignalSpy buttons(grid.get(), &QvGrid::CellButtonClick);
    click(*grid, cellCentre(*grid, 6, 2));
    ASSERT_EQ(buttons.count(), 1);
    EXPECT_EQ(buttons[0][0].toInt(), 6);
    EXPECT_EQ(buttons[0][1].toInt(), 2);
}

TEST(GridMouse, DroppedFileGoesIntoTheCellUnlessLocked)
{
    auto grid = makeGrid();
    grid->SetAllowEdit(true);
    grid->store().SetColOrder({2, 0, 1});
    grid->Refresh();
    grid->SetRowLocked(4, true);
    grid->store().Column(1).Locked = true;
    const QString path = QStringLiteral("/tmp/slip.pdf");
    auto drop = [&](QPoint at) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &enter);
        QDropEvent event(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &event);
    };
    drop(cellCentre(*grid, 3, 1));
    EXPECT_EQ(grid->CellText(3, 0), path);
    EXPECT_EQ(grid->CellText(3, 2), "go");
    drop(cellCentre(*grid, 4, 1));
    EXPECT_EQ(grid->CellText(4, 0), "r4");
    drop(cellCentre(*grid, 5, 2));
    EXPECT_EQ(grid->CellText(5, 1), "False");
    grid->SetAllowEdit(false);
    drop(cellCentre(*grid, 6, 1));
    EXPECT_EQ(grid->CellText(6, 0), "r6");
}

TEST(GridMouse, CellImagesReportClicksOnTheImageOnly)
{
    auto grid = makeGrid();
    ImageList images(QSize(16, 16));
    images.Add(filled(Qt::red, {16, 16}));
    grid->SetImageList(&images);
    grid->CalcRowMetrics();
    grid->store().SetColOrder({2, 0, 1});
    grid->Refresh();
    grid->SetCellImage(2, 0, 1);
    QList<QPair<qint32, qint32>> imageClicks;
    QObject::connect(grid.get(), &QvGrid::CellImageClick,
                     [&](qint32 row, qint32 col) { imageClicks << qMakePair(row, col); });
    QSignalSpy columnClicks(grid.get(), &QvGrid::ColumnClick);

    // The image sits at the cell's top left, one pixel in and two down.
    QRect column;
    grid->GetColRect(1, column);
    click(*grid, {column.left() + 8, grid->GetRowTop(2, -1) + 8});
    click(*grid, {column.left() + 60, grid->GetRowTop(2, -1) + 8});
    EXPECT_EQ(imageClicks, (QList<QPair<qint32, qint32>>{{2, 0}}));
    EXPECT_EQ(columnClicks.count(), 2);
}

TEST(GridMouse, TheHeaderUnderTheMouseIsHot)
{
    auto grid = makeGrid();
    hover(*grid, headerCentre(*grid, 1));
    EXPECT_EQ(grid->HotHeader, 1);
    hover(*grid, headerCentre(*grid, 2));
    EXPECT_EQ(grid->HotHeader, 2);
    hover(*grid, cellCentre(*grid, 1, 2));
    EXPECT_EQ(grid->HotHeader, -1);
    grid->SetAllowColumnHover(false);
    hover(*grid, headerCentre(*grid, 1));
    EXPECT_EQ(grid->HotHeader, -1);
}

TEST(GridMouse, RightPressSelectsTheRowUnlessItIsPartOfAMultiSelection)
{
    for (const qint32 multiSelect : {0, 1}) {
        auto grid = makeGrid();
        grid->SetMultiSelect(multiSelect);
        grid->RowColSet(2, 0);
        grid->SetRowSelected(5, true);
        sendMouse(*grid, QEvent::MouseButtonPress, cellCentre(*grid, 5, 1), Qt::RightButton, Qt::RightButton);
        sendMouse(*grid, QEvent::MouseButtonRelease, cellCentre(*grid, 5, 1), Qt::RightButton, Qt::NoButton);
        EXPECT_EQ(grid->Row(), multiSelect == 0 ? 5 : 2) << multiSelect;
        EXPECT_EQ(grid->SelectedCount(), multiSelect == 0 ? 1 : 2) << multiSelect;
    }
}

TEST(GridMouse, ClickOrDoubleClickOpensTheEditorAsEditTriggerSays)
{
    struct Case {
        qint32 trigger;
        bool doubleClick;
        bool opens;
    };
    const Case cases[] = {{8, false, true}, {52, false, false}, {52, true, true}, {8, true, true}, {4, true, false}};
    for (const Case& c : cases) {
        auto grid = makeGrid();
        grid->SetAllowEdit(true);
        grid->SetEditTrigger(c.trigger);
        const QPoint cell = cellCentre(*grid, 3, 0);
        click(*grid, cell);
        if (c.doubleClick) {
            // With trigger 8 the first click of the double-click has opened the editor already.
            sendMouse(*grid, QEvent::MouseButtonDblClick, cell, Qt::LeftButton, Qt::LeftButton);
            release(*grid, cell);
        }
        EXPECT_EQ(grid->EditPending(), c.opens) << c.trigger << " " << c.doubleClick;
    }
}
