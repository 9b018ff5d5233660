#include "platform/db/NameScope.h"

#include <sqlite3.h>

namespace db {
namespace {

// The databases the statement being prepared or stepped names, and the table last refused.
thread_local const QStringList* t_named = nullptr;
thread_local QString t_refusedTable;

int authorize(void*, int action, const char* table, const char*, const char* database, const char*)
{
    if (action != SQLITE_READ && action != SQLITE_INSERT && action != SQLITE_UPDATE && action != SQLITE_DELETE)
        return SQLITE_OK;
    if (!t_named || !database || qstrcmp(database, "main") == 0 || qstrcmp(database, "temp") == 0
        || t_named->contains(QLatin1String(database)))
        return SQLITE_OK;
    t_refusedTable = QString::fromUtf8(table);
    return SQLITE_DENY;
}

} // namespace

void NameScope::watch(sqlite3* db) { sqlite3_set_authorizer(db, authorize, nullptr); }

NameScope::Use::Use(const QStringList& named) : m_outer(t_named) { t_named = &named; }

NameScope::Use::~Use() { t_named = m_outer; }

DbError NameScope::refusal()
{
    return DbError(DbErrorKind::Syntax, QStringLiteral("no such table: %1").arg(t_refusedTable));
}

} // namespace db
