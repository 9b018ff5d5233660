// The grid widget's saved settings, setters and repaint switches.

#include "grid/GridTestSupport.h"
#include "grid/QvGrid.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <cmath>
#include <functional>

using namespace grid;
using namespace gridtest;

namespace {

} // namespace

TEST(GridProperties, NewAndLoadedGridsDifferOnlyWhereTheNewOneStartsOtherwise)
{
    QvGrid placed;
    EXPECT_TRUE(placed.AllowColumnResizing());
    EXPECT_FALSE(placed.ShowRowNumbersVary());

    QvGrid loaded;
    loaded.readProperties(PropertyBag());
    EXPECT_FALSE(loaded.AllowColumnResizing());
    EXPECT_TRUE(loaded.ShowRowNumbersVary());

    GridProperties expected = placed.properties();
    expected.AllowColumnResizing = false;
    expected.ShowRowNumbersVary = true;
    EXPECT_EQ(loaded.properties(), expected);
    EXPECT_EQ(loaded.Appearance(), 1);
    EXPECT_TRUE(loaded.Enabled());
    EXPECT_EQ(loaded.properties().ThemeCustomColorFrom, 0x404080);
}

TEST(GridProperties, AGridSavedAndReadBackKeepsItsSettingsButNotItsRowsOrRedraw)
{
    QvGrid saved;
    saved.SetCaption(QStringLiteral("Deliveries"));
    saved.SetBackColor(0x123456);
    saved.SetGridLines(3);
    saved.SetColumnHeaderLines(2);
    saved.SetColumnHeaderSmall(true);
    saved.SetAllowEdit(true);
    saved.SetMultiSelect(1);
    saved.SetCacheIncrement(0);
    saved.SetFreezeAtCol(1);
    saved.SetScaleUnits(3);
    saved.SetAppearance(0);
    saved.SetEnabled(false);
    QFont header(QStringLiteral("Serif"), 14);
    saved.SetFontHeader(header);
    saved.SetRedraw(true);
    PropertyBag bag;
    saved.writeProperties(bag);

    QvGrid loaded;
    loaded.AddItem(QStringLiteral("left over"));
    loaded.SetRedraw(true);
    loaded.readProperties(bag);

    // The one "Enabled" key holds the disabled state for the widget and the key handling alike.
    GridProperties expected = saved.properties();
    expected.KeyboardEnabled = false;
    EXPECT_EQ(loaded.properties(), expected);
    EXPECT_EQ(loaded.FontHeader(), header);
    EXPECT_EQ(loaded.Appearance(), 0);
    EXPECT_FALSE(loaded.Enabled());
    EXPECT_FALSE(loaded.KeyboardEnabled());
    EXPECT_EQ(loaded.store().CacheIncrement(), 0);
    EXPECT_TRUE(loaded.store().MultiSelect());
    EXPECT_FALSE(loaded.Redraw());
    EXPECT_FALSE(loaded.PaintEnabled());
    EXPECT_EQ(loaded.Rows(), 0);
}

TEST(GridProperties, TheBagKeepsOnlyValuesOtherThanTheirDefaultsExceptTheAlwaysStoredOnes)
{
    QvGrid grid;
    grid.readProperties(PropertyBag());
    PropertyBag bag;
    grid.writeProperties(bag);
    QStringList keys = bag.values().keys();
    keys.sort();
    EXPECT_EQ(keys, (QStringList{"ColumnHeaderSmall", "FocusRowHighlightKeepTextForecolor", "ShowRowNumbers",
                                 "ShowRowNumbersVary", "TotalsLineShow"}));
}

TEST(GridProperties, StoredCodesAreReadAsTheirAbsoluteValues)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("GridLines"), -2);
    bag.WriteProperty(QStringLiteral("MultiSelect"), -1);
    QvGrid grid;
    grid.readProperties(bag);
    EXPECT_EQ(grid.GridLines(), 2);
    EXPECT_EQ(grid.MultiSelect(), 1);
}

TEST(GridProperties, SettersClampAndKeepExclusiveSettingsApart)
{
    QvGrid grid;
    grid.SetCacheIncrement(-5);
    EXPECT_EQ(grid.CacheIncrement(), 10);
    grid.SetCacheIncrement(0);
    EXPECT_EQ(grid.CacheIncrement(), 0);
    EXPECT_EQ(grid.store().CacheIncrement(), 0);

    EXPECT_TRUE(changedKeys(grid, [&] { grid.SetColumnHeaderLines(0); }).isEmpty());
    EXPECT_EQ(grid.ColumnHeaderLines(), 1);

    grid.SetAllowColumnSwap(true);
    grid.SetAllowColumnDrag(true);
    EXPECT_FALSE(grid.AllowColumnSwap());
    grid.SetAllowColumnSwap(true);
    EXPECT_FALSE(grid.AllowColumnDrag());

    grid.SetAllowEdit(true);
    EXPECT_EQ(grid.FocusRectMode(), 2);
    QvGrid rowFocus;
    rowFocus.SetFocusRectMode(1);
    rowFocus.SetAllowEdit(true);
    EXPECT_EQ(rowFocus.FocusRectMode(), 1);
}

TEST(GridProperties, SettersReportTheirSavedSetKey)
{
    QvGrid grid;
    const struct {
        std::function<void()> change;
        QStringList keys;
    } cases[] = {
        {[&] { grid.SetThemeCustomColorFrom(1); }, {"ThemeColorFrom"}},
        {[&] { grid.SetThemeCustomColorTo(1); }, {"ThemeColorTo"}},
        {[&] { grid.SetRowCheckBoxes(true); }, {"CheckBoxes"}},
        {[&] { grid.SetAllowEdit(true); }, {"Editable"}},
        {[&] { grid.SetFocusRowHighlight(false); }, {"FullRowSelect"}},
        {[&] { grid.SetFocusRectHide(true); }, {"HideSelection"}},
        {[&] { grid.SetAllowColumnHover(false); }, {"HotHeaderTracking"}},
        {[&] { grid.SetColumnHeaders(false); }, {"ShowColumnHeaders"}},
        {[&] { grid.SetCellProgressBarColor(1); }, {"ProgressBarColor"}},
        {[&] { grid.SetMinRowHeight(230); }, {"MinRowHeight"}},
        {[&] { grid.SetRedraw(true); }, {"Redraw"}},
        {[&] { grid.SetColumnHeaderSmall(true); }, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(changedKeys(grid, c.change), c.keys) << c.keys.value(0).toStdString();
}

TEST(GridRedraw, BulkLoadingWithRedrawOffPaintsOnceWhenRedrawIsSet)
{
    QvGrid grid;
    grid.ClearAll();
    grid.AddColumn(QStringLiteral("Name"), 1000, 4, 0, {}, {}, 4, false);
    const qint32 before = grid.paintPasses();
    for (int i = 0; i < 1000; ++i)
        grid.AddItem(QStringLiteral("row %1").arg(i));
    grid.SetGridColor(0x00FF00);
    grid.SetRedrawFlag(true);
    EXPECT_FALSE(grid.PaintEnabled());
    EXPECT_EQ(grid.paintPasses(), before);

    grid.SetRedraw(true);
    EXPECT_EQ(grid.paintPasses(), before + 1);
    grid.AddItem(QStringLiteral("one more"));
    EXPECT_EQ(grid.paintPasses(), before + 2);

    // Turning painting off forgets what was due.
    grid.SetRedraw(false);
    grid.AddItem(QStringLiteral("unseen"));
    grid.SetRedraw(false);
    grid.SetRedraw(true);
    EXPECT_EQ(grid.paintPasses(), before + 2);
}

TEST(GridRedraw, ClearingShowsTheEmptyGridOnceAndTurnsRedrawOff)
{
    QvGrid grid;
    grid.SetRedraw(true);
    grid.AddItem(QStringLiteral("a"));
    const qint32 before = grid.paintPasses();
    grid.Clear();
    EXPECT_EQ(grid.paintPasses(), before + 1);
    EXPECT_FALSE(grid.Redraw());
    grid.AddItem(QStringLiteral("b"));
    EXPECT_EQ(grid.paintPasses(), before + 1);
}

TEST(GridUse, ThePodLookUpSequenceGivesItsRowsAndColumnWidths)
{
    QvGrid grid;
    grid.readProperties(PropertyBag());
    grid.ClearAll();
    grid.AddColumn(QStringLiteral("Description"), 2300, 4, 0, {}, {}, 4, false, 0, true);
    grid.AddColumn(QStringLiteral("Values"), 4000, 4, 0, {}, {}, 4, true, 0, true);
    grid.SetMinRowHeight(230);
    grid.SetRedraw(true);
    QSignalSpy counted(&grid, &QvGrid::RowCountChanged);
    grid.AddItem(QStringLiteral("Consignment\tQK1001"));
    grid.AddItem(QStringLiteral("Received by\t"));

    ASSERT_EQ(grid.Rows(), 2);
    EXPECT_EQ(counted.count(), 2);
    EXPECT_EQ(grid.store().RowAt(0).Cells[1].Text, QStringLiteral("QK1001"));
    EXPECT_EQ(grid.store().RowAt(1).Cells[0].Text, QStringLiteral("Received by"));
    const double pixelsPerTwip = grid.logicalDpiX() / 1440.0;
    EXPECT_EQ(grid.store().Columns()[0].WidthPx, qint32(std::nearbyint(2301 * pixelsPerTwip)));
    EXPECT_EQ(grid.store().Columns()[1].WidthPx, qint32(std::nearbyint(4001 * pixelsPerTwip)));
}

TEST(GridUse, WidthsInPixelsRoundHalvesToEven)
{
    QvGrid grid;
    grid.SetScaleUnits(3);
    grid.AddColumn(QStringLiteral("a"), 1.5f, 0, 0, {}, {}, 0, false);
    grid.AddColumn(QStringLiteral("b"), 2.5f, 0, 0, {}, {}, 0, false);
    EXPECT_EQ(grid.store().Columns()[0].WidthPx, 2);
    EXPECT_EQ(grid.store().Columns()[1].WidthPx, 4);
}
