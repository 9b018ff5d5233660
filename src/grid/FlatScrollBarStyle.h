#pragma once

#include <QProxyStyle>

// The look of the grid's flat scroll bars: no bevels, but every part readable against the grid
// and against each other. The trough is the scroll-bar colour, the arrow buttons and the thumb
// are flat button faces framed in the dark shadow colour, the arrows in the button text colour.
// Sizes and the thumb's shortest length are the underlying style's, so a long list still shows a
// thumb that can be found and grabbed.
namespace grid {

class FlatScrollBarStyle : public QProxyStyle {
public:
    void drawComplexControl(ComplexControl Control, const QStyleOptionComplex* Option, QPainter* Painter,
                            const QWidget* Widget = nullptr) const override;
    int pixelMetric(PixelMetric Metric, const QStyleOption* Option = nullptr,
                    const QWidget* Widget = nullptr) const override;
};

} // namespace grid
