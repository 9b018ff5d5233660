#include "platform/db/Connection.h"

#include "platform/db/DbError.h"
#include "platform/db/SqliteEngine.h"
#include "platform/db/StatementLog.h"


namespace db {

QString connectionStringValue(const QString& connectionString, const QString& key)
{
    const QStringList pairs = connectionString.split(u';', Qt::SkipEmptyParts);
    for (const QString& pair : pairs) {
        const qsizetype eq = pair.indexOf(u'=');
        if (eq > 0 && pair.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return pair.mid(eq + 1).trimmed();
    }
    return QString();
}

Connection::Connection() = default;
Connection::~Connection() = default;

void Connection::setCommandTimeout(int seconds)
{
    m_commandTimeout = seconds;
    if (m_engine)
        m_engine->setLockWait(seconds);
}

void Connection::open(const QString& connectionString)
{
    if (m_engine)
        throw DbError(DbErrorKind::ObjectOpen);
    if (!connectionString.isEmpty())
        m_connectionString = connectionString;
    QString server = connectionStringValue(m_connectionString, QStringLiteral("Data Source"));
    if (server.isEmpty())
        server = connectionStringValue(m_connectionString, QStringLiteral("Server"));
    QString database = connectionStringValue(m_connectionString, QStringLiteral("Initial Catalog"));
    if (database.isEmpty())
        database = connectionStringValue(m_connectionString, QStringLiteral("Database"));
    const ServerFolder folder = ServerFolder::find(server);
    m_engine = std::make_unique<SqliteEngine>(folder, database);
    m_engine->setLockWait(m_commandTimeout);
    m_server = server;
    m_database = database;
}

void Connection::close()
{
    if (!m_engine)
        throw DbError(DbErrorKind::ObjectClosed);
    m_engine.reset();
}

ObjectState Connection::state() const { return m_engine ? ObjectState::Open : ObjectState::Closed; }

Engine& Connection::engine()
{
    if (!m_engine)
        throw DbError(DbErrorKind::ObjectClosed);
    return *m_engine;
}

qint64 Connection::execute(const QString& sql)
{
    Engine& e = engine();
    StatementLog::record(m_database, sql);
    return e.execute(sql);
}

std::unique_ptr<RowReader> Connection::openReader(const QString& sql)
{
    Engine& e = engine();
    StatementLog::record(m_database, sql);
    return e.openReader(sql);
}

void Connection::beginTrans() { engine().beginTransaction(Engine::TransactionLock::OwnDatabase); }
void Connection::commitTrans() { engine().commitTransaction(); }
void Connection::rollbackTrans() { engine().rollbackTransaction(); }

} // namespace db
