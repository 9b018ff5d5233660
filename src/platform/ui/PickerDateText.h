#pragma once

#include <QDateTime>
#include <QString>

// The date texts a window may assign to a date picker.
namespace ui {

// Reads "d-MMM-yy" ("5-JAN-25": two-digit years 1930-2029), "d-MMM-yyyy", "MMM-yyyy" or "MMM-yy"
// (the first of that month), with English month names in any case, and the runtime's date texts
// ("yyyy-MM-dd", "dd/MM/yyyy", with an optional time of day). Anything else, and a day the month
// does not have ("31-SEP-24"), raises runtime::RuntimeError TypeMismatch.
QDateTime readPickerDate(const QString& text);

} // namespace ui
