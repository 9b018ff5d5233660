#pragma once

#include "platform/db/DbError.h"

#include <functional>

struct sqlite3;

namespace db {

// The failure of the statement the connection ran last, in the words the database server's
// provider uses for it where the windows' messages expect them (a duplicate key, a read-only
// database), else in SQLite's own.
DbError providerError(sqlite3* db);

// A failure of SQLite's that names a table or column it does not have (a column an INSERT lists
// too), in the server's words: the table as the statement named it (`databaseOf` gives the database
// a statement named for a schema name of SQLite's, empty for the connection's own), the column
// alone. Any other failure as it is.
DbError inProviderWords(const DbError& error, const std::function<QString(const QString& schema)>& databaseOf);

} // namespace db
