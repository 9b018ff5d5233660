// Cell and row attributes of the grid: shared looks, the cell members, range formatting, the row
// members, range selection and images.

#include "grid/GridTestSupport.h"
#include "grid/QvGrid.h"

#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace grid;
using namespace gridtest;

namespace {

// A grid of columns A (text), B (check box), C (progress bar) and the given rows, white on black.
std::unique_ptr<QvGrid> gridWith(const QStringList& rows)
{
    auto grid = std::make_unique<QvGrid>();
    grid->SetBackColor(White);
    grid->SetForeColor(Black);
    grid->AddColumn("A", 1000, 0, ColText, {}, {}, 0, false);
    grid->AddColumn("B", 1000, 0, ColCheckBox, {}, {}, 0, false);
    grid->AddColumn("C", 1000, 0, ColProgressBar, {}, {}, 0, false);
    for (const QString& row : rows)
        grid->AddItem(row);
    return grid;
}

qint32 formatIndex(const QvGrid& grid, qint32 row, qint32 col) { return grid.store().CellAt(row, col).FormatIndex; }

} // namespace

TEST(CellFormatTable, CellsOfOneLookShareOneEntry)
{
    auto grid = gridWith({"1\t0\t0"});
    const CellFormats& table = grid->store().CellFormats();
    for (qint32 c = 0; c < 3; ++c)
        EXPECT_EQ(formatIndex(*grid, 0, c), 0);
    EXPECT_EQ(table.at(0).UseCount, 3);
    EXPECT_EQ(table.at(0).BackColor, White);
    EXPECT_EQ(table.at(0).ForeColor, Black);
    EXPECT_EQ(table.at(0).FontName, grid->Font().family());

    // Two cells given the same new look share its entry.
    grid->AddItem("2\t0\t0");
    grid->SetCellBackColor(0, 0, Red);
    grid->SetCellBackColor(1, 2, Red);
    EXPECT_EQ(formatIndex(*grid, 0, 0), formatIndex(*grid, 1, 2));
    EXPECT_EQ(table.at(formatIndex(*grid, 0, 0)).UseCount, 2);
    EXPECT_EQ(table.at(0).UseCount, 4);
}

TEST(CellFormatTable, RepointingBackAndReleasing)
{
    auto grid = gridWith({"1\t0\t0", "2\t0\t0"});
    const CellFormats& table = grid->store().CellFormats();
    grid->SetCellBackColor(0, 1, Red);
    const qint32 red = formatIndex(*grid, 0, 1);
    ASSERT_NE(red, 0);
    EXPECT_EQ(table.at(0).UseCount, 5);
    EXPECT_EQ(grid->CellBackColor(0, 1), Red);
    EXPECT_EQ(grid->CellForeColor(0, 1), Black);

    // Back to the first look: the red entry is free but keeps its values.
    grid->SetCellBackColor(0, 1, White);
    EXPECT_EQ(formatIndex(*grid, 0, 1), 0);
    EXPECT_EQ(table.at(0).UseCount, 6);
    EXPECT_EQ(table.at(red).UseCount, 0);
    EXPECT_EQ(table.at(red).BackColor, Red);

    // A removed row gives its cells' counts back.
    grid->SetCellForeColor(1, 0, Blue);
    const qint32 blue = formatIndex(*grid, 1, 0);
    grid->store().RemoveRow(1);
    EXPECT_EQ(table.at(blue).UseCount, 0);
    EXPECT_EQ(table.at(0).UseCount, 3);

    // Each look field is a field of the entry.
    grid->SetCellFontName(0, 0, "Courier");
    grid->SetCellHandPointer(0, 0, true);
    grid->SetCellImage(0, 0, 7);
    EXPECT_EQ(grid->CellFontName(0, 0), "Courier");
    EXPECT_TRUE(grid->CellHandPointer(0, 0));
    EXPECT_EQ(grid->CellImage(0, 0), 7);
    EXPECT_EQ(grid->CellBackColor(0, 0), White);
    EXPECT_EQ(table.at(formatIndex(*grid, 0, 0)).UseCount, 1);
}

TEST(CellFormatTable, FormatCellsOverARange)
{
    auto grid = gridWith({"1\t0\t0", "2\t0\t0", "3\t0\t0"});
    grid->FormatCells(1, -1, 1, -1, 1, QString::number(Red));
    for (qint32 r = 0; r < 3; ++r) {
        for (qint32 c = 0; c < 3; ++c)
            EXPECT_EQ(grid->CellBackColor(r, c), r >= 1 && c >= 1 ? Red : White) << r << "," << c;
    }
    EXPECT_EQ(grid->store().CellFormats().at(formatIndex(*grid, 1, 1)).UseCount, 4);

    struct Case {
        qint32 mode;
        QString value;
        std::function<bool(const QvGrid&)> applied;
    };
    const Case cases[] = {
        {4, QString::number(Blue), [](const QvGrid& g) { return g.CellForeColor(0, 0) == Blue; }},
        {8, "3", [](const QvGrid& g) { return g.CellImage(0, 0) == 3; }},
        {16, "Arial", [](const QvGrid& g) { return g.CellFontName(0, 0) == "Arial"; }},
        {32, "1", [](const QvGrid& g) { return g.CellFontBold(0, 0); }},
        {64, "-1", [](const QvGrid& g) { return g.CellFontItalic(0, 0); }},
        {128, "2", [](const QvGrid& g) { return g.CellFontUnderline(0, 0); }},
        {256, "1", [](const QvGrid& g) { return g.CellHandPointer(0, 0); }},
        {512, "", [](const QvGrid& g) { return g.CellAlignment(0, 0) == 6; }},
    };
    for (const Case& c : cases) {
        auto fresh = gridWith({"1\t0\t0"});
        fresh->FormatCells(0, 0, 0, 0, c.mode, c.value, 6);
        EXPECT_TRUE(c.applied(*fresh)) << "mode " << c.mode;
    }

    // Modes are exact values, and a blank font name is ignored.
    auto fresh = gridWith({"1\t0\t0"});
    fresh->FormatCells(0, -1, 0, -1, 5, QString::number(Red));
    fresh->FormatCells(0, -1, 0, -1, 16, "   ");
    EXPECT_EQ(fresh->CellBackColor(0, 0), White);
    EXPECT_EQ(fresh->CellForeColor(0, 0), Black);
    EXPECT_EQ(fresh->CellFontName(0, 0), fresh->Font().family());
    EXPECT_EQ(fresh->store().CellFormats().Count(), 1);
}

TEST(CellFormatTable, FormatCellsAlignmentUsesInsertionOrder)
{
    auto grid = gridWith({"1\t0\t0", "2\t0\t0", "3\t0\t0"});
    grid->store().SetRowOrder({2, 1, 0});
    grid->FormatCellsAlignment(0, 0, 0, -1, 2);
    for (qint32 c = 0; c < 3; ++c) {
        EXPECT_EQ(grid->CellAlignment(2, c), 2);
        EXPECT_EQ(grid->CellAlignment(0, c), 0);
    }
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { grid->FormatCellsAlignment(1, 3, 0, 0, 1); });
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { grid->FormatCellsAlignment(-1, 0, 0, 0, 1); });
    EXPECT_EQ(grid->CellAlignment(1, 0), 0);
}

TEST(CellMembers, TextValueAndCheckMarksKeepTotals)
{
    auto grid = gridWith({"5\t0\t0", "7\t1\t0"});
    grid->SetCellText(0, 1, "2");
    EXPECT_TRUE(grid->CellChecked(0, 1));
    EXPECT_EQ(grid->CellText(0, 1), "2");
    EXPECT_EQ(grid->CellValue(0, 1), QVariant(true));
    EXPECT_DOUBLE_EQ(grid->store().Totals()[1], 3);

    grid->SetCellValue(1, 0, "abc");
    EXPECT_EQ(grid->CellText(1, 0), "0");
    EXPECT_DOUBLE_EQ(grid->store().Totals()[0], 5);
    grid->SetCellValue(1, 0, 2.5);
    EXPECT_EQ(grid->CellValue(1, 0), QVariant(2.5));
    EXPECT_DOUBLE_EQ(grid->store().Totals()[0], 7.5);

    // The check-box total follows the new value too.
    grid->SetCellValue(1, 1, 0);
    EXPECT_FALSE(grid->CellChecked(1, 1));
    EXPECT_DOUBLE_EQ(grid->store().Totals()[1], 2);

    // Checking a check-box cell writes its text; a text cell keeps its text.
    grid->SetCellChecked(1, 1, true);
    EXPECT_EQ(grid->CellText(1, 1), "True");
    EXPECT_DOUBLE_EQ(grid->store().Totals()[1], 1);
    grid->SetCellChecked(0, 0, true);
    EXPECT_TRUE(grid->CellChecked(0, 0));
    EXPECT_EQ(grid->CellText(0, 0), "5");

    struct Case {
        QString text;
        QVariant value;
    };
    const Case checkBoxTexts[] = {{"", false}, {"FALSE", false}, {"true", true}, {"0", false}, {"-3", true}, {"x", {}}};
    for (const Case& c : checkBoxTexts) {
        grid->SetCellText(0, 1, c.text);
        EXPECT_EQ(grid->CellValue(0, 1), c.value) << c.text.toStdString();
    }
}

TEST(CellMembers, ProgressValueIsClampedInProgressColumnsOnly)
{
    auto grid = gridWith({"1\t0\t40"});
    grid->SetCellProgressValue(0, 2, 150);
    EXPECT_EQ(grid->CellProgressValue(0, 2), 100);
    grid->SetCellProgressValue(0, 2, -5);
    EXPECT_EQ(grid->CellProgressValue(0, 2), 0);
    grid->SetCellProgressValue(0, 0, 50);
    EXPECT_EQ(grid->CellProgressValue(0, 0), 0);
}

TEST(CellMembers, ChangingAProgressCellKeepsItsProgressAndMarksTheRow)
{
    auto grid = gridWith({"1\t0\t40"});
    grid->SetCellProgressValue(0, 2, 30);
    grid->SetCellText(0, 2, "35");
    EXPECT_EQ(grid->CellProgressValue(0, 2), 30);
    EXPECT_TRUE(grid->store().RowChanged(0));
    EXPECT_TRUE(grid->CellsChanged());
}

TEST(CellMembers, StyleBitsAreIndependent)
{
    auto grid = gridWith({"1\t0\t0"});
    grid->SetCellWordWrap(0, 0, true);
    grid->SetCellFontItalic(0, 0, false);
    EXPECT_TRUE(grid->CellWordWrap(0, 0));
    grid->SetCellFontItalic(0, 0, true);
    grid->SetCellWordWrap(0, 0, false);
    EXPECT_FALSE(grid->CellWordWrap(0, 0));
    EXPECT_TRUE(grid->CellFontItalic(0, 0));
    EXPECT_FALSE(grid->CellFontBold(0, 0));
    EXPECT_FALSE(grid->CellFontUnderline(0, 0));
}

TEST(CellMembers, StrictGetsRaiseNineNormalisingOnesFollowTheCurrentRow)
{
    auto grid = gridWith({"1\t0\t0", "2\t0\t0"});
    const std::function<void(qint32, qint32)> strict[] = {
        [&](qint32 r, qint32 c) { grid->CellAlignment(r, c); },
        [&](qint32 r, qint32 c) { grid->CellBackColor(r, c); },
        [&](qint32 r, qint32 c) { grid->CellForeColor(r, c); },
        [&](qint32 r, qint32 c) { grid->CellFontName(r, c); },
        [&](qint32 r, qint32 c) { grid->CellHandPointer(r, c); },
        [&](qint32 r, qint32 c) { grid->CellImage(r, c); },
        [&](qint32 r, qint32 c) { grid->CellFontBold(r, c); },
        [&](qint32 r, qint32 c) { grid->CellFontItalic(r, c); },
        [&](qint32 r, qint32 c) { grid->CellFontUnderline(r, c); },
        [&](qint32 r, qint32 c) { grid->CellWordWrap(r, c); },
        [&](qint32 r, qint32 c) { grid->CellChanged(r, c); },
        [&](qint32 r, qint32 c) { grid->CellProgressValue(r, c); },
    };
    for (const auto& get : strict) {
        for (const auto& cell : {std::pair{-1, 0}, std::pair{2, 0}, std::pair{0, -1}, std::pair{0, 3}})
            expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { get(cell.first, cell.second); });
    }

    // Row -1 is the current row (0 when none); past the last is the last; a bad column is refused.
    grid->SetCellText(-1, 0, "x");
    EXPECT_EQ(grid->CellText(0, 0), "x");
    grid->store().SetCurRow(1);
    grid->SetCellText(-1, 0, "y");
    EXPECT_EQ(grid->CellText(1, 0), "y");
    EXPECT_EQ(grid->CellText(9, 0), "y");
    grid->SetCellBackColor(0, 3, Red);
    grid->SetCellTag(0, 5, "t");
    EXPECT_EQ(grid->CellText(0, 3), QString());
    EXPECT_EQ(grid->store().CellFormats().Count(), 1);
}

TEST(CellMembers, EmptyGridDoesNothing)
{
    auto grid = gridWith({});
    grid->SetCellText(0, 0, "x");
    grid->SetCellBackColor(-1, -1, Red);
    grid->CellPicture(filled(Qt::red), 0, 0);
    grid->FormatCells(0, -1, 0, -1, 1, "255");
    grid->FormatCellsAlignment(0, -1, 0, -1, 1);
    EXPECT_EQ(grid->CellText(0, 0), QString());
    EXPECT_FALSE(grid->CellChecked(0, 0));
    EXPECT_FALSE(grid->CellValue(0, 0).isValid());
    EXPECT_TRUE(grid->CellPictureGet(0, 0).isNull());
    EXPECT_FALSE(grid->CellsChanged());
    EXPECT_TRUE(grid->RowLocked(0));
    EXPECT_EQ(grid->CheckedCount(), 0);
}

TEST(CellMembers, ChangedMarksFollowDisplayRowsAndColumns)
{
    auto grid = gridWith({"1\t0\t0", "2\t0\t0", "3\t0\t0"});
    grid->store().SetRowOrder({2, 0, 1});
    grid->store().SetColOrder({2, 1, 0});
    grid->SetCellBackColor(0, 2, Red);
    EXPECT_EQ(grid->CellBackColor(0, 2), Red);
    EXPECT_EQ(grid->store().Record(2).Cells[2].FormatIndex, formatIndex(*grid, 0, 2));

    EXPECT_FALSE(grid->CellsChanged());
    grid->SetCellText(0, 0, "9");
    EXPECT_TRUE(grid->CellChanged(0, 0));
    EXPECT_TRUE(grid->store().RowChanged(0));
    EXPECT_FALSE(grid->store().RowChanged(1));
    EXPECT_EQ(grid->store().Record(2).Cells[0].Text, "9");
    EXPECT_TRUE(grid->CellsChanged());

    grid->SetCellTag(0, 1, "tag");
    grid->CellPicture(filled(Qt::red), 0, 1);
    EXPECT_EQ(grid->CellTag(0, 1), "tag");
    EXPECT_FALSE(grid->CellPictureGet(0, 1).isNull());
    grid->CellPicture(QPixmap(), 0, 1);
    EXPECT_TRUE(grid->CellPictureGet(0, 1).isNull());

    grid->Clear();
    EXPECT_FALSE(grid->CellsChanged());
}

TEST(RowMembers, RowWideSettersReachEveryColumnOfTheDisplayRow)
{
    auto grid = gridWith({"1\t0\t0", "2\t0\t0", "3\t0\t0"});
    grid->store().SetRowOrder({1, 2, 0});
    grid->RowBackColor(0, Red);
    grid->RowForeColor(0, Blue);
    grid->RowFontBold(0, true);
    for (qint32 c = 0; c < 3; ++c) {
        EXPECT_EQ(grid->store().Record(1).Cells[c].FormatIndex, formatIndex(*grid, 0, c));
        EXPECT_EQ(grid->CellBackColor(0, c), Red);
        EXPECT_EQ(grid->CellForeColor(0, c), Blue);
        EXPECT_TRUE(grid->CellFontBold(0, c));
        EXPECT_EQ(grid->CellBackColor(1, c), White);
        EXPECT_FALSE(grid->CellFontBold(1, c));
    }
    EXPECT_EQ(grid->store().CellFormats().at(formatIndex(*grid, 0, 0)).UseCount, 3);
}

TEST(RowMembers, FlagsDataAndVisibility)
{
    auto grid = gridWith({"1\t0\t0", "2\t0\t0", "3\t0\t0"});
    grid->SetRowChecked(0, true);
    grid->SetRowSelected(1, true);
    grid->SetRowLocked(9, true);
    grid->SetRowData(1, 42);
    grid->SetRowTag(1, "t");
    grid->SetRowGroupHeader(2, true);
    EXPECT_TRUE(grid->RowChecked(0));
    EXPECT_TRUE(grid->RowSelected(1));
    EXPECT_TRUE(grid->RowLocked(2));
    EXPECT_FALSE(grid->RowLocked(0));
    EXPECT_EQ(grid->RowData(1), 42);
    EXPECT_EQ(grid->RowTag(1), "t");
    EXPECT_TRUE(grid->RowGroupHeader(2));

    grid->SetRowChecked(2, true);
    grid->SetRowVisible(2, false);
    EXPECT_EQ(grid->CheckedCount(), 2);
    EXPECT_EQ(grid->Rows(), 3);

    // Setting the same visibility again repaints nothing.
    grid->SetRedraw(true);
    const qint32 passes = grid->paintPasses();
    grid->SetRowVisible(2, false);
    EXPECT_EQ(grid->paintPasses(), passes);
    grid->SetRowVisible(2, true);
    EXPECT_EQ(grid->paintPasses(), passes + 1);
    EXPECT_TRUE(grid->RowVisible(2));
}

TEST(RowMembers, SelectRowRange)
{
    auto grid = gridWith({"1", "2", "3", "4", "5", "6"});
    ASSERT_GT(grid->store().Capacity(), grid->Rows());

    qint32 from = 5, to = 2;
    EXPECT_TRUE(grid->SelectRowRange(true, from, to));
    EXPECT_TRUE(grid->SelectRowRange(true, from, to));
    for (qint32 r = 0; r < 6; ++r)
        EXPECT_EQ(grid->RowSelected(r), r >= 2) << r;

    // -1 ends at the last row; the spare slots beyond it (whose order entries name row 0) are
    // left alone, so row 0 keeps its selection.
    grid->SetRowSelected(0, true);
    from = 1;
    to = -1;
    EXPECT_TRUE(grid->SelectRowRange(false, from, to));
    EXPECT_EQ(to, 5);
    EXPECT_TRUE(grid->RowSelected(0));

    from = -1;
    to = -1;
    EXPECT_TRUE(grid->SelectRowRange(false, from, to));
    EXPECT_EQ(from, 0);
    EXPECT_FALSE(grid->SelectRowRange(false, from, to));
    for (qint32 r = 0; r < 6; ++r)
        EXPECT_FALSE(grid->RowSelected(r));

    from = 0;
    to = 6;
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { grid->SelectRowRange(true, from, to); });
    EXPECT_FALSE(grid->RowSelected(0));
}

TEST(RowMembers, ImagesByIndexAndKey)
{
    ImageList images;
    images.Add(filled(Qt::red), "red");
    images.Add(filled(Qt::blue), "blue");
    auto grid = gridWith({"1", "2"});

    // Without a list a key changes nothing.
    grid->SetRowImage(0, 2);
    grid->SetRowImage(0, "blue");
    EXPECT_EQ(grid->RowImage(0), QVariant(2));
    grid->SetCellImage(0, 0, "blue");
    EXPECT_EQ(grid->CellImage(0, 0), 0);

    grid->SetImageList(&images);
    EXPECT_EQ(grid->ImageList(), &images);
    grid->SetRowImage(0, "blue");
    EXPECT_EQ(grid->store().RowAt(0).Image, -2);
    EXPECT_EQ(grid->RowImage(0), QVariant("blue"));
    grid->SetRowImage(0, "green");
    EXPECT_EQ(grid->RowImage(0), QVariant("blue"));
    grid->SetRowImage(1, 3);
    EXPECT_EQ(grid->RowImage(1), QVariant(3));

    grid->SetCellImage(0, 0, "blue");
    EXPECT_EQ(grid->CellImage(0, 0), 2);
    grid->SetCellImage(0, 0, "green");
    EXPECT_EQ(grid->CellImage(0, 0), 0);

    grid->SetExpandRowImage("red");
    EXPECT_EQ(grid->ExpandRowImage(), QVariant("red"));
    grid->SetExpandRowImage(5);
    EXPECT_EQ(grid->ExpandRowImage(), QVariant(5));

    // A key kept while the list is gone cannot be read back.
    grid->SetImageList(nullptr);
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { grid->RowImage(0); });
}

TEST(RowMembers, BindControl)
{
    auto grid = gridWith({"1"});
    QWidget editor;
    grid->BindControl(1, &editor, 2);
    EXPECT_EQ(grid->store().Columns()[1].BoundControl.data(), &editor);
    EXPECT_EQ(grid->store().Columns()[1].BindOption, 2);
    expectError(runtime::ErrorNumber::SubscriptOutOfRange, [&] { grid->BindControl(3, &editor, 0); });
}
