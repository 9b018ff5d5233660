#pragma once

// The month connection as start-up leaves it in a branch, and the benchmarks' middle figure: a
// window's statement run through the data layer on it, every value of every row read, as a
// window's fill reads them.

#include "BenchInstallation.h"

#include "core/ModuleState.h"

#include "platform/db/Recordset.h"

#include <benchmark/benchmark.h>

namespace bench {

// The demo installation of n consignments with its month open on core::gcnnMonth.
inline const Installation& openMonth(qint64 n)
{
    const Installation& inst = installation(n);
    core::ResetModuleState();
    core::gstrServerName = QStringLiteral("ZELSERVER");
    core::gstrDBUser = QStringLiteral("sa");
    core::gstrProvider = QStringLiteral("SQLOLEDB");
    core::gstrMonthDB = inst.monthDatabase;
    core::gcnnMonth.open(core::ConnectionText(core::gstrMonthDB));
    return inst;
}

inline void readEveryValue(benchmark::State& state, const QString& sql)
{
    qint64 rows = 0;
    for (auto _ : state) {
        rows = 0;
        db::Recordset rs;
        rs.open(sql, core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
        for (; !rs.eof(); rs.moveNext(), ++rows)
            for (int c = 0; c < rs.fieldCount(); ++c)
                benchmark::DoNotOptimize(rs.value(c));
        rs.close();
    }
    state.counters["rows"] = double(rows);
}

} // namespace bench
