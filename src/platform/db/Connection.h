#pragma once

#include "platform/db/RowReader.h"

#include <QString>
#include <memory>

namespace db {

class Engine;

enum class ObjectState { Closed = 0, Open = 1 };

// A connection to one database of a server, opened with the provider's connection text
// "Data Source=<server>;USER ID=<user>;PASSWORD=<password>;Initial Catalog=<database>".
// Every statement is recorded in the StatementLog before it runs.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    QString provider() const { return m_provider; }
    void setProvider(const QString& provider) { m_provider = provider; }
    QString connectionString() const { return m_connectionString; }
    void setConnectionString(const QString& text) { m_connectionString = text; }
    // The command time-out in seconds (0: no limit): how long a statement waits for a database
    // another connection is writing. The provider's default is 30 seconds.
    int commandTimeout() const { return m_commandTimeout; }
    void setCommandTimeout(int seconds);

    // Opens with the given connection text (or the one set before). The user and password the
    // text names are accepted as given. Throws DbError: "Specified SQL server not found" for a
    // server the installation does not have, "Cannot open database ..." for a missing database.
    void open(const QString& connectionString = QString());
    void close();
    ObjectState state() const;

    // Runs one statement (a text holding more is refused); returns the rows it changed.
    qint64 execute(const QString& sql);
    // The rows of one query, read a batch at a time (for views of many rows).
    std::unique_ptr<RowReader> openReader(const QString& sql);
    // A transaction locks the connection's own database for writing when it begins, and any other
    // database when a statement first writes it.
    void beginTrans();
    void commitTrans();
    void rollbackTrans();

    QString serverName() const { return m_server; }
    QString databaseName() const { return m_database; }

    // The open engine; throws DbError 3704 when the connection is closed.
    Engine& engine();

private:
    QString m_provider;
    QString m_connectionString;
    int m_commandTimeout = 30;
    QString m_server;
    QString m_database;
    std::unique_ptr<Engine> m_engine;
};

// The value of a key of a connection text ("Data Source", "Initial Catalog", ...), case-insensitive.
QString connectionStringValue(const QString& connectionString, const QString& key);

} // namespace db
