#pragma once

#include "platform/runtime/Number.h"

#include <QString>

namespace runtime {

// Format's "0"/"#" placeholders, rounding half away from zero on the 15-digit decimal text (-0.0001 -> "-0.000");
// a "," among the whole-number placeholders groups the whole digits by thousands ("#,##0.00" -> "2,762.60").
QString FormatNumberPattern(const Number& number, const QString& pattern);

} // namespace runtime
