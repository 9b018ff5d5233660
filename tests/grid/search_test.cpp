// Searching a column for a text in its match modes, and filtering rows by it.

#include "grid/GridTestSupport.h"
#include "grid/QvGrid.h"

#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace grid;
using namespace gridtest;

namespace {

// A grid of a text column "Name" and a column "Code", one row per name; row r's code is "C<r>".
std::unique_ptr<QvGrid> gridOf(const QStringList& names)
{
    auto grid = std::make_unique<QvGrid>();
    grid->AddColumn("Name", 1200, 0, ColText, {}, {}, 0, false);
    grid->AddColumn("Code", 1200, 0, ColText, {}, {}, 0, false);
    for (qint32 r = 0; r < names.size(); ++r)
        grid->AddItem(names[r] + "\tC" + QString::number(r));
    return grid;
}

QList<bool> visibility(const QvGrid& grid)
{
    QList<bool> shown;
    for (qint32 r = 0; r < grid.Rows(); ++r)
        shown << grid.RowVisible(r);
    return shown;
}


} // namespace

TEST(FindItem, EachModeFindsTheFirstMatchingRow)
{
    // Two CJK characters whose UTF-16 bytes, read across the character boundary, spell the
    // search text: a byte-wise search would find it, a search by characters must not.
    const QString straddling = QString(QChar(0x4142)) + QChar(0x4344);
    const QString acrossBoundary(QChar(0x4441));
    // A letter outside the 16-bit range, in small and capital form.
    const QString deseretSmall = QString::fromUcs4(U"\U00010428");
    const QString deseretCapital = QString::fromUcs4(U"\U00010400");
    struct Case {
        QStringList names;
        QString search;
        qint32 mode;
        bool matchCase;
        qint32 found;
    };
    const Case cases[] = {
        {{"pear", "Apple", "APPLE"}, "apple", 0, false, 1},
        {{"pear", "Apple", "APPLE"}, "APPLE", 0, true, 2},
        {{"pear", "Apple", "APPLE"}, "apple", 0, true, -1},
        {{"pear", "Apple", "APPLE"}, "APPL", 0, false, -1},
        {{"A", "C", "B"}, "b", 1, false, 1},
        {{"a", "C", "b"}, "b", 1, true, 2},
        {{"red apple", "pineapple"}, "APPLE", 2, false, 0},
        {{"red apple", "pineAPPLE"}, "APPLE", 2, true, 1},
        {{"x", straddling, "y" + acrossBoundary}, acrossBoundary, 2, false, 2},
        {{"APPLE", "BANANA", "BZ"}, "BA", 4, false, 1},
        {{"APPLE", "CAT"}, "BA", 4, false, -1},
        {{"", "bz"}, "BA", 4, false, 1},
        {{"A", "ABC"}, "AB", 5, false, 1},
        {{"A", "AB"}, "AB", 5, false, 1},
        {{"AB", "ABC"}, "BC", 6, false, 1},
        {{"AB", "C"}, "abc", 6, false, -1},
        {{"x", "Straße"}, "STRAßE", 0, false, 1},
        {{"straße"}, "STRASSE", 0, false, -1},
        {{"x", deseretSmall}, deseretCapital, 0, false, 1},
        {{"x", deseretSmall}, deseretCapital, 0, true, -1},
        {{"A", "B"}, "A", 3, false, -1},
        {{"A", "B"}, "A", 7, false, -1},
        {{"A", "B"}, "A", -1, false, -1},
    };
    for (const Case& c : cases) {
        auto grid = gridOf(c.names);
        EXPECT_EQ(grid->FindItem(c.search, 0, c.mode, c.matchCase, 0), c.found)
            << c.search.toStdString() << " mode " << c.mode << " case " << c.matchCase;
    }
}

TEST(FindItem, StartsAtTheStartingRowWithoutWrappingAndFallsBackToTheFirstRow)
{
    auto grid = gridOf({"A", "B", "A", "B"});
    EXPECT_EQ(grid->FindItem("A", 0, 0, false, 1), 2);
    EXPECT_EQ(grid->FindItem("A", 0, 0, false, 3), -1);
    EXPECT_EQ(grid->FindItem("A", 0, 0, false, 1000), 0);
    EXPECT_EQ(grid->FindItem("B", 0, 0, false, -4), 1);
}

TEST(FindItem, MinusOneSearchesTheSearchColumnPropertyAndNothingIsFoundWithoutTextRowsOrColumn)
{
    auto grid = gridOf({"A", "", "C"});
    grid->SetSearchColumn(1);
    EXPECT_EQ(grid->FindItem("C2", -1, 0, false, 0), 2);
    EXPECT_EQ(grid->FindItem("C", -1, 0, false, 0), -1);
    EXPECT_EQ(grid->FindItem("C", 0, 0, false, 0), 2);
    EXPECT_EQ(grid->FindItem("", 0, 0, false, 0), -1);
    EXPECT_EQ(gridOf({})->FindItem("A", 0, 0, false, 0), -1);
    grid->SetSearchColumn(-1);
    EXPECT_EQ(grid->FindItem("A", -1, 0, false, 0), -1);
}

TEST(FindItem, SearchesHiddenRowsAndTheDisplayOrder)
{
    auto grid = gridOf({"A", "B", "C"});
    grid->SetRowVisible(1, false);
    EXPECT_EQ(grid->FindItem("B", 0, 0, false, 0), 1);
    grid->store().SetRowOrder({2, 0, 1});
    EXPECT_EQ(grid->FindItem("C", 0, 0, false, 0), 0);
    EXPECT_EQ(grid->FindItem("B", 0, 0, false, 0), 2);
}

TEST(FindItem, CaseBlindEqualAndBeginsWithCompareUpperCasedCharactersUpToTheFirstDifference)
{
    const QString deseretSmall = QString::fromUcs4(U"\U00010428");
    const QString deseretCapital = QString::fromUcs4(U"\U00010400");
    const QChar loneHigh = deseretSmall.front();
    struct Case {
        QString cell;
        QString search;
        qint32 mode;
        bool found;
    };
    const Case cases[] = {
        {"\u00e9tude", "\u00c9TUDE", 0, true},
        {"\u00e9tude", "\u00c9TUDES", 0, false},
        {"abc", "ABD", 0, false},
        {"\u00e9tude!", "\u00c9TUDE", 5, true},
        {"stra\u00dfe", "STRASSE", 5, false},
        {deseretSmall + "a", deseretCapital + "A", 0, true},
        {deseretSmall + "a", deseretCapital, 5, true},
        {deseretSmall + "a", deseretCapital + "B", 5, false},
        // The search ends inside the pair: the pair is still upper-cased as one character.
        {"x" + deseretSmall, "X" + QString(deseretCapital.front()), 5, true},
        {QString(loneHigh) + "a", QString(loneHigh) + "A", 0, true},
    };
    for (const Case& c : cases) {
        auto grid = gridOf({"other", c.cell});
        EXPECT_EQ(grid->FindItem(c.search, 0, c.mode, false, 0), c.found ? 1 : -1)
            << c.cell.toStdString() << " / " << c.search.toStdString() << " mode " << c.mode;
    }
}

TEST(FindItem, FindsTheFirstMatchFromEveryStartingRowOfALongColumnInTheDisplayOrder)
{
    // Long enough for the rows read ahead to run past the last row from any start.
    constexpr qint32 Rows = 40;
    QStringList names;
    std::vector<qint32> order;
    for (qint32 r = 0; r < Rows; ++r) {
        names << "N" + QString::number(r % 7);
        order.push_back(Rows - 1 - r);
    }
    auto grid = gridOf(names);
    grid->store().SetRowOrder(order);
    for (const QString search : {"n3", "n0", "n9"}) {
        for (qint32 start = 0; start < Rows; ++start) {
            qint32 expected = -1;
            for (qint32 row = start; row < Rows && expected == -1; ++row)
                if (names[order[row]].compare(search, Qt::CaseInsensitive) == 0)
                    expected = row;
            EXPECT_EQ(grid->FindItem(search, 0, 0, false, start), expected) << search.toStdString() << " from " << start;
        }
    }
}

TEST(FindItem, AColumnPastTheLastIsASubscriptError)
{
    auto grid = gridOf({"A"});
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { grid->FindItem("A", 2, 0, false, 0); });
    grid->SetSearchColumn(5);
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { grid->FindItem("A", -1, 0, false, 0); });
}

TEST(FilterOn, HidesTheRowsThatDoNotMatchFromTheStartingRowOn)
{
    const QStringList names{"", "APPLE", "apricot", "BANANA"};
    struct Case {
        QString filter;
        qint32 mode;
        qint32 startingRow;
        QList<bool> shown;
    };
    const Case cases[] = {
        {"", 1, 0, {true, true, true, true}},
        {"", 5, 0, {true, true, true, true}},
        {"", 6, 0, {true, true, true, true}},
        {"", 0, 0, {true, false, false, false}},
        {"ap", 5, 0, {false, true, true, false}},
        {"ap", 5, 2, {true, true, true, false}},
        {"AN", 2, 0, {false, false, false, true}},
        {"x", 3, 2, {true, true, false, false}},
        {"x", 9, 0, {false, false, false, false}},
    };
    for (const Case& c : cases) {
        auto grid = gridOf(names);
        grid->FilterOn(c.filter, 0, c.mode, false, c.startingRow);
        EXPECT_EQ(visibility(*grid), c.shown) << c.filter.toStdString() << " mode " << c.mode;
    }
}

TEST(FilterOn, SuccessiveFiltersNarrowAndFilterOffShowsTheRowsAgain)
{
    auto grid = gridOf({"APPLE", "APRICOT", "BANANA", "AVOCADO"});
    grid->FilterOn("A", 0, 5, false, 0);
    EXPECT_EQ(visibility(*grid), (QList<bool>{true, true, false, true}));
    grid->FilterOn("P", 0, 2, false, 0);
    EXPECT_EQ(visibility(*grid), (QList<bool>{true, true, false, false}));
    grid->FilterOn("T", 0, 6, false, 0);
    EXPECT_EQ(visibility(*grid), (QList<bool>{false, true, false, false}));

    grid->FilterOff(2);
    EXPECT_EQ(visibility(*grid), (QList<bool>{false, true, true, true}));
    grid->FilterOff(-3);
    EXPECT_EQ(visibility(*grid), (QList<bool>{true, true, true, true}));

    grid->FilterOn("x", 0, 0, false, 0);
    grid->FilterOff(99);
    EXPECT_EQ(visibility(*grid), (QList<bool>{false, false, false, true}));
}

TEST(FilterOn, DoesNothingOutsideTheRowsAndRefusesABadColumnWithPaintingOn)
{
    auto grid = gridOf({"A", "B"});
    grid->SetRedraw(true);
    grid->FilterOn("A", 0, 0, false, 2);
    grid->FilterOn("A", 0, 0, false, -1);
    EXPECT_EQ(visibility(*grid), (QList<bool>{true, true}));

    for (qint32 col : {-1, 2})
        expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { grid->FilterOn("A", col, 0, false, 0); });
    EXPECT_TRUE(grid->PaintEnabled());
    EXPECT_EQ(visibility(*grid), (QList<bool>{true, true}));

    gridOf({})->FilterOn("A", 0, 0, false, 0);
    gridOf({})->FilterOff(0);
}

TEST(FilterOn, PaintsOnceAndFitsTheScrollBarToTheRowsLeft)
{
    auto grid = gridOf({});
    grid->resize(300, 200);
    grid->CalcRowMetrics();
    for (int i = 0; i < 200; ++i)
        grid->AddItem(i % 50 == 0 ? "keep" : "drop");
    grid->SetScrollBars(2);
    grid->SetRedraw(true);
    grid->UpdateScrollBars();
    ASSERT_TRUE(grid->SBGetVisible(1));

    qint32 before = grid->paintPasses();
    grid->FilterOn("keep", 0, 0, false, 0);
    EXPECT_EQ(grid->paintPasses() - before, 1);
    EXPECT_EQ(grid->FindItem("drop", 0, 0, false, 0), 1);
    EXPECT_FALSE(grid->SBGetVisible(1));

    before = grid->paintPasses();
    grid->FilterOff(0);
    EXPECT_EQ(grid->paintPasses() - before, 1);
    EXPECT_TRUE(grid->SBGetVisible(1));
}
