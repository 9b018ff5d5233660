// The invoice query over a whole month of 1,000,000 bookings: Show with only the date range set,
// until the grid holds its first rows (BM_ShowWholeMonth), and until the grid has fetched every
// row with every cell read (BM_ReadWholeMonth). The peer of the whole read, BM_ReadWholeMonth_RawSqlite,
// steps the statement the window sends, in the SQLite text the data layer turns it into, on a
// plain connection to the same file, reading every column with sqlite3_column_text/int64/double
// as its stored type is.

#include "BenchInstallation.h"
#include "RawSqlite.h"

#include "core/ModuleState.h"
#include "invoice/frmQuery.h"

#include "platform/db/SqliteFunctions.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

// The invoice window open on the month of the installation, the whole of June chosen.
invoice::frmQuery& openWindow(const bench::Installation& inst)
{
    core::gstrServerName = QStringLiteral("ZELSERVER");
    core::gstrDBUser = QStringLiteral("sa");
    core::gstrProvider = QStringLiteral("SQLOLEDB");
    core::gstrMonthDB = inst.monthDatabase;
    core::gstrUserBranchCode = QStringLiteral("ZEL");
    if (core::gcnnMonth.state() == db::ObjectState::Open)
        core::gcnnMonth.close();
    core::gcnnMonth.open(core::ConnectionText(core::gstrMonthDB));

    auto& window = ui::DefaultInstance<invoice::frmQuery>::get();
    ui::WindowHost::showModal(&window);
    window.dtpFromDate->setValue(QDate(2026, 6, 1));
    window.dtpToDate->setValue(QDate(2026, 6, 30));
    ui::MessageBoxSeam::clearShown(); // a demo installation has no background picture
    return window;
}

void closeWindow(benchmark::State& state, invoice::frmQuery& window)
{
    if (!ui::MessageBoxSeam::shown().isEmpty())
        state.SkipWithError(ui::MessageBoxSeam::shown().front().prompt.toStdString().c_str());
    else if (window.dgdQuery->model()->rowCount() == 0)
        state.SkipWithError("the query showed no bookings");
    ui::DefaultInstance<invoice::frmQuery>::unload();
    core::gcnnMonth.close();
}

void BM_ShowWholeMonth(benchmark::State& state)
{
    auto& window = openWindow(bench::installation(state.range(0)));
    for (auto _ : state) {
        window.cmdShow_Click();
        benchmark::DoNotOptimize(window.dgdQuery->model()->rowCount());
    }
    closeWindow(state, window);
}

void BM_ReadWholeMonth(benchmark::State& state)
{
    auto& window = openWindow(bench::installation(state.range(0)));
    int rows = 0;
    for (auto _ : state) {
        window.cmdShow_Click();
        ui::BoundRowsModel& model = *window.adodcQuery.rows();
        while (model.canFetchMore({}))
            model.fetchMore({});
        rows = model.rowCount();
        const int columns = model.columnCount();
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c)
                benchmark::DoNotOptimize(model.value(r, c));
    }
    state.counters["rows"] = rows;
    closeWindow(state, window);
}

void BM_ReadWholeMonth_RawSqlite(benchmark::State& state)
{
    const bench::Installation& inst = bench::installation(state.range(0));
    auto& window = openWindow(inst);
    window.cmdShow_Click();
    const QByteArray sql = bench::sqliteText(window.adodcQuery.RecordSource);
    closeWindow(state, window);

    const QString file = inst.root + QStringLiteral("/servers/ZELSERVER/") + inst.monthDatabase + QStringLiteral(".sqlite");
    sqlite3* handle = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    db::registerServerFunctions(handle);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK)
        state.SkipWithError(sqlite3_errmsg(handle));
    bench::stepEveryRow(state, stmt);
    sqlite3_finalize(stmt);
    sqlite3_close(handle);
}

BENCHMARK(BM_ShowWholeMonth)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWholeMonth)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadWholeMonth_RawSqlite)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
