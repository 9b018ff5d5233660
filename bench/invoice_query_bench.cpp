// The invoice query over a whole month of 1,000,000 bookings: Show with only the date range set,
// until the grid holds its first rows.

#include "BenchInstallation.h"

#include "core/ModuleState.h"
#include "invoice/frmQuery.h"

#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

void BM_ShowWholeMonth(benchmark::State& state)
{
    const bench::Installation& inst = bench::installation(state.range(0));
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
    for (auto _ : state) {
        window.cmdShow_Click();
        benchmark::DoNotOptimize(window.dgdQuery->model()->rowCount());
    }
    if (!ui::MessageBoxSeam::shown().isEmpty())
        state.SkipWithError(ui::MessageBoxSeam::shown().front().prompt.toStdString().c_str());
    else if (window.dgdQuery->model()->rowCount() == 0)
        state.SkipWithError("the query showed no bookings");
    ui::DefaultInstance<invoice::frmQuery>::unload();
    core::gcnnMonth.close();
}

BENCHMARK(BM_ShowWholeMonth)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
