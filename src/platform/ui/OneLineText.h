#pragma once

#include <QString>

namespace ui {

// A cell's text as every grid shows it on one line (a cell that does not wrap): each line break
// (CR LF, a lone CR or a lone LF) and each tab a blank. The cell itself keeps its text.
QString shownOnOneLine(const QString& text);

} // namespace ui
