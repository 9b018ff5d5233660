// The shared table of cell looks: sharing, re-pointing, releasing and its size.

#include "grid/CellFormats.h"

#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace grid;

namespace {

CellFormat look(OleColor back, OleColor fore = RGB(0, 0, 0), const QString& font = QStringLiteral("Tahoma"))
{
    CellFormat f;
    f.BackColor = back;
    f.ForeColor = fore;
    f.FontName = font;
    return f;
}

void expectSubscriptOutOfRange(const std::function<void()>& call)
{
    try {
        call();
        ADD_FAILURE() << "no error raised";
    } catch (const runtime::RuntimeError& e) {
        EXPECT_EQ(e.number(), runtime::ErrorNumber::SubscriptOutOfRange);
        EXPECT_STREQ(e.what(), "Subscript out of range");
    }
}

TEST(CellFormatsTest, EqualLooksShareOneEntryAndTheFirstLookTakesSlotZero)
{
    CellFormats table;
    const CellFormat defaults = look(RGB(255, 255, 255));
    // Two new cells of one row get the grid defaults.
    const qint32 first = table.Repoint(-1, defaults);
    const qint32 second = table.Repoint(-1, defaults);
    EXPECT_EQ(first, 0);
    EXPECT_EQ(second, 0);
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(table.at(0).UseCount, 2);
    EXPECT_EQ(table.at(0).FontName, QStringLiteral("Tahoma"));
    // Pointing a cell at the look it already has changes nothing.
    EXPECT_EQ(table.Repoint(0, defaults), 0);
    EXPECT_EQ(table.at(0).UseCount, 2);
}

TEST(CellFormatsTest, EveryLookFieldTellsEntriesApart)
{
    const CellFormat base = look(RGB(255, 255, 255));
    std::vector<CellFormat> variants(5, base);
    variants[0].BackColor = RGB(1, 2, 3);
    variants[1].ForeColor = RGB(1, 2, 3);
    variants[2].FontName = QStringLiteral("tahoma"); // names compare with case
    variants[3].HandPointer = true;
    variants[4].ImageIndex = 2;

    CellFormats table;
    const qint32 baseIndex = table.Repoint(-1, base);
    for (const CellFormat& variant : variants) {
        CellFormats copy = table;
        EXPECT_NE(copy.Repoint(-1, variant), baseIndex);
        EXPECT_EQ(copy.at(baseIndex).UseCount, 1);
    }
}

TEST(CellFormatsTest, ChangingACellsLookRepointsItAndTheOldEntryKeepsItsValues)
{
    CellFormats table;
    const CellFormat white = look(RGB(255, 255, 255));
    CellFormat red = white;
    red.BackColor = RGB(255, 0, 0);
    const qint32 a = table.Repoint(-1, white);
    qint32 b = table.Repoint(-1, white);

    b = table.Repoint(b, red);
    EXPECT_EQ(b, 1);
    EXPECT_EQ(table.at(a).UseCount, 1);
    EXPECT_EQ(table.at(1).UseCount, 1);
    EXPECT_EQ(table.at(1).BackColor, RGB(255, 0, 0));

    // The colour set back: the cell shares the first entry again; the second is free but kept.
    b = table.Repoint(b, white);
    EXPECT_EQ(b, a);
    EXPECT_EQ(table.at(a).UseCount, 2);
    EXPECT_EQ(table.at(1).UseCount, 0);
    EXPECT_EQ(table.at(1).BackColor, RGB(255, 0, 0));

    // A free entry with the wanted values is matched again rather than written anew.
    EXPECT_EQ(table.Repoint(b, red), 1);
    EXPECT_EQ(table.at(1).UseCount, 1);
    EXPECT_EQ(table.Count(), 2);
}

TEST(CellFormatsTest, ANewLookTakesTheFirstFreeSlotEvenWhenAnotherLookIsFreedAtOnce)
{
    CellFormats table;
    const qint32 a = table.Repoint(-1, look(RGB(1, 1, 1)));
    const qint32 b = table.Repoint(-1, look(RGB(2, 2, 2)));
    const qint32 c = table.Repoint(-1, look(RGB(3, 3, 3)));
    ASSERT_EQ((std::vector<qint32>{a, b, c}), (std::vector<qint32>{0, 1, 2}));

    table.Release(b);
    table.Release(a);
    // The lowest free slot is rewritten; the cell's old slot is not free yet while it moves.
    EXPECT_EQ(table.Repoint(c, look(RGB(4, 4, 4))), 0);
    EXPECT_EQ(table.at(0).BackColor, RGB(4, 4, 4));
    EXPECT_EQ(table.at(2).UseCount, 0);
    // The rewritten slot's old look is gone: asking for it takes the next free slot.
    EXPECT_EQ(table.Repoint(-1, look(RGB(1, 1, 1))), 1);
    EXPECT_EQ(table.Count(), 3);
}

TEST(CellFormatsTest, ReleasingCountsACellOutAndTheLastReleaseFreesTheSlot)
{
    CellFormats table;
    const CellFormat white = look(RGB(255, 255, 255));
    table.Repoint(-1, white);
    table.Repoint(-1, white);
    table.Release(-1);
    EXPECT_EQ(table.at(0).UseCount, 2);
    table.Release(0);
    EXPECT_EQ(table.at(0).UseCount, 1);
    table.Release(0);
    EXPECT_EQ(table.at(0).UseCount, 0);
    EXPECT_EQ(table.Repoint(-1, look(RGB(9, 9, 9))), 0);
}

TEST(CellFormatsTest, IndexesOutsideTheTableFailWithSubscriptOutOfRangeAndChangeNothing)
{
    CellFormats table;
    table.Repoint(-1, look(RGB(1, 1, 1)));
    const CellFormat defaults;
    expectSubscriptOutOfRange([&] { table.at(1); });
    expectSubscriptOutOfRange([&] { table.at(-1); });
    expectSubscriptOutOfRange([&] { table.LookOf(5, defaults); });
    expectSubscriptOutOfRange([&] { table.Release(1); });
    expectSubscriptOutOfRange([&] { table.Repoint(7, look(RGB(2, 2, 2))); });
    EXPECT_EQ(table.Count(), 1);
    EXPECT_EQ(table.at(0).UseCount, 1);
}

TEST(CellFormatsTest, HoldsMoreLooksThanSixteenBitIndexesReach)
{
    CellFormats table;
    constexpr qint32 looks = 40000;
    for (qint32 n = 0; n < looks; ++n)
        ASSERT_EQ(table.Repoint(-1, look(n)), n);
    EXPECT_EQ(table.Count(), looks);
    EXPECT_EQ(table.at(looks - 1).BackColor, looks - 1);
    // Lookups still find the shared entry past 32,767.
    EXPECT_EQ(table.Repoint(-1, look(39999)), 39999);
    EXPECT_EQ(table.at(39999).UseCount, 2);
}

TEST(CellFormatsTest, ANewOrClearedTableHoldsOneEmptyFreeSlot)
{
    CellFormats table;
    for (qint32 n = 0; n < 12; ++n)
        table.Repoint(-1, look(n));
    table.Clear();
    ASSERT_EQ(table.Count(), 1);
    const CellFormat& slot = table.at(0);
    EXPECT_EQ(slot.BackColor, 0);
    EXPECT_EQ(slot.ForeColor, 0);
    EXPECT_TRUE(slot.FontName.isEmpty());
    EXPECT_FALSE(slot.HandPointer);
    EXPECT_EQ(slot.ImageIndex, 0);
    EXPECT_EQ(slot.UseCount, 0);
    EXPECT_EQ(table.Repoint(-1, look(5)), 0);
}

} // namespace
