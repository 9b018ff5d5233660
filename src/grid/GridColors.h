#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>

#include <array>

// The grid's colour arithmetic and its theme palettes.
//
// A colour is a 32-bit OLE colour (a Long): RGB with red in bits 0-7, green in 8-15 and blue in
// 16-23, or 0x80000000 + n for system colour n, which the application palette supplies. System
// colours go through TranslateColor before any channel arithmetic.
namespace grid {

using OleColor = qint32;

// The RGB value of three channels; a channel above 255 counts as 255, below 0 as 0.
constexpr OleColor RGB(int red, int green, int blue)
{
    const auto channel = [](int c) { return c < 0 ? 0 : (c > 255 ? 255 : c); };
    return channel(red) | (channel(green) << 8) | (channel(blue) << 16);
}

constexpr OleColor COLOR_WINDOW = OleColor(0x80000005u);
constexpr OleColor COLOR_WINDOWTEXT = OleColor(0x80000008u);
constexpr OleColor COLOR_APPWORKSPACE = OleColor(0x8000000Cu);
constexpr OleColor COLOR_BTNFACE = OleColor(0x8000000Fu);
constexpr OleColor COLOR_BTNTEXT = OleColor(0x80000012u);
constexpr OleColor COLOR_3DDKSHADOW = OleColor(0x80000015u);
constexpr OleColor COLOR_3DLIGHT = OleColor(0x80000016u);

// The RGB value of an OLE colour (a system colour from the application palette), or -1 when it
// names no colour.
OleColor TranslateColor(OleColor Color);
// The QColor of an RGB value (red in the low byte).
QColor ToQColor(OleColor Rgb);
// The RGB value of a QColor.
OleColor FromQColor(const QColor& Color);
// The mix of two RGB colours, Alpha (0-255) being the weight of Color1; each channel is rounded
// to nearest, halves to even.
OleColor BlendColors(OleColor Color1, OleColor Color2, qint32 Alpha);
// The translated colour with Amount added to each channel, clamped to 0-255.
OleColor ShiftOleColor(OleColor Color, qint16 Amount);
// Amount added to each channel of an RGB colour, clamped only on the side Amount moves towards.
// A system colour is not translated: its channels come from the negative number as it is.
OleColor ShiftColor(OleColor Color, qint32 Amount);

// The desktop's visual style as the grid sees it. Qt draws none of its own, so it is off unless
// the application turns it on; an empty colour scheme means its theme data cannot be read.
struct VisualStyle {
    bool active = false;
    QString colorScheme;
};
void setVisualStyle(const VisualStyle& style);
// The application is drawn with visual styles.
bool IsThemeActive();
// The colour scheme of the visual style, "Classic" when its theme data cannot be read.
QString ReadThemeName();

// ThemeColor values.
enum ThemePalette : qint32 {
    ThemeBlue = 0,
    ThemeSilver = 1,
    ThemeOlive = 2,
    ThemeCustom = 5,
    ThemeSystem = 6,
};

// The colour properties a palette writes.
struct ThemeColors {
    OleColor ThemeCustomColorFrom = 0;
    OleColor ThemeCustomColorTo = 0;
    OleColor BackColorBkg = 0;
    OleColor BackColor = 0;
    OleColor ForeColor = 0;
    OleColor BackColorSel = 0;
    OleColor ForeColorSel = 0;
    OleColor FocusRectColor = 0;
    OleColor GridColor = 0;
    bool operator==(const ThemeColors&) const = default;
};

// The preset palettes 0 to 4 as stored; each one's GridColor is derived from its gradient pair
// when it is applied, so it is left 0 here.
const std::array<ThemeColors, 5>& ThemePresets();

// The colours after palette Palette is written over `current`: presets 0 to 4 replace every
// colour, with GridColor the lighter gradient end and, under a gradient focus-row highlight
// (FocusRowHighlightStyle not 0), the window text colour for selected text; any other palette
// leaves the colours as they are.
ThemeColors SetDefaultThemeColor(qint32 Palette, const ThemeColors& current, qint32 FocusRowHighlightStyle);

// The palette of the visual style: Silver for "Metallic", Olive for "HomeStead", Blue for any
// other scheme, none (custom) with visual styles off. ThemeColorName receives the scheme name.
ThemeColors ApplySystemThemeColor(const ThemeColors& current, qint32 FocusRowHighlightStyle,
                                  QString& ThemeColorName);

// The colours the palette chosen by ThemeColor gives: its preset, the visual style's with
// ThemeColor 6 (which also reads ThemeColorName again), the current ones otherwise.
ThemeColors RefreshThemeColors(const ThemeColors& current, qint32 ThemeColor, qint32 FocusRowHighlightStyle,
                               QString& ThemeColorName);

} // namespace grid
