#pragma once

#include "platform/db/ResultSet.h"
#include "platform/db/RowReader.h"

#include <QString>
#include <memory>

namespace db {

// What a connection needs of a database engine: the statement text goes in as the windows wrote
// it (T-SQL). The SQLite engine adapts it; an engine for a real server would pass it through.
class Engine {
public:
    virtual ~Engine() = default;
    // query, execute and openReader run exactly one statement (a closing semicolon is allowed): a
    // text holding more is refused with DbError kErrStatement, and nothing of it runs.
    virtual ResultSet query(const QString& sql) = 0;
    // Returns the rows the statement changed.
    virtual qint64 execute(const QString& sql) = 0;
    // The rows of one query, read as they are asked for.
    virtual std::unique_ptr<RowReader> openReader(const QString& sql) = 0;
    // Runs each statement of a script's batch in turn (the installation tool's scripts, never a
    // window's text); the rows of the first statement that returns rows.
    virtual ResultSet executeBatch(const QString& sql) = 0;
    // Which database a transaction locks for writing when it begins. Any other database is locked
    // by the first statement that writes it (waiting for another writer as every statement does);
    // one it only reads is never locked.
    enum class TransactionLock {
        OwnDatabase, // the connection's own: its statements may read it before they write it
        FirstWrite,  // none: every database it writes is written before it is read
    };
    virtual void beginTransaction(TransactionLock lock) = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;
    // How long a statement waits for a database another connection is writing before it fails
    // with "Query timeout expired"; 0: until the other connection is done.
    virtual void setLockWait(int seconds) = 0;
};

} // namespace db
