#pragma once

// How readable one colour is on another: the contrast ratio of their relative luminances, as the
// accessibility guidelines define it (1 for equal colours, 21 for black on white). Body text
// wants at least 4.5, the edges of controls at least 3.

#include <QColor>

#include <algorithm>
#include <cmath>

namespace testsupport {

inline double relativeLuminance(const QColor& Colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(Colour.redF()) + 0.7152 * linear(Colour.greenF()) + 0.0722 * linear(Colour.blueF());
}

inline double contrastRatio(const QColor& A, const QColor& B)
{
    const double a = relativeLuminance(A);
    const double b = relativeLuminance(B);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

} // namespace testsupport
