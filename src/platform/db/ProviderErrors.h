#pragma once

#include "platform/db/DbError.h"

struct sqlite3;

namespace db {

// The failure of the statement the connection ran last, in the words the database server's
// provider uses for it where the windows' messages expect them (a duplicate key, a read-only
// database), else in SQLite's own.
DbError providerError(sqlite3* db);

} // namespace db
