#pragma once

#include "platform/db/Engine.h"
#include "platform/db/ServerFolder.h"
#include "platform/db/TsqlAdapter.h"

#include <QHash>

struct sqlite3;

namespace db {

// The engine behind every connection: a SQLite file per database. Other databases and linked
// servers named in a statement are attached on first use.
class SqliteEngine final : public Engine, private NameResolver {
public:
    // Opens the catalog's file (never creating one); throws DbError "Cannot open database".
    SqliteEngine(const ServerFolder& server, const QString& catalog);
    ~SqliteEngine() override;
    SqliteEngine(const SqliteEngine&) = delete;
    SqliteEngine& operator=(const SqliteEngine&) = delete;

    ResultSet query(const QString& sql) override;
    qint64 execute(const QString& sql) override;
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    void setBusyTimeout(int seconds) override;

    // The statements of a batch as SQLite will run them.
    std::vector<AdaptedStatement> adapt(const QString& sql);

private:
    QString schemaFor(const QString& linkedServer, const QString& database) override;
    Columns columnsOf(const QString& schema, const QString& table) override;
    QString attach(const ServerFolder& server, const QString& database);
    ResultSet run(const AdaptedStatement& statement, qint64* changes);

    sqlite3* m_db = nullptr;
    ServerFolder m_server;
    QString m_catalog;
    QHash<QString, QString> m_attached; // "server|database" -> schema alias
    int m_transactionDepth = 0;
};

} // namespace db
