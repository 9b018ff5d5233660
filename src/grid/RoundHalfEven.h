#pragma once

#include <QtGlobal>

#include <cmath>

// Fractional pixels and colour channels become whole numbers by rounding to nearest, halves to
// the even neighbour (the default floating-point rounding).
namespace grid {

inline qint32 RoundHalfEven(double Value) { return qint32(std::nearbyint(Value)); }

} // namespace grid
