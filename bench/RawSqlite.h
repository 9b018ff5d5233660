#pragma once

// The peer of the benchmarks that read whole results: SQLite stepping a prepared statement to its
// last row, every cell read in its stored type.

#include "platform/db/SqliteFunctions.h"
#include "platform/db/TsqlAdapter.h"
#include "platform/db/TsqlTokenizer.h"

#include <QByteArray>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace bench {

// The statement as the data layer rewrites it for SQLite, every name resolving to the database
// the peer opens.
inline QByteArray sqliteText(const QString& statement)
{
    class OwnDatabase : public db::NameResolver {
    public:
        QString schemaFor(const QString&, const QString&) override { return QStringLiteral("main"); }
        Columns columnsOf(const QString&, const QString&) override { return {}; }
    } own;
    return db::joinTokens(db::adaptStatement(db::tokenize(statement), own).tokens).toUtf8();
}

// Steps the statement to its last row once per iteration and resets it; counts the rows.
inline void stepEveryRow(benchmark::State& state, sqlite3_stmt* stmt)
{
    int rows = 0;
    for (auto _ : state) {
        rows = 0;
        const int columns = sqlite3_column_count(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            ++rows;
            for (int c = 0; c < columns; ++c) {
                switch (sqlite3_column_type(stmt, c)) {
                case SQLITE_INTEGER: benchmark::DoNotOptimize(sqlite3_column_int64(stmt, c)); break;
                case SQLITE_FLOAT: benchmark::DoNotOptimize(sqlite3_column_double(stmt, c)); break;
                case SQLITE_NULL: break;
                default: benchmark::DoNotOptimize(sqlite3_column_text(stmt, c)); break;
                }
            }
        }
        sqlite3_reset(stmt);
    }
    state.counters["rows"] = rows;
}

// Opens the database file read-only with the server's functions and steps the statement, rewritten
// as the data layer rewrites it, to its last row once per iteration.
inline void stepEveryRowOf(benchmark::State& state, const QString& file, const QString& statement)
{
    const QByteArray sql = sqliteText(statement);
    sqlite3* database = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &database, SQLITE_OPEN_READONLY, nullptr);
    db::registerServerFunctions(database);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(database, sql.constData(), int(sql.size()), &stmt, nullptr) == SQLITE_OK)
        stepEveryRow(state, stmt);
    else
        state.SkipWithError(sqlite3_errmsg(database));
    sqlite3_finalize(stmt);
    sqlite3_close(database);
}

} // namespace bench
