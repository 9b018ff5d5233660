// Sorting rows: the sorter against the quicksort written out step by step, and the grid's Sort
// with its states, columns, current row and events.

#include "grid/GridSort.h"
#include "grid/QvGrid.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateMath.h"

#include <gtest/gtest.h>

#include <QCollator>
#include <QSignalSpy>

#include <cmath>
#include <numeric>
#include <random>

using namespace grid;

namespace {

enum class Kind { Text, Number, Date, Checked };

// The quicksort as the grid has always carried it out: the pivot is the middle row rounded half
// to even, every comparison reads both texts afresh, and each range recurses into both parts.
bool literalBefore(Kind kind, const QString& a, const QString& p, bool largerFirst)
{
    switch (kind) {
    case Kind::Text: {
        QCollator collator{QLocale()};
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        const int order = collator.compare(a, p);
        return largerFirst ? order > 0 : order < 0;
    }
    case Kind::Number:
        return largerFirst ? GridStore::rVal(a) > GridStore::rVal(p) : GridStore::rVal(a) < GridStore::rVal(p);
    case Kind::Date: {
        const bool aIsDate = runtime::IsDate(a);
        const bool pIsDate = runtime::IsDate(p);
        const auto serial = [](const QString& t) { return runtime::SerialFromDate(runtime::CDate(t)); };
        if (largerFirst)
            return aIsDate && (!pIsDate || serial(a) > serial(p));
        return !aIsDate || (pIsDate && serial(a) < serial(p));
    }
    case Kind::Checked:
        return largerFirst ? a.isEmpty() && !p.isEmpty() : !a.isEmpty() && p.isEmpty();
    }
    return false;
}

void literalQuickSort(std::vector<qint32>& order, qint32 lo, qint32 hi, const std::vector<QString>& texts, Kind kind,
                      bool largerFirst)
{
    if (hi <= lo)
        return;
    const auto m = qint32(std::nearbyint((lo + hi) / 2.0));
    std::swap(order[lo], order[m]);
    qint32 last = lo;
    for (qint32 i = lo + 1; i <= hi; ++i) {
        if (literalBefore(kind, texts[order[i]], texts[order[lo]], largerFirst)) {
            ++last;
            std::swap(order[last], order[i]);
        }
    }
    std::swap(order[lo], order[last]);
    literalQuickSort(order, lo, last - 1, texts, kind, largerFirst);
    literalQuickSort(order, last + 1, hi, texts, kind, largerFirst);
}

// Keys of a kind as the sorter reads them; a check-box text is checked when not empty.
ColumnSortKeys keysOf(Kind kind, const std::vector<QString>& texts)
{
    switch (kind) {
    case Kind::Text: return ColumnSortKeys::Text(texts);
    case Kind::Number: return ColumnSortKeys::Number(texts);
    case Kind::Date: return ColumnSortKeys::Date(texts);
    case Kind::Checked: break;
    }
    std::vector<char> checked;
    for (const QString& text : texts)
        checked.push_back(!text.isEmpty());
    return ColumnSortKeys::Checked(std::move(checked));
}

struct KindCase {
    Kind kind;
    QStringList pool;
};

const KindCase kindCases[] = {
    {Kind::Text, {"apple", "Apple", "banana", "Banana", "cherry", "", "b", "B ", "10", "9"}},
    {Kind::Number, {"", "0", "1", "1.0", "10", "9", "-3", "abc", "$2", "2", "1,5"}},
    {Kind::Date, {"2026-01-05", "05-Jan-2026", "1/2/2026", "", "x", "2025-12-31 10:00", "soon", "2024-02-29"}},
    {Kind::Checked, {"", "x"}},
};

std::vector<qint32> shuffledOrder(qint32 n, std::mt19937& random)
{
    std::vector<qint32> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), random);
    return order;
}

} // namespace

TEST(GridSorter, ThePivotIsTheMiddleRowRoundedHalfToEven)
{
    const struct {
        qint32 lo, hi, pivot;
    } cases[] = {{0, 1, 0}, {0, 3, 2}, {1, 4, 2}, {2, 2, 2}, {0, 2, 1}, {5, 6, 6}, {7, 8, 8}, {3, 4, 4}};
    for (const auto& c : cases)
        EXPECT_EQ(SortPivotRow(c.lo, c.hi), c.pivot) << c.lo << ".." << c.hi;
}

TEST(GridSorter, EveryKindGivesTheOrderOfTheStepByStepQuicksort)
{
    std::mt19937 random(11);
    for (const KindCase& kindCase : kindCases) {
        for (const bool largerFirst : {false, true}) {
            for (int trial = 0; trial < 200; ++trial) {
                const auto n = qint32(random() % 40);
                std::vector<QString> texts;
                for (qint32 i = 0; i < n; ++i)
                    texts.push_back(kindCase.pool[qsizetype(random() % kindCase.pool.size())]);
                std::vector<qint32> expected = shuffledOrder(n, random);
                std::vector<qint32> sorted = expected;
                // A part of the order now and then, as the runs of a secondary sort are.
                const qint32 lo = n > 0 && trial % 3 == 0 ? qint32(random() % n) : 0;
                const qint32 hi = n > 0 && trial % 3 == 0 ? lo + qint32(random() % (n - lo)) : n - 1;

                literalQuickSort(expected, lo, hi, texts, kindCase.kind, largerFirst);
                keysOf(kindCase.kind, texts).Sort(sorted, lo, hi, largerFirst);
                ASSERT_EQ(sorted, expected) << "kind " << int(kindCase.kind) << " trial " << trial;
            }
        }
    }
}

TEST(GridSorter, LongRunsOfEqualKeysKeepTheStepByStepOrder)
{
    // Equal keys with a few others among them, where most passes find no row before the pivot.
    std::mt19937 random(5);
    for (const bool largerFirst : {false, true}) {
        std::vector<QString> texts(2000, QString());
        texts[1999] = QStringLiteral("7");
        texts[700] = QStringLiteral("-1");
        for (int i = 0; i < 20; ++i)
            texts[random() % 2000] = QStringLiteral("3");
        std::vector<qint32> expected = shuffledOrder(2000, random);
        std::vector<qint32> sorted = expected;
        literalQuickSort(expected, 0, 1999, texts, Kind::Number, largerFirst);
        keysOf(Kind::Number, texts).Sort(sorted, 0, 1999, largerFirst);
        EXPECT_EQ(sorted, expected);
    }
}

TEST(GridSorter, AMillionEqualKeysAreSortedWithoutDeepNesting)
{
    std::vector<char> unchecked(1000000, 0);
    std::vector<qint32> order(unchecked.size());
    std::iota(order.begin(), order.end(), 0);
    ColumnSortKeys::Checked(std::move(unchecked)).Sort(order, 0, qint32(order.size()) - 1, false);
    std::vector<qint32> rows = order;
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows.back(), 999999);
    EXPECT_EQ(std::adjacent_find(rows.begin(), rows.end()), rows.end());
    // The middle row of the range moves to the front, then the middle of the rest, and so on.
    EXPECT_EQ(order[0], 500000);
}

// ---- the grid's Sort ----

namespace {

class GridSort : public ::testing::Test {
protected:
    // Columns: 0 text, 1 number, 2 date, 3 check box, 4 custom.
    void SetUp() override
    {
        grid.AddColumn("Name", 1000, 0, ColText, "", "", 0, false);
        grid.AddColumn("Weight", 1000, 0, ColNumber, "", "", 0, false);
        grid.AddColumn("Booked", 1000, 0, ColDate, "", "", 0, false);
        grid.AddColumn("Paid", 500, 0, ColCheckBox, "", "", 0, false);
        grid.AddColumn("Code", 1000, 0, ColCustom, "", "", 0, false);
    }

    void addRows(const QStringList& rows)
    {
        for (const QString& row : rows)
            grid.AddItem(row);
    }

    // The texts of column Col from the top display row down.
    QStringList shown(qint32 Col)
    {
        QStringList texts;
        for (qint32 r = 0; r < grid.Rows(); ++r)
            texts << grid.CellText(r, Col);
        return texts;
    }

    bool recordOrder() const
    {
        const auto& order = grid.store().RowOrder();
        for (qint32 r = 0; r < grid.Rows(); ++r) {
            if (order[r] != r)
                return false;
        }
        return true;
    }

    QvGrid grid;
};

} // namespace

TEST_F(GridSort, ThreeHeaderStepsSortSmallerFirstThenLargerFirstThenRestoreTheRecordOrder)
{
    addRows({"cherry", "apple", "Banana"});
    QSignalSpy complete(&grid, &QvGrid::SortComplete);

    grid.Sort(0, -1, -1, -1);
    EXPECT_EQ(shown(0), QStringList({"apple", "Banana", "cherry"}));
    EXPECT_EQ(grid.store().Columns()[0].SortState, 2);
    EXPECT_EQ(grid.SortCol1, 0);

    grid.Sort(0, -1, -1, -1);
    EXPECT_EQ(shown(0), QStringList({"cherry", "Banana", "apple"}));
    EXPECT_EQ(grid.store().Columns()[0].SortState, 1);

    grid.Sort(0, -1, -1, -1);
    EXPECT_TRUE(recordOrder());
    EXPECT_EQ(grid.store().Columns()[0].SortState, 0);
    EXPECT_EQ(grid.SortCol1, -1);
    EXPECT_EQ(grid.SortCol2, -1);
    EXPECT_EQ(complete.count(), 3);
}

TEST_F(GridSort, EachColumnTypeSortsByItsOwnKeys)
{
    const struct {
        qint32 col;
        QStringList texts;
        qint32 state;
        QStringList expected;
    } cases[] = {
        {1, {"10", "9", ""}, 2, {"", "9", "10"}},
        {1, {"10", "9", ""}, 1, {"10", "9", ""}},
        {2, {"2026-03-01", "later", "2025-12-31", ""}, 2, {"", "later", "2025-12-31", "2026-03-01"}},
        {2, {"2026-03-01", "later", "2025-12-31"}, 1, {"2026-03-01", "2025-12-31", "later"}},
        {0, {"cherry", "apple", "Banana"}, 2, {"apple", "Banana", "cherry"}},
    };
    for (const auto& c : cases) {
        grid.Clear();
        for (const QString& text : c.texts) {
            const qint32 row = grid.AddItem(QString());
            grid.SetCellText(row, c.col, text);
        }
        grid.Sort(c.col, c.state, -1, -1);
        const QStringList texts = shown(c.col);
        // Two rows neither text nor date may come in either order.
        if (c.col == 2 && c.state == 2)
            EXPECT_EQ(texts.mid(2), c.expected.mid(2)) << texts.join('|').toStdString();
        else
            EXPECT_EQ(texts, c.expected) << texts.join('|').toStdString();
    }
}

TEST_F(GridSort, CheckBoxesSortCheckedFirstSmallerFirstAndUncheckedFirstLargerFirst)
{
    addRows({"a\t\t\tFalse", "b\t\t\tTrue", "c\t\t\t", "d\t\t\t1"});
    const auto marks = [&] {
        QList<bool> checked;
        for (qint32 r = 0; r < grid.Rows(); ++r)
            checked << grid.CellChecked(r, 3);
        return checked;
    };
    grid.Sort(3, 2, -1, -1);
    EXPECT_EQ(marks(), QList<bool>({true, true, false, false}));
    grid.Sort(3, 1, -1, -1);
    EXPECT_EQ(marks(), QList<bool>({false, false, true, true}));
}

TEST_F(GridSort, RunsOfEqualPrimaryTextsAreSortedByTheSecondColumn)
{
    const auto rowsShown = [&] {
        QStringList joined;
        for (qint32 r = 0; r < grid.Rows(); ++r)
            joined << grid.CellText(r, 0) + grid.CellText(r, 1);
        return joined;
    };
    addRows({"A\t2", "B\t9", "B\t1", "C\t5"});
    grid.Sort(0, 2, 1, -1);
    EXPECT_EQ(rowsShown(), QStringList({"A2", "B1", "B9", "C5"}));
    EXPECT_EQ(grid.store().Columns()[1].SortState, 2);
    EXPECT_EQ(grid.SortCol2, 1);

    // Runs at the very top and bottom count like any other.
    grid.Clear();
    addRows({"C\t9", "A\t5", "B\t2", "A\t1", "C\t4"});
    grid.Sort(0, 1, 1, 2);
    EXPECT_EQ(rowsShown(), QStringList({"C4", "C9", "B2", "A1", "A5"}));

    // b and B rank equal as text, but only exactly equal texts form a run.
    grid.Clear();
    addRows({"B\t9", "b\t5", "B\t1", "b\t0"});
    grid.Sort(0, 2, 1, 1);
    const QStringList rows = rowsShown();
    for (qsizetype r = 1; r < rows.size(); ++r) {
        if (rows[r][0] == rows[r - 1][0]) {
            EXPECT_GT(rows[r - 1].mid(1).toInt(), rows[r].mid(1).toInt()) << rows.join('|').toStdString();
        }
    }
}

TEST_F(GridSort, SortColumnsAreNormalisedBeforeSorting)
{
    addRows({"b\t2", "a\t1"});
    grid.Sort(0, 2, 0, -1);
    EXPECT_EQ(grid.SortCol1, 0);
    EXPECT_EQ(grid.SortCol2, -1);

    grid.SortCol1 = -1;
    grid.SortCol2 = -1;
    grid.Sort(-1, -1, 1, -1);
    EXPECT_EQ(grid.SortCol1, 1);
    EXPECT_EQ(grid.SortCol2, -1);

    // A header click stores the clicked display position first.
    QList<qint32> order{1, 0, 2, 3, 4};
    grid.store().SetColOrder(order);
    grid.SortCol1 = 0;
    grid.Sort(-1, 1, -1, -1);
    EXPECT_EQ(grid.SortCol1, 1);
    EXPECT_EQ(shown(1), QStringList({"2", "1"}));
}

TEST_F(GridSort, ColumnsThatNameNoColumnAndEmptyGridsChangeNothing)
{
    QSignalSpy complete(&grid, &QvGrid::SortComplete);
    grid.Sort(0, 2, -1, -1);
    EXPECT_EQ(complete.count(), 0);

    addRows({"b", "a"});
    grid.Sort(9, 2, -1, -1);
    grid.Sort(0, 2, 7, -1);
    grid.SortCol1 = 12;
    grid.Sort(-1, 2, -1, -1);
    EXPECT_TRUE(recordOrder());
    EXPECT_EQ(complete.count(), 0);
}

TEST_F(GridSort, TheCurrentRowStaysCurrentAndTheOnlySelectedRow)
{
    addRows({"c", "a", "b"});
    grid.RowColSet(0, 0);
    grid.Sort(0, 2, -1, -1);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.CellText(grid.Row(), 0), "c");
    EXPECT_EQ(grid.Col(), -1);
    EXPECT_EQ(grid.SelectedCount(), 1);
    EXPECT_TRUE(grid.RowSelected(2));

    QvGrid fresh;
    fresh.AddItem("z");
    fresh.AddItem("y");
    fresh.Sort(0, 2, -1, -1);
    EXPECT_EQ(fresh.Row(), 1);
    EXPECT_EQ(fresh.CellText(1, 0), "z");
}

TEST_F(GridSort, HiddenRowsTakePartAndStayHidden)
{
    addRows({"c", "a", "b"});
    grid.SetRowVisible(1, false);
    grid.Sort(0, 2, -1, -1);
    EXPECT_EQ(shown(0), QStringList({"a", "b", "c"}));
    EXPECT_FALSE(grid.RowVisible(0));
}

TEST_F(GridSort, ACustomColumnAsksTheHostWithCopiesOfTheTexts)
{
    addRows({"x\t1\t\t\t30", "y\t2\t\t\t10", "z\t3\t\t\t20"});
    const double weightTotal = grid.store().Totals()[1];
    qint32 asked = 0;
    QObject::connect(&grid, &QvGrid::CustomSort,
                     [&](bool& Ascending, qint32& Col, QString& Value1, QString& Value2, bool& Swap) {
                         ++asked;
                         EXPECT_EQ(Col, 4);
                         Swap = !Ascending && Value1.toInt() < Value2.toInt();
                         Value1 = QStringLiteral("999");
                         Value2.clear();
                         Col = 42;
                     });
    grid.Sort(4, 2, -1, -1);
    EXPECT_GT(asked, 0);
    EXPECT_EQ(shown(4), QStringList({"10", "20", "30"}));
    EXPECT_EQ(grid.store().Totals()[1], weightTotal);
}

TEST_F(GridSort, ACustomHandlerMayNameAnotherColumnToCompare)
{
    addRows({"b\t\t\t\t1", "c\t\t\t\t1", "a\t\t\t\t1"});
    QStringList compared;
    QObject::connect(&grid, &QvGrid::CustomSort,
                     [&](bool&, qint32& Col, QString& Value1, QString& Value2, bool& Swap) {
                         if (Col == 4) {
                             Col = 0;
                             return;
                         }
                         compared << Value1;
                         Swap = Value1 < Value2;
                     });
    grid.Sort(4, 2, -1, -1);
    // The first comparison (b against the pivot c) only switched columns; a then came before c.
    EXPECT_EQ(compared, QStringList({"a"}));
    EXPECT_EQ(shown(0), QStringList({"a", "c", "b"}));
}

TEST_F(GridSort, AHundredThousandEqualKeysFinish)
{
    for (qint32 r = 0; r < 100000; ++r)
        grid.AddItem(QStringLiteral("same\t\t\tFalse"));
    QSignalSpy complete(&grid, &QvGrid::SortComplete);
    grid.Sort(3, 2, -1, -1);
    grid.Sort(1, 1, -1, -1);
    grid.Sort(0, 2, -1, -1);
    EXPECT_EQ(complete.count(), 3);
}

TEST_F(GridSort, AnOpenEditIsCommittedFirstAndARefusedCommitSortsNothing)
{
    addRows({"b", "a", "c"});
    grid.ForceCellEdit(2, 0, true);
    ASSERT_TRUE(grid.EditPending());
    const QMetaObject::Connection refuse =
        QObject::connect(&grid, &QvGrid::AfterEdit, [](qint32, qint32, QString&, bool& Cancel) { Cancel = true; });
    QSignalSpy complete(&grid, &QvGrid::SortComplete);
    grid.Sort(0, 2, -1, -1);
    EXPECT_TRUE(recordOrder());
    EXPECT_EQ(grid.store().Columns()[0].SortState, 0);
    EXPECT_EQ(complete.count(), 0);

    QObject::disconnect(refuse);
    grid.Sort(0, 2, -1, -1);
    EXPECT_FALSE(grid.EditPending());
    EXPECT_EQ(shown(0), QStringList({"", "a", "b"}));
    EXPECT_EQ(complete.count(), 1);
}
