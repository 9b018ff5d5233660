#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <string_view>

// How the server stores and reads date-times: stored as "yyyy-MM-dd" or "yyyy-MM-dd HH:mm:ss"
// (optionally with milliseconds); either form of one moment compares equal.
namespace db {

// The text of a date-time in the stored form: "yyyy-MM-dd HH:mm:ss", no milliseconds.
QString storedDateTime(const QDateTime& value);

// Reads a stored or typed date-time: ISO forms with a blank or T, "yyyyMMdd", and with the style
// 103 (dd/MM/yyyy) or 105 (dd-MM-yyyy) of convert. Empty when the text is not a date.
std::optional<QDateTime> readDateTime(const QString& text, int style = 0);

// Reads a date-time in one of the ISO forms exactly as given, no blanks around it: the stored
// forms, read without making a QString first. Empty for any other text.
std::optional<QDateTime> readIsoDateTime(std::string_view text);
// The same moment as milliseconds since 1970-01-01 00:00 of the same wall clock.
std::optional<qint64> readIsoMSecs(std::string_view text);

// Writes the canonical "yyyy-MM-dd HH:mm:ss[.fff]" form of an ISO date text into out and returns
// its length, or 0 when the text is not an ISO date (used by the date collation).
int canonicalIsoDate(std::string_view text, char out[24]);
// readIsoMSecs of a text canonicalIsoDate has written, n its length.
std::optional<qint64> canonicalIsoMSecs(const char canonical[24], int n);

} // namespace db
