// The grid's colour arithmetic and theme palettes.

#include "grid/GridColors.h"
#include "grid/QvGrid.h"
#include "support/Contrast.h"

#include <QApplication>
#include <QPalette>
#include <gtest/gtest.h>

using namespace grid;

namespace {

// The RGB value of a palette role of the application palette.
OleColor paletteRgb(QPalette::ColorRole role)
{
    const QColor c = QApplication::palette().color(role);
    return RGB(c.red(), c.green(), c.blue());
}

// The application palette with a distinct colour in every role the system colours use; the
// previous palette comes back at the end.
class DistinctPalette {
public:
    DistinctPalette() : m_saved(QApplication::palette())
    {
        QPalette palette;
        int n = 1;
        for (QPalette::ColorRole role : {QPalette::Base, QPalette::Text, QPalette::Dark, QPalette::Button,
                                         QPalette::ButtonText, QPalette::Shadow, QPalette::Midlight}) {
            palette.setColor(role, QColor(10 * n, 250 - 10 * n, 5 * n));
            ++n;
        }
        QApplication::setPalette(palette);
    }
    ~DistinctPalette() { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

TEST(GridColorsTest, TranslateColorPassesRgbAndReadsSystemColoursFromThePalette)
{
    const DistinctPalette palette;
    const struct {
        OleColor system;
        QPalette::ColorRole role;
    } systemColours[] = {
        {COLOR_WINDOW, QPalette::Base},          {COLOR_WINDOWTEXT, QPalette::Text},
        {COLOR_APPWORKSPACE, QPalette::Dark},    {COLOR_BTNFACE, QPalette::Button},
        {COLOR_BTNTEXT, QPalette::ButtonText},   {COLOR_3DDKSHADOW, QPalette::Shadow},
        {COLOR_3DLIGHT, QPalette::Midlight},
    };
    for (const auto& c : systemColours)
        EXPECT_EQ(TranslateColor(c.system), paletteRgb(c.role)) << std::hex << c.system;

    for (OleColor rgb : {0, RGB(1, 2, 3), RGB(255, 255, 255), 0x00C08040})
        EXPECT_EQ(TranslateColor(rgb), rgb) << std::hex << rgb;
    // No such system colour, or a value that is neither RGB nor a system colour.
    for (OleColor bad : {OleColor(0x8000001Fu), OleColor(0x80010005u), OleColor(0x01000000u), -1})
        EXPECT_EQ(TranslateColor(bad), -1) << std::hex << bad;
}

TEST(GridColorsTest, BlendColorsWeighsTheFirstColourByAlphaAndRoundsEachChannel)
{
    const struct {
        OleColor color1, color2;
        qint32 alpha;
        OleColor expected;
    } cases[] = {
        {RGB(255, 255, 255), RGB(0, 0, 0), 128, RGB(128, 128, 128)},
        {RGB(10, 20, 30), RGB(200, 100, 50), 0, RGB(200, 100, 50)},
        {RGB(10, 20, 30), RGB(200, 100, 50), 255, RGB(10, 20, 30)},
        {RGB(10, 20, 30), RGB(200, 100, 50), 150, RGB(88, 53, 38)},
        // 128/255 of one step rounds up on the first colour's side, 127/255 down on the second's.
        {RGB(1, 0, 1), RGB(0, 1, 0), 128, RGB(1, 0, 1)},
        // Weights outside 0-255 cannot take a channel outside 0-255.
        {RGB(255, 0, 0), RGB(0, 0, 0), 300, RGB(255, 0, 0)},
        {RGB(255, 255, 255), RGB(0, 0, 0), -10, RGB(0, 0, 0)},
        {RGB(0, 0, 0), RGB(255, 255, 255), -10, RGB(255, 255, 255)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BlendColors(c.color1, c.color2, c.alpha), c.expected)
            << std::hex << c.color1 << " " << c.color2 << std::dec << " alpha " << c.alpha;
}

TEST(GridColorsTest, ShiftOleColorClampsEveryChannelToByteRange)
{
    const struct {
        OleColor color;
        qint16 amount;
        OleColor expected;
    } cases[] = {
        {RGB(250, 10, 128), 25, RGB(255, 35, 153)},
        {RGB(250, 10, 128), -25, RGB(225, 0, 103)},
        {RGB(1, 2, 3), 0, RGB(1, 2, 3)},
        {RGB(0, 0, 0), 300, RGB(255, 255, 255)},
        {RGB(255, 255, 255), -300, RGB(0, 0, 0)},
        // An untranslatable colour counts as white.
        {OleColor(0x01000000u), -25, RGB(230, 230, 230)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShiftOleColor(c.color, c.amount), c.expected) << std::hex << c.color << std::dec << " by " << c.amount;
}

TEST(GridColorsTest, ShiftOleColorTranslatesSystemColoursFirst)
{
    const DistinctPalette palette;
    const QColor base = QApplication::palette().color(QPalette::Base);
    EXPECT_EQ(ShiftOleColor(COLOR_WINDOW, 10), RGB(base.red() + 10, base.green() + 10, base.blue() + 10));
}

TEST(GridColorsTest, ShiftColorClampsOnlyTowardsTheShiftAndLeavesSystemColoursUntranslated)
{
    const struct {
        OleColor color;
        qint32 amount;
        OleColor expected;
    } cases[] = {
        {RGB(250, 10, 128), 25, RGB(255, 35, 153)},
        {RGB(250, 10, 128), -25, RGB(225, 0, 103)},
        {RGB(250, 10, 128), 0, RGB(250, 10, 128)},
        {RGB(0, 128, 255), 1000, RGB(255, 255, 255)},
        {RGB(0, 128, 255), -1000, RGB(0, 0, 0)},
        // A system colour's channels come from the negative number: 15, -255 and -255.
        {COLOR_BTNFACE, -40, RGB(0, 0, 0)},
        {COLOR_BTNFACE, 40, 55 - 215 * 256 - 215 * 65536},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShiftColor(c.color, c.amount), c.expected) << std::hex << c.color << std::dec << " by " << c.amount;
}

// Colours that no preset uses, standing for what the user set.
const ThemeColors kUserColors = {RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4), RGB(5, 5, 5),
                                 RGB(6, 6, 6), RGB(7, 7, 7),  RGB(8, 8, 8), RGB(9, 9, 9)};

// The palettes as applied under a solid focus-row highlight, GridColor included.
const ThemeColors kApplied[5] = {
    {RGB(203, 225, 252), RGB(125, 165, 224), COLOR_APPWORKSPACE, COLOR_WINDOW, COLOR_WINDOWTEXT,
     RGB(49, 106, 197), RGB(255, 255, 255), RGB(254, 255, 150), RGB(150, 190, 249)},
    {RGB(244, 244, 251), RGB(130, 130, 146), COLOR_APPWORKSPACE, COLOR_WINDOW, COLOR_WINDOWTEXT,
     RGB(178, 180, 191), RGB(0, 0, 0), RGB(57, 61, 67), RGB(155, 155, 171)},
    {RGB(247, 249, 225), RGB(139, 161, 105), COLOR_APPWORKSPACE, COLOR_WINDOW, COLOR_WINDOWTEXT,
     RGB(147, 160, 112), RGB(255, 255, 255), RGB(254, 255, 150), RGB(164, 186, 130)},
    {RGB(248, 248, 242), RGB(150, 159, 124), RGB(106, 125, 106), COLOR_WINDOW, COLOR_WINDOWTEXT,
     RGB(119, 138, 119), RGB(247, 249, 225), RGB(254, 255, 150), RGB(175, 184, 149)},
    {RGB(255, 239, 165), RGB(160, 134, 73), RGB(102, 76, 15), COLOR_WINDOW, COLOR_WINDOWTEXT,
     RGB(142, 116, 55), RGB(249, 238, 225), RGB(254, 255, 150), RGB(185, 159, 98)},
};

TEST(GridThemesTest, EachPresetWritesItsWholePalette)
{
    for (qint32 palette = 0; palette < 5; ++palette) {
        EXPECT_EQ(SetDefaultThemeColor(palette, kUserColors, 0), kApplied[palette]) << "palette " << palette;
        ThemeColors gradient = kApplied[palette];
        gradient.ForeColorSel = COLOR_WINDOWTEXT;
        EXPECT_EQ(SetDefaultThemeColor(palette, kUserColors, 1), gradient) << "palette " << palette;
    }
}

TEST(GridThemesTest, OtherPalettesKeepTheCurrentColours)
{
    for (qint32 palette : {-1, 5, 6, 7, 100})
        EXPECT_EQ(SetDefaultThemeColor(palette, kUserColors, 1), kUserColors) << "palette " << palette;
}

TEST(GridThemesTest, RefreshAppliesThePaletteThemeColorChooses)
{
    QString name = QStringLiteral("unread");
    for (qint32 palette = 0; palette < 5; ++palette)
        EXPECT_EQ(RefreshThemeColors(kUserColors, palette, 0, name), kApplied[palette]) << "palette " << palette;
    for (qint32 themeColor : {5, 7})
        EXPECT_EQ(RefreshThemeColors(kUserColors, themeColor, 0, name), kUserColors) << "ThemeColor " << themeColor;
    EXPECT_EQ(name, "unread");

    // Following the desktop with visual styles off keeps every colour.
    EXPECT_FALSE(IsThemeActive());
    EXPECT_EQ(RefreshThemeColors(kUserColors, ThemeSystem, 1, name), kUserColors);
    EXPECT_EQ(name, "Classic");
}

TEST(GridThemesTest, RefreshFollowsTheVisualStylesColourScheme)
{
    const struct {
        QString scheme;
        QString name;
        qint32 palette;
    } cases[] = {
        {"Metallic", "Metallic", ThemeSilver},
        {"HomeStead", "HomeStead", ThemeOlive},
        {"NormalColor", "NormalColor", ThemeBlue},
        {"metallic", "metallic", ThemeBlue},
        {"", "Classic", ThemeBlue},
    };
    for (const auto& c : cases) {
        setVisualStyle({true, c.scheme});
        QString name;
        EXPECT_EQ(RefreshThemeColors(kUserColors, ThemeSystem, 0, name), kApplied[c.palette]) << c.scheme.toStdString();
        EXPECT_EQ(name, c.name);
    }
    setVisualStyle({});
}

} // namespace

TEST(GridColorsTest, TheEditorsDefaultTextIsReadableOnItsBackground)
{
    const QvGrid grid;
    EXPECT_GE(testsupport::contrastRatio(ToQColor(TranslateColor(grid.ForeColorEdit())),
                                         ToQColor(TranslateColor(grid.BackColorEdit()))),
              4.5);
}
