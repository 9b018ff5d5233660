#pragma once

#include <QString>

// The display formats of a date picker.
namespace ui {

// The Qt display format for a picker's custom format. The custom format's letters are
// case-sensitive: d dd (day), ddd dddd (weekday name), M MM (month), MMM MMMM (month name),
// y yy (two-digit year), yyy yyyy (four-digit year), h hh H HH (hour), m mm (minutes), s ss,
// t tt (AM/PM); text in single quotes and characters that are no letters stand as written, and
// any other letter is shown as itself.
QString displayFormatOf(const QString& customFormat);

} // namespace ui
