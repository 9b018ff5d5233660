#include "platform/db/NameScope.h"

#include <sqlite3.h>

namespace db {
namespace {

// The databases the statement being prepared or stepped names, and the table last refused.
thread_local const QStringList* t_named = nullptr;
thread_local QString t_refusedTable;

bool hasTable(sqlite3* db, const char* schema, const char* table)
{
    return sqlite3_table_column_metadata(db, schema, table, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr)
           == SQLITE_OK;
}

// A table the statement names without a database that SQLite found in another attached database
// only: the connection's own has no such table (nor the connection's temporary one).
bool foundElsewhereOnly(sqlite3* db, const char* table)
{
    return !hasTable(db, "main", table) && !hasTable(db, "temp", table) && hasTable(db, nullptr, table);
}

int authorize(void* db, int action, const char* table, const char* column, const char* database, const char*)
{
    if (action != SQLITE_READ && action != SQLITE_INSERT && action != SQLITE_UPDATE && action != SQLITE_DELETE)
        return SQLITE_OK;
    if (!t_named || qstrcmp(database, "main") == 0 || qstrcmp(database, "temp") == 0)
        return SQLITE_OK;
    // A table read for none of its columns (count(*)) comes with the database as the statement
    // wrote it, not the one SQLite found it in.
    const bool readNamedAsWritten = action == SQLITE_READ && column && !*column;
    if (!database) {
        if (!readNamedAsWritten || !foundElsewhereOnly(static_cast<sqlite3*>(db), table))
            return SQLITE_OK;
    } else if (t_named->contains(QLatin1String(database))) {
        return SQLITE_OK;
    }
    t_refusedTable = QString::fromUtf8(table);
    return SQLITE_DENY;
}

} // namespace

void NameScope::watch(sqlite3* db) { sqlite3_set_authorizer(db, authorize, db); }

NameScope::Use::Use(const QStringList& named) : m_outer(t_named) { t_named = &named; }

NameScope::Use::~Use() { t_named = m_outer; }

DbError NameScope::refusal()
{
    return DbError::invalidObjectName(t_refusedTable);
}

} // namespace db
