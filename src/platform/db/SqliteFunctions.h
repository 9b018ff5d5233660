#pragma once

struct sqlite3;

namespace db {

// Registers on a SQLite connection what the adapted statements call: the collations SQLTEXT
// (case-insensitive, trailing blanks ignored) and SQLDATE (date-times compare as moments), and the
// server's functions qv_getdate, qv_isnumeric, qv_left, qv_right, qv_len, qv_year/month/day,
// qv_convert and qv_add, and LIKE as the server matches it (like(pattern, value[, escape])).
void registerServerFunctions(sqlite3* db);

} // namespace db
