#include "platform/db/NameScope.h"

#include "platform/db/SqlText.h"

#include <sqlite3.h>

namespace db {
namespace {

// The tables the statement being prepared or stepped names, and the table last refused.
thread_local const WrittenNames* t_names = nullptr;
thread_local QString t_refusedTable;

bool hasTable(sqlite3* db, const char* schema, const char* table)
{
    return sqlite3_table_column_metadata(db, schema, table, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr)
           == SQLITE_OK;
}

// Whether the schema has no such table by its schema as it is in the file: SQLite's copy may be
// older than another connection's change, and preparing a statement that reads the table reads it
// again before saying the table is missing. A failure for another cause tells nothing.
bool lacksTable(sqlite3* db, const QString& schema, const QString& table)
{
    const QByteArray sql = QStringLiteral("SELECT 1 FROM %1.%2").arg(schema, sqliteName(table)).toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr);
    sqlite3_finalize(stmt);
    return rc == SQLITE_ERROR;
}

bool hasOwnTable(sqlite3* db, const char* table) { return hasTable(db, "main", table) || hasTable(db, "temp", table); }

// A table the statement names without a database that SQLite found in another attached database
// only: the connection's own has no such table (nor the connection's temporary one).
bool foundElsewhereOnly(sqlite3* db, const char* table) { return !hasOwnTable(db, table) && hasTable(db, nullptr, table); }

// Whether a table SQLite found in an attached database is reached as the statement named it: the
// statement names that database, and does not name the table without a database where the
// connection has none of that name.
bool reachedAsNamed(sqlite3* db, const char* database, const char* table)
{
    if (!t_names->databases.contains(QString::fromUtf8(database)))
        return false;
    return !t_names->tablesWithoutDatabase.contains(QString::fromUtf8(table), Qt::CaseInsensitive)
           || hasOwnTable(db, table);
}

int authorize(void* handle, int action, const char* table, const char* column, const char* database, const char*)
{
    if (action != SQLITE_READ && action != SQLITE_INSERT && action != SQLITE_UPDATE && action != SQLITE_DELETE)
        return SQLITE_OK;
    if (!t_names || qstrcmp(database, "main") == 0 || qstrcmp(database, "temp") == 0)
        return SQLITE_OK;
    auto* db = static_cast<sqlite3*>(handle);
    // A table read for none of its columns (count(*)) comes with the database as the statement
    // wrote it, not the one SQLite found it in.
    const bool readNamedAsWritten = action == SQLITE_READ && column && !*column;
    if (!database) {
        if (!readNamedAsWritten || !foundElsewhereOnly(db, table))
            return SQLITE_OK;
    } else if (reachedAsNamed(db, database, table)) {
        return SQLITE_OK;
    }
    t_refusedTable = QString::fromUtf8(table);
    return SQLITE_DENY;
}

} // namespace

void NameScope::watch(sqlite3* db) { sqlite3_set_authorizer(db, authorize, db); }

NameScope::Use::Use(const WrittenNames& names) : m_outer(t_names) { t_names = &names; }

NameScope::Use::~Use() { t_names = m_outer; }

void NameScope::refuseTablesNotOwn(sqlite3* db)
{
    if (!t_names)
        return;
    for (const QString& table : t_names->tablesWithoutDatabase) {
        if (!hasOwnTable(db, table.toUtf8().constData()) && lacksTable(db, QStringLiteral("main"), table)
            && lacksTable(db, QStringLiteral("temp"), table))
            throw DbError::invalidObjectName(table);
    }
}

DbError NameScope::refusal() { return DbError::invalidObjectName(t_refusedTable); }

} // namespace db
