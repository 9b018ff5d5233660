#pragma once

#include <QString>

namespace ui {
class DatePicker;
}

// Keeping dates inside the month of the month database (gstrMonthDB: characters 4 to 6 the
// upper-case month abbreviation, 7 and 8 the two-digit year).
namespace core {

// The day capped for a short month: 31 becomes 30 in APR, JUN, SEP and NOV (any case); in FEB
// every day from 28 on becomes 28, leap years or not. Other months keep the day as given.
int LimitDayToMonth(int day, const QString& monthAbbreviation);

// Moves the picker's date to the given day (capped by LimitDayToMonth) of the month database's
// month. A month database name that gives no date raises runtime::RuntimeError TypeMismatch.
void MovePickerIntoMonth(ui::DatePicker* picker, int day);
// MovePickerIntoMonth with the picker's own day.
void ClampPickerToMonth(ui::DatePicker* picker);

// True when the picker's date lies in the month database's month and year (the month compared
// ignoring case).
bool PickerInMonth(const ui::DatePicker* picker);

} // namespace core
