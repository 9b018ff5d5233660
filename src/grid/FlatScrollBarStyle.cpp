#include "grid/FlatScrollBarStyle.h"

#include <QPainter>
#include <QStyleOptionSlider>

namespace grid {

namespace {

// The bar's thickness, as the Windows bars the grid's layout was made with.
constexpr int BarExtent = 16;

// A flat face framed one pixel wide; pressed, it is drawn in the shadow colour.
void drawFace(QPainter& Painter, const QRect& Rect, const QPalette& Palette, bool Pressed)
{
    if (Rect.isEmpty())
        return;
    Painter.fillRect(Rect, Palette.color(Pressed ? QPalette::Dark : QPalette::Button));
    Painter.setPen(Palette.color(QPalette::Shadow));
    Painter.setBrush(Qt::NoBrush);
    Painter.drawRect(Rect.adjusted(0, 0, -1, -1));
}

} // namespace

void FlatScrollBarStyle::drawComplexControl(ComplexControl Control, const QStyleOptionComplex* Option,
                                            QPainter* Painter, const QWidget* Widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(Option);
    if (Control != CC_ScrollBar || bar == nullptr) {
        QProxyStyle::drawComplexControl(Control, Option, Painter, Widget);
        return;
    }
    const bool vertical = bar->orientation == Qt::Vertical;
    const auto pressed = [&](SubControl Part) {
        return (bar->activeSubControls & Part) && (bar->state & State_Sunken);
    };
    Painter->save();
    Painter->fillRect(bar->rect, bar->palette.color(QPalette::Midlight));

    const struct {
        SubControl Part;
        PrimitiveElement Arrow;
    } buttons[] = {
        {SC_ScrollBarSubLine, vertical ? PE_IndicatorArrowUp : PE_IndicatorArrowLeft},
        {SC_ScrollBarAddLine, vertical ? PE_IndicatorArrowDown : PE_IndicatorArrowRight},
    };
    for (const auto& button : buttons) {
        const QRect rect = proxy()->subControlRect(CC_ScrollBar, bar, button.Part, Widget);
        drawFace(*Painter, rect, bar->palette, pressed(button.Part));
        QStyleOption arrow(*bar);
        arrow.rect = rect.adjusted(3, 3, -3, -3);
        proxy()->drawPrimitive(button.Arrow, &arrow, Painter, Widget);
    }
    if (bar->maximum > bar->minimum)
        drawFace(*Painter, proxy()->subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, Widget), bar->palette,
                 pressed(SC_ScrollBarSlider));
    Painter->restore();
}

int FlatScrollBarStyle::pixelMetric(PixelMetric Metric, const QStyleOption* Option, const QWidget* Widget) const
{
    if (Metric == PM_ScrollBarExtent)
        return BarExtent;
    return QProxyStyle::pixelMetric(Metric, Option, Widget);
}

} // namespace grid
