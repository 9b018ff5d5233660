#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// Builders for values inside statement text. Every text value a window puts into a statement goes
// through sqlQuote, so an apostrophe in typed or stored text can neither break nor change a statement.
namespace db {

// 'text' with every apostrophe doubled.
QString sqlQuote(const QString& text);
// [name] with every closing bracket doubled: a name from a setting stays one name.
QString sqlName(const QString& name);
// "name" with every double quote doubled: a name in a statement the engine gives SQLite itself.
QString sqliteName(const QString& name);
// Dates as the server reads them whatever its language settings: 'yyyy-MM-dd' and 'yyyy-MM-dd HH:mm:ss'.
QString sqlDate(const QDate& date);
QString sqlDateTime(const QDateTime& dateTime);

} // namespace db
