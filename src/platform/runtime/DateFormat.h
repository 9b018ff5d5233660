#pragma once

#include <QDateTime>
#include <QString>

namespace runtime {

// True when the pattern holds a date or time token (d m y h n s AM/PM) outside quotes and escapes.
bool IsDatePattern(const QString& pattern);
// Format's date tokens in any case, English names, m/mm after an hour token are minutes, "x" and \x literal.
QString FormatDatePattern(const QDateTime& moment, const QString& pattern);

} // namespace runtime
