#pragma once

#include <QString>
#include <optional>

// The display formats of a date picker.
namespace ui {

// The Qt display format for a picker's custom format. The custom format's letters are
// case-sensitive: d dd (day), ddd dddd (weekday name), M MM (month), MMM MMMM (month name),
// y yy (two-digit year), yyy yyyy (four-digit year), h hh H HH (hour), m mm (minutes), s ss,
// t tt (AM/PM); text in single quotes and characters that are no letters stand as written, and
// any other letter is shown as itself.
QString displayFormatOf(const QString& customFormat);

// A Qt display format cut at its year: the format before the year, the digits the year shows (2
// or 4) and the format after it.
struct YearField {
    QString before;
    int digits = 0;
    QString after;
};
// The year of a display format; no value when it shows none.
std::optional<YearField> yearFieldOf(const QString& displayFormat);

} // namespace ui
