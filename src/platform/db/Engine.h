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
    virtual ResultSet query(const QString& sql) = 0;
    virtual qint64 execute(const QString& sql) = 0;
    // The rows of one query, read as they are asked for.
    virtual std::unique_ptr<RowReader> openReader(const QString& sql) = 0;
    virtual void beginTransaction() = 0;
    virtual void commitTransaction() = 0;
    virtual void rollbackTransaction() = 0;
    virtual void setBusyTimeout(int seconds) = 0;
};

} // namespace db
