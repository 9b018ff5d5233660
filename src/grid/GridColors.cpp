#include "grid/GridColors.h"
#include "grid/RoundHalfEven.h"

#include "platform/ui/Colors.h"

#include <algorithm>

namespace grid {

namespace {

int redOf(OleColor c) { return c & 255; }
int greenOf(OleColor c) { return (c >> 8) & 255; }
int blueOf(OleColor c) { return (c >> 16) & 255; }

VisualStyle& desktopStyle()
{
    static VisualStyle style;
    return style;
}

} // namespace

QColor ToQColor(OleColor Rgb) { return QColor(redOf(Rgb), greenOf(Rgb), blueOf(Rgb)); }

OleColor FromQColor(const QColor& Color) { return RGB(Color.red(), Color.green(), Color.blue()); }

OleColor TranslateColor(OleColor Color)
{
    const auto color = quint32(Color);
    if ((color & 0xFF000000u) == 0)
        return Color;
    if (!ui::isSystemColor(color))
        return -1;
    const QColor c = ui::toQColor(color);
    return RGB(c.red(), c.green(), c.blue());
}

OleColor BlendColors(OleColor Color1, OleColor Color2, qint32 Alpha)
{
    const double a = Alpha;
    const double b = 255 - Alpha;
    const auto mix = [&](int c1, int c2) { return RoundHalfEven(b * c2 / 255 + c1 * a / 255); };
    return RGB(mix(redOf(Color1), redOf(Color2)), mix(greenOf(Color1), greenOf(Color2)),
               mix(blueOf(Color1), blueOf(Color2)));
}

OleColor ShiftOleColor(OleColor Color, qint16 Amount)
{
    const OleColor c = TranslateColor(Color);
    return RGB(redOf(c) + Amount, greenOf(c) + Amount, blueOf(c) + Amount);
}

OleColor ShiftColor(OleColor Color, qint32 Amount)
{
    // Integer division truncates towards zero and the remainder takes the dividend's sign, so a
    // system colour (a negative number) gives negative green and blue channels.
    std::array<qint32, 3> channels = {(Color & 255) + Amount, (Color / 256) % 256 + Amount,
                                      (Color / 65536) % 256 + Amount};
    for (qint32& c : channels) {
        if (Amount >= 1)
            c = std::min(c, 255);
        else if (Amount < 0)
            c = std::max(c, 0);
    }
    return channels[0] + channels[1] * 256 + channels[2] * 65536;
}

void setVisualStyle(const VisualStyle& style) { desktopStyle() = style; }

bool IsThemeActive() { return desktopStyle().active; }

QString ReadThemeName()
{
    const VisualStyle& style = desktopStyle();
    return style.active && !style.colorScheme.isEmpty() ? style.colorScheme : QStringLiteral("Classic");
}

const std::array<ThemeColors, 5>& ThemePresets()
{
    static const std::array<ThemeColors, 5> presets = {{
        // Blue
        {RGB(203, 225, 252), RGB(125, 165, 224), COLOR_APPWORKSPACE, COLOR_WINDOW, COLOR_WINDOWTEXT,
         RGB(49, 106, 197), RGB(255, 255, 255), RGB(254, 255, 150)},
        // Silver
        {RGB(244, 244, 251), RGB(130, 130, 146), COLOR_APPWORKSPACE, COLOR_WINDOW, COLOR_WINDOWTEXT,
         RGB(178, 180, 191), RGB(0, 0, 0), RGB(57, 61, 67)},
        // Olive
        {RGB(247, 249, 225), RGB(139, 161, 105), COLOR_APPWORKSPACE, COLOR_WINDOW, COLOR_WINDOWTEXT,
         RGB(147, 160, 112), RGB(255, 255, 255), RGB(254, 255, 150)},
        {RGB(248, 248, 242), RGB(150, 159, 124), RGB(106, 125, 106), COLOR_WINDOW, COLOR_WINDOWTEXT,
         RGB(119, 138, 119), RGB(247, 249, 225), RGB(254, 255, 150)},
        {RGB(255, 239, 165), RGB(160, 134, 73), RGB(102, 76, 15), COLOR_WINDOW, COLOR_WINDOWTEXT,
         RGB(142, 116, 55), RGB(249, 238, 225), RGB(254, 255, 150)},
    }};
    return presets;
}

ThemeColors SetDefaultThemeColor(qint32 Palette, const ThemeColors& current, qint32 FocusRowHighlightStyle)
{
    if (Palette < 0 || Palette >= qint32(ThemePresets().size()))
        return current;
    ThemeColors colors = ThemePresets()[std::size_t(Palette)];
    colors.GridColor = ShiftOleColor(colors.ThemeCustomColorTo, 25);
    if (FocusRowHighlightStyle != 0)
        colors.ForeColorSel = COLOR_WINDOWTEXT;
    return colors;
}

ThemeColors ApplySystemThemeColor(const ThemeColors& current, qint32 FocusRowHighlightStyle,
                                  QString& ThemeColorName)
{
    ThemeColorName = ReadThemeName();
    qint32 palette = ThemeCustom;
    if (IsThemeActive()) {
        if (ThemeColorName == QLatin1String("Metallic"))
            palette = ThemeSilver;
        else if (ThemeColorName == QLatin1String("HomeStead"))
            palette = ThemeOlive;
        else
            palette = ThemeBlue;
    }
    return SetDefaultThemeColor(palette, current, FocusRowHighlightStyle);
}

ThemeColors RefreshThemeColors(const ThemeColors& current, qint32 ThemeColor, qint32 FocusRowHighlightStyle,
                               QString& ThemeColorName)
{
    if (ThemeColor == ThemeSystem)
        return ApplySystemThemeColor(current, FocusRowHighlightStyle, ThemeColorName);
    return SetDefaultThemeColor(ThemeColor, current, FocusRowHighlightStyle);
}

} // namespace grid
