// The grid's theme properties: the palette written into its colours, the gradient pair, loading and
// the desktop's theme changes.

#include "grid/GridTestSupport.h"
#include "grid/QvGrid.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QPalette>
#include <QSignalSpy>

#include <functional>

using namespace grid;
using namespace gridtest;

namespace {

ThemeColors colorsOf(const QvGrid& grid)
{
    return {grid.ThemeCustomColorFrom(), grid.ThemeCustomColorTo(), grid.BackColorBkg(),
            grid.BackColor(),            grid.ForeColor(),          grid.BackColorSel(),
            grid.ForeColorSel(),         grid.FocusRectColor(),     grid.GridColor()};
}

// Colours no preset uses, as a user would set them under the custom palette.
const ThemeColors kUserColors = {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4), RGB(5, 5, 5),
                                 RGB(6, 6, 6), RGB(7, 7, 7), RGB(8, 8, 8), RGB(9, 9, 9)};

void setColors(QvGrid& grid, const ThemeColors& c)
{
    grid.SetThemeCustomColorFrom(c.ThemeCustomColorFrom);
    grid.SetThemeCustomColorTo(c.ThemeCustomColorTo);
    grid.SetBackColorBkg(c.BackColorBkg);
    grid.SetBackColor(c.BackColor);
    grid.SetForeColor(c.ForeColor);
    grid.SetBackColorSel(c.BackColorSel);
    grid.SetForeColorSel(c.ForeColorSel);
    grid.SetFocusRectColor(c.FocusRectColor);
    grid.SetGridColor(c.GridColor);
}

// A grid under the custom palette holding the user's colours.
void makeCustom(QvGrid& grid)
{
    grid.SetThemeColor(ThemeCustom);
    setColors(grid, kUserColors);
}

// Turns the desktop's visual style on for one test and off again after it.
struct VisualStyleOn {
    explicit VisualStyleOn(const QString& scheme) { setVisualStyle({true, scheme}); }
    ~VisualStyleOn() { setVisualStyle({}); }
};

} // namespace

TEST(GridThemeProperties, EachThemeColorWritesItsPaletteIntoTheGridColours)
{
    for (qint32 palette = 0; palette <= 4; ++palette) {
        for (qint32 highlight : {0, 1}) {
            QvGrid grid;
            grid.SetFocusRowHighlightStyle(highlight);
            makeCustom(grid);
            grid.SetThemeColor(palette);
            EXPECT_EQ(colorsOf(grid), SetDefaultThemeColor(palette, kUserColors, highlight))
                << "palette " << palette << " highlight " << highlight;
        }
    }
    QvGrid silver;
    silver.SetThemeColor(ThemeSilver);
    EXPECT_EQ(silver.ForeColorSel(), RGB(0, 0, 0));
    EXPECT_EQ(silver.GridColor(), RGB(155, 155, 171));
    silver.SetFocusRowHighlightStyle(1);
    EXPECT_EQ(silver.ForeColorSel(), COLOR_WINDOWTEXT);

    // Custom, any value above the visual style's, and the visual style while it is off keep them.
    for (qint32 palette : {7, 100, int(ThemeSystem)}) {
        QvGrid grid;
        makeCustom(grid);
        grid.SetThemeColor(palette);
        EXPECT_EQ(colorsOf(grid), kUserColors) << "palette " << palette;
    }
}

TEST(GridThemeProperties, EveryRefreshWritesThePaletteOverColoursSetInBetween)
{
    QvGrid grid;
    grid.SetThemeColor(ThemeBlue);
    grid.SetBackColor(RGB(1, 2, 3));
    grid.SetFocusRowHighlightStyle(2);
    EXPECT_EQ(grid.BackColor(), COLOR_WINDOW);
    grid.SetBackColor(RGB(1, 2, 3));
    grid.SetFocusRowHighlightKeepTextForecolor(true);
    EXPECT_EQ(grid.BackColor(), COLOR_WINDOW);

    // Choosing the present palette again neither re-applies it nor repaints nor reports.
    grid.SetBackColor(RGB(1, 2, 3));
    grid.SetRedraw(true);
    const qint32 before = grid.paintPasses();
    EXPECT_TRUE(changedKeys(grid, [&] { grid.SetThemeColor(ThemeBlue); }).isEmpty());
    EXPECT_EQ(grid.BackColor(), RGB(1, 2, 3));
    EXPECT_EQ(grid.paintPasses(), before);
    grid.SetThemeColor(ThemeOlive);
    EXPECT_EQ(grid.BackColor(), COLOR_WINDOW);
    EXPECT_EQ(grid.paintPasses(), before + 1);
}

TEST(GridThemeProperties, TheGradientPairIsKeptOnlyUnderTheCustomPalette)
{
    QvGrid grid;
    grid.SetThemeColor(ThemeBlue);
    grid.SetThemeCustomColorFrom(RGB(10, 20, 30));
    grid.SetThemeCustomColorTo(RGB(40, 50, 60));
    EXPECT_EQ(grid.ThemeCustomColorFrom(), RGB(203, 225, 252));
    EXPECT_EQ(grid.ThemeCustomColorTo(), RGB(125, 165, 224));

    // Under the visual style's palette (off here) the value is dropped as well.
    QvGrid system;
    const OleColor from = system.ThemeCustomColorFrom();
    system.SetThemeCustomColorFrom(RGB(10, 20, 30));
    EXPECT_EQ(system.ThemeCustomColorFrom(), from);

    grid.SetThemeColor(ThemeCustom);
    grid.SetThemeCustomColorFrom(RGB(10, 20, 30));
    grid.SetThemeCustomColorTo(COLOR_WINDOW);
    EXPECT_EQ(grid.ThemeCustomColorFrom(), RGB(10, 20, 30));
    EXPECT_EQ(grid.ThemeCustomColorTo(), TranslateColor(COLOR_WINDOW)) << "stored translated";
    EXPECT_NE(grid.ThemeCustomColorTo(), COLOR_WINDOW);
}

TEST(GridThemeProperties, LoadingWritesThePaletteOverTheSavedColours)
{
    PropertyBag bag;
    bag.WriteProperty(QStringLiteral("BackColor"), RGB(1, 2, 3));
    bag.WriteProperty(QStringLiteral("GridColor"), RGB(4, 5, 6));
    bag.WriteProperty(QStringLiteral("CustomColorFrom"), RGB(7, 8, 9));
    bag.WriteProperty(QStringLiteral("FocusRowHighlightStyle"), 1);

    const struct {
        qint32 themeColor;
        QString scheme; // empty: visual styles off
        OleColor backColor, gridColor, from;
    } cases[] = {
        {ThemeOlive, {}, COLOR_WINDOW, RGB(164, 186, 130), RGB(247, 249, 225)},
        {4, {}, COLOR_WINDOW, RGB(185, 159, 98), RGB(255, 239, 165)},
        {ThemeCustom, {}, RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)},
        {ThemeSystem, {}, RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9)},
        {ThemeSystem, QStringLiteral("Metallic"), COLOR_WINDOW, RGB(155, 155, 171), RGB(244, 244, 251)},
    };
    for (const auto& c : cases) {
        if (!c.scheme.isEmpty())
            setVisualStyle({true, c.scheme});
        bag.WriteProperty(QStringLiteral("ThemeColor"), c.themeColor);
        QvGrid grid;
        grid.readProperties(bag);
        setVisualStyle({});
        const std::string label = "ThemeColor " + std::to_string(c.themeColor) + " " + c.scheme.toStdString();
        EXPECT_EQ(grid.BackColor(), c.backColor) << label;
        EXPECT_EQ(grid.GridColor(), c.gridColor) << label;
        EXPECT_EQ(grid.ThemeCustomColorFrom(), c.from) << label;
        // The gradient highlight read from the set counts when the palette is written.
        if (c.backColor == COLOR_WINDOW) {
            EXPECT_EQ(grid.ForeColorSel(), COLOR_WINDOWTEXT) << label;
        }
    }
}

TEST(GridThemeProperties, ANewGridTakesTheVisualStylesPalette)
{
    const VisualStyleOn style(QStringLiteral("HomeStead"));
    QvGrid grid;
    EXPECT_EQ(grid.ThemeColor(), ThemeSystem);
    EXPECT_EQ(grid.ThemeColorName(), QStringLiteral("HomeStead"));
    EXPECT_EQ(grid.BackColorSel(), RGB(147, 160, 112));
}

TEST(GridThemeProperties, AThemeChangeIsReportedBeforeTheColoursChangeAndTheGridRepaints)
{
    QvGrid grid;
    makeCustom(grid);
    grid.SetThemeColor(ThemeSystem);
    grid.SetRedraw(true);
    const qint32 before = grid.paintPasses();

    ThemeColors seen;
    qint32 passesSeen = -1;
    QObject::connect(&grid, &QvGrid::ThemeChanged, [&] {
        seen = colorsOf(grid);
        passesSeen = grid.paintPasses();
    });
    const VisualStyleOn style(QStringLiteral("Metallic"));
    EXPECT_TRUE(changedKeys(grid, [&] { grid.OnThemeChanged(); }).isEmpty());
    EXPECT_EQ(seen, kUserColors);
    EXPECT_EQ(passesSeen, before);
    EXPECT_EQ(colorsOf(grid), SetDefaultThemeColor(ThemeSilver, kUserColors, 0));
    EXPECT_EQ(grid.paintPasses(), before + 1);
    EXPECT_EQ(grid.ThemeColorName(), QStringLiteral("Metallic"));
}

TEST(GridThemeProperties, TheWidgetsStyleAndPaletteChangesCountAsThemeChanges)
{
    QvGrid grid;
    QSignalSpy spy(&grid, &QvGrid::ThemeChanged);
    QPalette palette = grid.palette();
    palette.setColor(QPalette::Window, Qt::red);
    grid.setPalette(palette);
    EXPECT_EQ(spy.count(), 1);
    QEvent styleChange(QEvent::StyleChange);
    QCoreApplication::sendEvent(&grid, &styleChange);
    EXPECT_EQ(spy.count(), 2);
}

TEST(GridThemeProperties, SettersReportTheirKeysAndRepaint)
{
    QvGrid grid;
    grid.SetRedraw(true);
    const struct {
        std::function<void()> change;
        QStringList keys;
        qint32 passes;
    } cases[] = {
        {[&] { grid.SetThemeColor(ThemeBlue); }, {"ThemeColor"}, 1},
        {[&] { grid.SetThemeStyle(9); }, {"ThemeStyle"}, 1},
        {[&] { grid.SetThemeCustomColorFrom(RGB(1, 1, 1)); }, {"ThemeColorFrom"}, 1},
        {[&] { grid.SetThemeCustomColorTo(RGB(1, 1, 1)); }, {"ThemeColorTo"}, 1},
        {[&] { grid.SetFocusRowHighlightStyle(1); }, {"FocusRowHighlightStyle"}, 1},
    };
    for (const auto& c : cases) {
        const qint32 before = grid.paintPasses();
        EXPECT_EQ(changedKeys(grid, c.change), c.keys) << c.keys.value(0).toStdString();
        EXPECT_EQ(grid.paintPasses(), before + c.passes) << c.keys.value(0).toStdString();
    }
    EXPECT_EQ(grid.ThemeStyle(), 9) << "no range check";
}
