#pragma once

#include <QString>

namespace paths {

// The file name stem + ending in the folder, the stem cut short (never inside a character) when the
// whole name would exceed the longest name the folder's file system takes.
QString fittedFileName(const QString& folder, const QString& stem, const QString& ending);

} // namespace paths
