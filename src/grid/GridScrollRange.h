#pragma once

#include <QtGlobal>

#include <algorithm>

// The range of a scroll bar counted the Windows way: the maximum includes the page, so with a
// page of p the largest position a bar reaches is Max - p + 1 (Max itself with no page), and
// never below Min.
namespace grid {

inline qint32 HighestScrollPosition(qint32 Min, qint32 Max, qint32 Page)
{
    return std::max(Min, Max - std::max(Page - 1, 0));
}

} // namespace grid
