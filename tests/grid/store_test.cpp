// The grid store: columns, rows, display orders, totals, the current row and the value readings.

#include "grid/GridStore.h"
#include "grid/GridTestSupport.h"

#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <algorithm>
#include <functional>
#include <numeric>
#include <random>

using namespace grid;
using namespace gridtest;

namespace {

qint32 addTextColumn(GridStore& store, const QString& caption, qint32 index = 0, qint32 type = ColText)
{
    return store.AddColumn(caption, 1000, 4, type, {}, {}, 4, false, index);
}

// A store of columns A, B, C (C a check box) and rows "1\t10\t0", "2\t20\t1", "3\t30\t0".
GridStore threeByThree()
{
    GridStore store;
    store.SetDefaultLook(RGB(255, 255, 255), RGB(0, 0, 0), QStringLiteral("Tahoma"));
    addTextColumn(store, "A");
    addTextColumn(store, "B", 0, ColNumber);
    addTextColumn(store, "C", 0, ColCheckBox);
    for (int i = 1; i <= 3; ++i)
        store.AddRow(QStringLiteral("%1\t%2\t%3").arg(i).arg(i * 10).arg(i == 2 ? 1 : 0));
    return store;
}

QString textAt(const GridStore& store, qint32 Row, qint32 Col) { return store.RowAt(Row).Cells[Col].Text; }

QStringList firstColumn(const GridStore& store)
{
    QStringList texts;
    for (qint32 d = 0; d <= store.LastRow(); ++d)
        texts << textAt(store, d, 0);
    return texts;
}

// Checks every invariant of the store against a recount.
void expectConsistent(const GridStore& store)
{
    const qint32 rows = store.Rows();
    ASSERT_GE(store.Capacity(), std::max(rows, 1));
    std::vector<qint32> order(store.RowOrder().begin(), store.RowOrder().begin() + rows);
    std::sort(order.begin(), order.end());
    std::vector<qint32> identity(rows);
    std::iota(identity.begin(), identity.end(), 0);
    EXPECT_EQ(order, identity) << "RowOrder is not a permutation";

    EXPECT_GE(store.CurRow(), -1);
    EXPECT_LE(store.CurRow(), store.LastRow());

    qint32 cells = 0;
    for (qint32 c = 0; c < store.Cols(); ++c) {
        double sum = 0;
        for (qint32 d = 0; d < rows; ++d) {
            ASSERT_EQ(store.RowAt(d).Cells.size(), store.Cols());
            sum += GridStore::rVal(textAt(store, d, c));
            ++cells;
        }
        EXPECT_NEAR(store.Totals()[c], sum, 1e-6) << "column " << c;
    }
    qint32 used = 0;
    for (qint32 i = 0; i < store.CellFormats().Count(); ++i)
        used += store.CellFormats().at(i).UseCount;
    EXPECT_EQ(used, cells);
}

class GridStorePointLocale : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(QLocale::system()); }
};

} // namespace

TEST(GridStoreColumns, DisplayPositionOfANewColumn)
{
    struct Case {
        qint32 existing;
        qint32 index;
        qint32 position;
        QList<qint32> order;
    };
    const Case cases[] = {
        {0, 0, 0, {0}},
        {0, 3, 0, {0}},
        {3, 1, 1, {0, 3, 1, 2}},
        {3, 2, 2, {0, 1, 3, 2}},
        {3, 0, 3, {0, 1, 2, 3}},
        {3, 5, 3, {0, 1, 2, 3}},
        {3, -1, 3, {0, 1, 2, 3}},
    };
    for (const Case& test : cases) {
        GridStore store;
        for (qint32 i = 0; i < test.existing; ++i)
            addTextColumn(store, "x");
        EXPECT_EQ(addTextColumn(store, "new", test.index), test.position) << test.existing << "/" << test.index;
        EXPECT_EQ(store.ColOrder(), test.order);
        EXPECT_EQ(store.Columns().last().Heading, "new");
    }
}

TEST(GridStoreColumns, StoresTheColumnRecord)
{
    GridStore store;
    store.SetHooks({.ScaleXToPixels = [](double twips) { return twips / 15; }});
    store.AddColumn("Amount", 1000, 2, ColNumber, "0.00", {}, 1, true, 0, false, true);
    const ColumnInfo& column = store.Columns()[0];
    EXPECT_FLOAT_EQ(column.Width, 1001);
    EXPECT_EQ(column.WidthPx, 67);
    EXPECT_EQ(column.Alignment, 2);
    EXPECT_EQ(column.ImageAlignment, 1);
    EXPECT_EQ(column.ColType, ColNumber);
    EXPECT_EQ(column.Format, "0.00");
    EXPECT_EQ(column.Flags, CellFlag::WordWrap);
    EXPECT_FALSE(column.Visible);
    EXPECT_TRUE(column.Locked);

    // Half pixels round to even.
    store.SetHooks({.ScaleXToPixels = [](double) { return 66.5; }});
    addTextColumn(store, "B");
    EXPECT_EQ(store.Columns()[1].WidthPx, 66);
}

TEST(GridStoreColumns, InputFilterByType)
{
    const struct {
        qint32 type;
        QString given;
        QString stored;
    } cases[] = {
        {ColNumber, {}, "1234567890.-,"},
        {ColDate, {}, "1234567890./-"},
        {ColCheckBox, {}, {}},
        {ColText, {}, {}},
        {ColNumber, ">", ">"},
    };
    for (const auto& test : cases) {
        GridStore store;
        store.AddColumn("x", 100, 4, test.type, {}, test.given, 4, false);
        EXPECT_EQ(store.Columns()[0].InputFilter, test.stored) << test.type;
    }
}

TEST(GridStoreColumns, ValuesBeyondSixteenBitsOverflowAndAddNothing)
{
    GridStore store;
    expectError(runtime::ErrorNumber::Overflow, [&] { store.AddColumn("x", 100, 40000, 0, {}, {}, 4, false); });
    expectError(runtime::ErrorNumber::Overflow, [&] { store.AddColumn("x", 100, 4, 70000, {}, {}, 4, false); });
    EXPECT_EQ(store.Cols(), 0);
    EXPECT_TRUE(store.ColOrder().isEmpty());
}

TEST(GridStoreColumns, ExistingRowsGetACellOfTheNewColumn)
{
    GridStore store = threeByThree();
    const qint32 sharedLook = store.RowAt(0).Cells[0].FormatIndex;
    int redraws = 0;
    QList<bool> redrawFlags;
    store.SetHooks({.RefreshIfRedraw = [&] { ++redraws; }, .SetRedrawFlag = [&](bool on) { redrawFlags << on; }});
    store.AddColumn("D", 500, 1, ColNumber, {}, {}, 4, true);
    for (qint32 d = 0; d < 3; ++d) {
        const CellInfo& cell = store.RowAt(d).Cells[3];
        EXPECT_EQ(cell.Alignment, 1);
        EXPECT_EQ(cell.FormatIndex, sharedLook);
        EXPECT_EQ(cell.Flags, 0);
        EXPECT_TRUE(cell.Text.isEmpty());
    }
    EXPECT_EQ(store.Totals()[3], 0);
    EXPECT_EQ(redrawFlags, (QList<bool>{false, true}));
    EXPECT_EQ(redraws, 1);
    expectConsistent(store);
}

TEST(GridStoreRows, TabTextOnAGridWithoutColumnsMakesOneColumn)
{
    GridStore store;
    store.SetHooks({.VisibleWidth = [] { return 3000.0; }});
    EXPECT_EQ(store.AddRow("a\tb"), 0);
    ASSERT_EQ(store.Cols(), 1);
    EXPECT_FLOAT_EQ(store.Columns()[0].Width, 3001);
    EXPECT_EQ(store.Columns()[0].Alignment, 4);
    EXPECT_EQ(store.Columns()[0].ImageAlignment, 4);
    EXPECT_EQ(textAt(store, 0, 0), "a");
}

TEST(GridStoreRows, TextsAreSplitAtTabsOverTheColumns)
{
    GridStore store;
    for (const char* caption : {"A", "B", "C"})
        addTextColumn(store, caption);
    store.AddRow("1\t2\t3\t4\t5");
    store.AddRow("7");
    EXPECT_EQ(textAt(store, 0, 2), "3");
    EXPECT_EQ(textAt(store, 1, 0), "7");
    EXPECT_TRUE(textAt(store, 1, 1).isEmpty());
    EXPECT_TRUE(textAt(store, 1, 2).isEmpty());
    EXPECT_EQ(store.Totals(), (QList<double>{8, 2, 3}));
}

TEST(GridStoreRows, InsertPositions)
{
    const struct {
        qint32 vRow;
        qint32 position;
        std::vector<qint32> order;
    } cases[] = {
        {0, 0, {3, 0, 1, 2}},
        {2, 2, {0, 1, 3, 2}},
        {-1, 3, {0, 1, 2, 3}},
        {3, 3, {0, 1, 2, 3}},
        {7, 3, {0, 1, 2, 3}},
    };
    for (const auto& test : cases) {
        GridStore store = threeByThree();
        int countChanges = 0;
        store.SetHooks({.RowCountChanged = [&] { ++countChanges; }});
        EXPECT_EQ(store.AddRow("new", test.vRow), test.position) << test.vRow;
        EXPECT_EQ(std::vector<qint32>(store.RowOrder().begin(), store.RowOrder().begin() + 4), test.order);
        EXPECT_EQ(textAt(store, test.position, 0), "new");
        EXPECT_EQ(countChanges, 1);
    }
}

TEST_F(GridStorePointLocale, CheckBoxTexts)
{
    const struct {
        const char* text;
        bool checked;
    } cases[] = {
        {"1", true}, {"-1", true}, {"True", true}, {"2.5", true},
        {"0", false}, {"", false}, {"False", false}, {"abc", false},
    };
    for (const auto& test : cases) {
        GridStore store = threeByThree();
        // Inserted above the others, the flag still lands on the new row.
        const qint32 row = store.AddRow(QStringLiteral("x\t0\t%1").arg(test.text), 0);
        EXPECT_EQ(FlagIsSet(store.RowAt(row).Cells[2].Flags, CellFlag::Checked), test.checked) << test.text;
        EXPECT_FALSE(FlagIsSet(store.RowAt(1).Cells[2].Flags, CellFlag::Checked));
        expectConsistent(store);
    }
}

TEST(GridStoreRows, RowRecordFromTheArguments)
{
    GridStore store;
    store.SetRowHeightPx(18);
    addTextColumn(store, "A");
    store.AddColumn("B", 100, 2, ColText, {}, {}, 4, true);
    QList<qint32> measured;
    store.SetHooks({.CalcRowHeight = [&](qint32 row) { measured << row; }});
    store.AddRow("x\ty", -1, true, true, true, false, 42);
    const RowInfo& row = store.RowAt(0);
    EXPECT_EQ(row.Height, 18);
    EXPECT_EQ(row.RowData, 42);
    EXPECT_EQ(row.Flags, RowFlag::Checked | RowFlag::MarkedAsNew | RowFlag::Locked);
    EXPECT_FALSE(row.Visible);
    EXPECT_TRUE(store.RowAdded(0));
    EXPECT_FALSE(store.RowChanged(0));
    EXPECT_EQ(row.Cells[1].Alignment, 2);
    EXPECT_EQ(row.Cells[1].Flags, CellFlag::WordWrap);
    EXPECT_EQ(measured, (QList<qint32>{0}));
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { store.RowAdded(1); });
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { store.RowChanged(-1); });
}

TEST(GridStoreRows, NewCellsShareTheDefaultLook)
{
    GridStore store;
    store.SetDefaultLook(RGB(1, 2, 3), RGB(4, 5, 6), QStringLiteral("Arial"));
    addTextColumn(store, "A");
    addTextColumn(store, "B");
    store.AddRow("a\tb");
    EXPECT_EQ(store.RowAt(0).Cells[0].FormatIndex, 0);
    EXPECT_EQ(store.RowAt(0).Cells[1].FormatIndex, 0);
    const CellFormat& look = store.CellFormats().at(0);
    EXPECT_EQ(look.UseCount, 2);
    EXPECT_EQ(look.BackColor, RGB(1, 2, 3));
    EXPECT_EQ(look.ForeColor, RGB(4, 5, 6));
    EXPECT_EQ(look.FontName, "Arial");
}

TEST(GridStoreRows, CapacityGrowsAndIsGivenBack)
{
    GridStore store;
    addTextColumn(store, "A");
    EXPECT_EQ(store.Capacity(), 1);
    store.AddRow("1");
    store.AddRow("2");
    EXPECT_EQ(store.Capacity(), 12);
    for (int i = 3; i <= 13; ++i)
        store.AddRow(QString::number(i));
    EXPECT_EQ(store.Capacity(), 24); // doubled rather than 12 + 11
    while (store.Rows() > 12)
        store.RemoveRow(0);
    EXPECT_EQ(store.Capacity(), 24); // 12 spare, but no more than the rows in use
    store.RemoveRow(0);
    EXPECT_EQ(store.Capacity(), 11);
    store.SetCacheIncrement(-5);
    EXPECT_EQ(store.CacheIncrement(), 10);
    store.SetCacheIncrement(0);
    EXPECT_EQ(store.CacheIncrement(), 0);
}

TEST(GridStoreRemoval, RemovesTheRowShownAtADisplayRow)
{
    GridStore store = threeByThree();
    store.SetRowOrder({2, 0, 1}); // as a sort leaves it
    store.RemoveRow(0);
    EXPECT_EQ(firstColumn(store), (QStringList{"1", "2"}));
    expectConsistent(store);

    store.SetCurRow(1);
    store.RemoveRow(-1);
    EXPECT_EQ(firstColumn(store), (QStringList{"1"}));
    EXPECT_EQ(store.CurRow(), 0);
    expectConsistent(store);
}

TEST(GridStoreRemoval, RemovingTheOnlyRowClearsTheGrid)
{
    GridStore store;
    addTextColumn(store, "A");
    store.AddRow("5");
    store.SetCurRow(0);
    store.SetCurCol(0);
    int cleared = 0;
    QList<bool> redrawFlags;
    store.SetHooks({.SetRedrawFlag = [&](bool on) { redrawFlags << on; }, .Cleared = [&] { ++cleared; }});
    store.RemoveRow(0);
    EXPECT_EQ(store.LastRow(), -1);
    EXPECT_EQ(store.CurRow(), -1);
    EXPECT_EQ(store.CurCol(), -1);
    EXPECT_EQ(store.Capacity(), 1);
    EXPECT_EQ(store.Totals(), (QList<double>{0}));
    EXPECT_EQ(cleared, 1);
    EXPECT_EQ(redrawFlags, (QList<bool>{true}));
    store.RemoveRow(0); // an empty grid removes nothing
    store.RemoveRow(-1);
    EXPECT_EQ(store.Cols(), 1);
}

TEST(GridStoreRemoval, SelectionPassesOnOrIsReported)
{
    GridStore store = threeByThree();
    SetFlagBit(store.RowAt(2).Flags, RowFlag::Selected, true);
    store.RemoveRow(2);
    EXPECT_TRUE(FlagIsSet(store.RowAt(1).Flags, RowFlag::Selected));

    store.SetMultiSelect(true);
    int changes = 0;
    store.SetHooks({.SelectionChanged = [&] { ++changes; }});
    store.RemoveRow(1);
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(FlagIsSet(store.RowAt(0).Flags, RowFlag::Selected));
}

TEST(GridStoreRemoval, RowOutsideTheGridIsRefused)
{
    GridStore store = threeByThree();
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { store.RemoveRow(3); });
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { store.RemoveRow(-2); });
    EXPECT_EQ(store.Rows(), 3);
    expectConsistent(store);
}

TEST(GridStoreRemoval, DeleteSelected)
{
    GridStore store = threeByThree();
    store.AddRow("4\t40\t0");
    store.SetMultiSelect(true);
    SetFlagBit(store.RowAt(1).Flags, RowFlag::Selected, true);
    SetFlagBit(store.RowAt(2).Flags, RowFlag::Selected, true);
    QList<std::pair<qint32, qint32>> rowColSets;
    int draws = 0;
    store.SetHooks({.DrawGrid = [&] { ++draws; },
                    .RowColSet = [&](qint32 row, qint32 col) { rowColSets.append({row, col}); }});
    store.DeleteSelected();
    EXPECT_EQ(firstColumn(store), (QStringList{"1", "4"}));
    EXPECT_EQ(rowColSets, (QList<std::pair<qint32, qint32>>{{0, -1}}));
    EXPECT_EQ(draws, 1);
    expectConsistent(store);

    store.SetMultiSelect(false);
    store.SetCurRow(1);
    store.DeleteSelected();
    EXPECT_EQ(firstColumn(store), (QStringList{"1"}));
}

namespace {

// What is left after removing the selected rows: by DeleteSelected, or one by one from the top
// with RemoveRow, as DeleteSelected used to.
struct AfterRemoval {
    QStringList texts;
    QList<qint32> rowData;
    QList<bool> selected;
    qint32 curRow = -1;
    QList<double> totals;
    qint32 capacity = 0;
    int selectionChanges = 0;
    int countChanges = 0;
    int cleared = 0;
    bool operator==(const AfterRemoval&) const = default;
};

AfterRemoval removeSelected(GridStore store, bool OnePass)
{
    AfterRemoval after;
    store.SetHooks({.RowCountChanged = [&] { ++after.countChanges; },
                    .SelectionChanged = [&] { ++after.selectionChanges; },
                    .Cleared = [&] { ++after.cleared; }});
    if (OnePass) {
        store.DeleteSelected();
        expectConsistent(store);
    } else {
        for (qint32 d = 0; d <= store.LastRow();) {
            if (FlagIsSet(store.RowAt(d).Flags, RowFlag::Selected))
                store.RemoveRow(d);
            else
                ++d;
        }
    }
    after.texts = firstColumn(store);
    for (qint32 d = 0; d <= store.LastRow(); ++d) {
        after.rowData << store.RowAt(d).RowData;
        after.selected << FlagIsSet(store.RowAt(d).Flags, RowFlag::Selected);
    }
    after.curRow = store.CurRow();
    after.totals = store.Totals();
    after.capacity = store.Capacity();
    return after;
}

} // namespace

TEST_F(GridStorePointLocale, DeleteSelectedEndsAsRemovingOneByOne)
{
    // Twelve rows shown in another order than added; 'x' marks a selected display row.
    const char* selections[] = {"............", "x...........", "...........x", "xxxxxxxxxxxx",
                                "x.x.x.x.x.x.", ".x.x.x.x.x.x", "...xxxx.....", "xxxxxxxxxxx."};
    for (const char* selection : selections) {
        for (const qint32 current : {-1, 0, 3, 5, 11}) {
            GridStore store;
            store.SetCacheIncrement(1);
            addTextColumn(store, "A");
            addTextColumn(store, "B", 0, ColNumber);
            addTextColumn(store, "C", 0, ColCheckBox);
            for (int i = 0; i < 12; ++i)
                store.AddRow(QStringLiteral("%1\t%2.5\t%3").arg(i).arg(i * 10).arg(i % 2), -1, false, false, false,
                             true, 100 + i);
            store.SetRowOrder({3, 7, 0, 11, 5, 1, 9, 2, 10, 4, 8, 6});
            for (qint32 d = 0; d < 12; ++d)
                SetFlagBit(store.RowAt(d).Flags, RowFlag::Selected, selection[d] == 'x');
            store.SetCurRow(current);
            store.SetMultiSelect(true);
            EXPECT_EQ(removeSelected(store, true), removeSelected(store, false))
                << selection << ", current row " << current;
        }
    }
}

// Faults mended in the store.

TEST(GridStoreMended, RemoveWithoutACurrentRowDoesNothing)
{
    GridStore store = threeByThree();
    ASSERT_EQ(store.CurRow(), -1);
    store.RemoveRow(-1);
    store.DeleteSelected();
    EXPECT_EQ(store.Rows(), 3);
}

TEST(GridStoreMended, CurrentRowKeepsItsRecordAndStaysInTheGrid)
{
    GridStore store = threeByThree();
    store.AddRow("4\t0\t0");
    QList<qint32> moves;
    store.SetHooks({.CurrentRowMoved = [&](qint32 row) { moves << row; }});

    store.SetCurRow(2);
    store.RemoveRow(0); // above the current row
    EXPECT_EQ(store.CurRow(), 1);
    EXPECT_EQ(textAt(store, store.CurRow(), 0), "3");
    store.RemoveRow(2); // below it
    EXPECT_EQ(store.CurRow(), 1);
    store.RemoveRow(-1); // the current row, which is the last one
    EXPECT_EQ(store.CurRow(), 0);
    EXPECT_EQ(textAt(store, store.CurRow(), 0), "2");
    EXPECT_EQ(moves, (QList<qint32>{1, 0}));

    store.AddRow("9\t0\t0");
    store.RemoveItem(-1); // the current row, not the last: the next one takes its place
    EXPECT_EQ(store.CurRow(), 0);
    EXPECT_EQ(textAt(store, 0, 0), "9");
    store.RemoveItem(-1);
    EXPECT_EQ(store.CurRow(), -1);
    EXPECT_EQ(store.Rows(), 0);
}

TEST(GridStoreMended, NewRowStartsFromADefaultRecord)
{
    GridStore store = threeByThree();
    RowInfo& last = store.RowAt(2);
    last.Tag = "old";
    last.Image = 3;
    last.GroupHeader = true;
    last.Flags = RowFlag::Selected | RowFlag::Changed;
    last.Cells[0].Tag = "cell";
    store.RemoveRow(2);
    store.AddRow("new");
    const RowInfo& row = store.RowAt(2);
    EXPECT_TRUE(row.Tag.isEmpty());
    EXPECT_EQ(row.Image, 0);
    EXPECT_FALSE(row.GroupHeader);
    EXPECT_EQ(row.Flags, 0);
    EXPECT_TRUE(row.Cells[0].Tag.isEmpty());
}

TEST_F(GridStorePointLocale, EveryTextChangeKeepsTheTotals)
{
    GridStore store = threeByThree();
    store.ChangeCellText(1, 2, "False"); // the check box written as text
    EXPECT_FALSE(FlagIsSet(store.RowAt(1).Cells[2].Flags, CellFlag::Checked));
    store.ChangeCellText(0, 2, "True");
    EXPECT_TRUE(FlagIsSet(store.RowAt(0).Cells[2].Flags, CellFlag::Checked));
    store.ChangeCellText(2, 1, "$1,000.25");
    EXPECT_FALSE(FlagIsSet(store.RowAt(2).Cells[1].Flags, CellFlag::Checked));
    EXPECT_DOUBLE_EQ(store.Totals()[1], 1030.25);
    EXPECT_DOUBLE_EQ(store.Totals()[2], -1);
    expectConsistent(store);
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { store.ChangeCellText(0, 3, "1"); });
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { store.ChangeCellText(3, 0, "1"); });
}

TEST_F(GridStorePointLocale, RandomEditsKeepTheStoreConsistent)
{
    std::mt19937 random(20261207);
    const auto pick = [&](int from, int to) { return std::uniform_int_distribution<int>(from, to)(random); };
    const QStringList texts = {"1", "2.5", "-3", "$1,234.50", "abc", "True", "", "&H1F", "0", " 12 kg"};
    const auto text = [&] { return texts[pick(0, int(texts.size()) - 1)]; };

    GridStore store = threeByThree();
    store.SetColOrder({2, 0, 1});
    for (int step = 0; step < 3000; ++step) {
        const int action = pick(0, 9);
        if (action <= 3) {
            store.AddRow(text() + '\t' + text() + '\t' + text(), pick(-1, store.Rows() + 1), false, false, false,
                         true, step);
        } else if (action <= 5 && store.Rows() > 0) {
            // A removal of another row leaves the same record current.
            const qint32 row = pick(-1, store.LastRow());
            const bool other = store.CurRow() >= 0 && row != -1 && row != store.CurRow();
            const qint32 current = other ? store.RowAt(store.CurRow()).RowData : 0;
            store.RemoveRow(row);
            if (other) {
                EXPECT_EQ(store.RowAt(store.CurRow()).RowData, current);
            }
        } else if (action <= 7 && store.Rows() > 0) {
            store.ChangeCellText(pick(0, store.LastRow()), pick(0, 2), text());
        } else if (action == 8) {
            store.SetCurRow(pick(-1, store.LastRow()));
        } else if (store.Rows() > 0) {
            std::vector<qint32> order(store.RowOrder().begin(), store.RowOrder().begin() + store.Rows());
            std::shuffle(order.begin(), order.end(), random);
            store.SetRowOrder(order);
        }
        expectConsistent(store);
        if (::testing::Test::HasFailure())
            FAIL() << "after step " << step;
    }
}

TEST(GridStoreOrders, OnlyPermutationsAreAccepted)
{
    GridStore store = threeByThree();
    expectError(runtime::ErrorNumber::InvalidProcedureCall, [&] { store.SetRowOrder({0, 0, 1}); });
    expectError(runtime::ErrorNumber::InvalidProcedureCall, [&] { store.SetRowOrder({0, 1}); });
    expectError(runtime::ErrorNumber::InvalidProcedureCall, [&] { store.SetColOrder({0, 1, 3}); });
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { store.SetCurRow(3); });
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { store.SetCurCol(3); });
    EXPECT_EQ(store.ColOrder(), (QList<qint32>{0, 1, 2}));
}

TEST(GridStoreAddressing, FixRef)
{
    GridStore store;
    qint32 row = -1;
    qint32 col = -1;
    EXPECT_FALSE(store.FixRef(row, col)); // no rows

    store = threeByThree();
    row = -1, col = -1;
    EXPECT_TRUE(store.FixRef(row, col));
    EXPECT_EQ(std::pair(row, col), std::pair(0, 0));

    store.SetColOrder({2, 0, 1});
    store.SetCurRow(1);
    store.SetCurCol(0);
    row = -1, col = -1;
    EXPECT_TRUE(store.FixRef(row, col));
    EXPECT_EQ(std::pair(row, col), std::pair(1, 2));

    row = 99, col = 0;
    EXPECT_TRUE(store.FixRef(row, col));
    EXPECT_EQ(row, 2);
    row = 0, col = 5;
    EXPECT_FALSE(store.FixRef(row, col));
    EXPECT_EQ(col, 5);
}

TEST(GridStoreAddressing, ColumnsAndCells)
{
    GridStore store = threeByThree();
    store.SetColOrder({2, 0, 1});
    EXPECT_EQ(store.ColumnIndexFromId(0), 1);
    EXPECT_EQ(store.ColumnIndexFromId(2), 0);
    EXPECT_EQ(store.ColumnIndexFromId(7), 0);
    EXPECT_EQ(GridStore().ColumnIndexFromId(0), 0);
    EXPECT_TRUE(GridStore::IsValidCell(0, 0));
    EXPECT_FALSE(GridStore::IsValidCell(-1, 0));
    EXPECT_FALSE(GridStore::IsValidCell(0, -1));
}

TEST_F(GridStorePointLocale, rVal)
{
    const struct {
        QString text;
        double value;
    } cases[] = {
        {"$1,234.50", 1234.5}, {"&H1F", 31}, {"&h1f", 31}, {"&O17", 15}, {" 12 kg", 12},
        {"TRUE", -1}, {"false", 0}, {"", 0}, {"   ", 0}, {"abc", 0}, {"2.5", 2.5},
        {"-3", -3}, {"1E3", 1000}, {QString(QChar(163)) + "7", 7}, {"12/", 12}, {"-", 0}, {"5x6", 5},
    };
    for (const auto& test : cases)
        EXPECT_DOUBLE_EQ(GridStore::rVal(test.text), test.value) << test.text.toStdString();
}

TEST(GridStoreValues, rValReadsAPointInACommaDecimalLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_DOUBLE_EQ(GridStore::rVal("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(GridStore::rVal("2,5"), 2.5);
    QLocale::setDefault(QLocale::system());
}

TEST(GridStoreValues, UnsignedToInteger)
{
    EXPECT_EQ(GridStore::UnsignedToInteger(65535), -1);
    EXPECT_EQ(GridStore::UnsignedToInteger(32767), 32767);
    EXPECT_EQ(GridStore::UnsignedToInteger(32768), -32768);
    EXPECT_EQ(GridStore::UnsignedToInteger(-32768), -32768);
    expectError(runtime::ErrorNumber::Overflow, [] { GridStore::UnsignedToInteger(65536 + 32768); });
    expectError(runtime::ErrorNumber::Overflow, [] { GridStore::UnsignedToInteger(-32769); });
}

// The consignment detail window's fill: ClearAll, two columns, one AddItem per field.
TEST(GridStoreUse, ConsignmentDetailFill)
{
    GridStore store = threeByThree();
    int countChanges = 0;
    store.SetHooks({.RowCountChanged = [&] { ++countChanges; }});
    store.ClearAll();
    EXPECT_EQ(store.Cols(), 0);
    EXPECT_EQ(store.Rows(), 0);
    EXPECT_TRUE(store.Totals().isEmpty());

    EXPECT_EQ(store.AddColumn("Description", 2300, 4, 0, "", "", 4, false, 0, true), 0);
    EXPECT_EQ(store.AddColumn("Values", 4000, 4, 0, "", "", 4, true, 0, true), 1);
    const QStringList fields = {"PAR_LENGTH\t12", "Sub Branch\t", "UPI Ref No\t4321-77", "CancelStatus\tN"};
    for (const QString& field : fields)
        store.AddItem(field);

    EXPECT_EQ(store.ColOrder(), (QList<qint32>{0, 1}));
    EXPECT_FLOAT_EQ(store.Columns()[0].Width, 2301);
    EXPECT_FLOAT_EQ(store.Columns()[1].Width, 4001);
    ASSERT_EQ(store.Rows(), 4);
    EXPECT_EQ(countChanges, 4);
    EXPECT_EQ(firstColumn(store), (QStringList{"PAR_LENGTH", "Sub Branch", "UPI Ref No", "CancelStatus"}));
    EXPECT_EQ(textAt(store, 0, 1), "12");
    EXPECT_TRUE(textAt(store, 1, 1).isEmpty());
    EXPECT_EQ(textAt(store, 2, 1), "4321-77");
    EXPECT_EQ(store.RowAt(2).Cells[1].Flags, CellFlag::WordWrap);
    EXPECT_EQ(store.RowAt(2).Cells[0].Flags, 0);
    EXPECT_EQ(store.CurRow(), -1);
    expectConsistent(store);
}
