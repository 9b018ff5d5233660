#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>

namespace runtime {

// CStr: integers exact, doubles to 15 digits ("2.5", "1E+15"), True/False, "yyyy-MM-dd[ HH:mm:ss]"; Null raises.
QString CStr(const QVariant& value);
// The text a grid cell shows for a field value: Null gives "", anything else CStr.
QString CellText(const QVariant& value);

// IsDate: dates, and text "yyyy-MM-dd", "dd-MMM-yyyy" or "dd/MM/yyyy" with an optional " HH:mm[:ss]".
bool IsDate(const QVariant& value);
// CDate: dates, such text, numbers as DateFromSerial; Null raises InvalidUseOfNull, other text TypeMismatch.
QDateTime CDate(const QVariant& value);

} // namespace runtime
