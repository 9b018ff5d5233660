// The manifest query window's Show on the demo months of 10,000 and 1,000,000 consignments: every
// incoming manifest line of the default range (one day, the installation's today) and of the whole
// month, with no destination, status or number chosen. Rows: the lines listed.
//   BM_ManifestQuery_Show:      the Show button's handler, from the statement to the filled grid
//   BM_ManifestQuery_RawSqlite: the same statement, in the SQLite text the data layer turns it
//                               into, stepped to its last row on a plain connection to the month's
//                               file, every column read in its stored type

#include "BenchInstallation.h"
#include "DataLayerRead.h"
#include "RawSqlite.h"

#include "followup/ManifestQueryStatements.h"
#include "followup/frmManifestQuery.h"

#include "core/ModuleState.h"

#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QCoreApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

// The range of the second argument: 0 the default day, 1 the whole month.
std::pair<QDate, QDate> rangeOf(qint64 wholeMonth)
{
    const QDate today = bench::kToday;
    if (wholeMonth == 0)
        return {today, today};
    return {QDate(today.year(), today.month(), 1), QDate(today.year(), today.month(), today.daysInMonth())};
}

void BM_ManifestQuery_Show(benchmark::State& state)
{
    bench::openMonth(state.range(0));

    auto& window = ui::DefaultInstance<followup::frmManifestQuery>::get();
    ui::WindowHost::showModal(&window);
    const auto [from, to] = rangeOf(state.range(1));
    window.dtpFromDate->setValue(from);
    window.dtpToDate->setValue(to);
    ui::MessageBoxSeam::clearShown();
    for (auto _ : state) {
        window.cmdShow->setEnabled(true);
        window.cmdShow_Click();
        benchmark::DoNotOptimize(window.msgManifest->rows());
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = window.msgManifest->rows() - 2;
    if (!ui::MessageBoxSeam::shown().isEmpty())
        state.SkipWithError(ui::MessageBoxSeam::shown().front().prompt.toStdString().c_str());
    ui::DefaultInstance<followup::frmManifestQuery>::unload();
    core::ResetModuleState();
}

void BM_ManifestQuery_RawSqlite(benchmark::State& state)
{
    const bench::Installation& inst = bench::installation(state.range(0));
    const auto [from, to] = rangeOf(state.range(1));
    bench::stepEveryRowOf(state, inst.root + QStringLiteral("/servers/ZELSERVER/") + inst.monthDatabase + QStringLiteral(".sqlite"),
                          followup::manifestQueryStatement({.fromDate = from, .toDate = to}));
}

void Ranges(benchmark::internal::Benchmark* b)
{
    for (qint64 n : {10000, 1000000})
        for (qint64 wholeMonth : {0, 1})
            b->Args({n, wholeMonth});
    b->ArgNames({"n", "month"})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ManifestQuery_Show)->Apply(Ranges);
BENCHMARK(BM_ManifestQuery_RawSqlite)->Apply(Ranges);

} // namespace
