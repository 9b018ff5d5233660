// A counter enquiry in the consignment history window: number Enter and origin Enter, on demo
// months of 10,000 and 1,000,000 consignments. The consignments looked up have rows in every grid
// (runsheets, manifests, misroutes, returns, non-delivery), so every grid is filled (drawn off screen).

#include "BenchInstallation.h"

#include "consignment/frmConsignWiseGridQuery.h"
#include "core/ModuleState.h"

#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <benchmark/benchmark.h>

namespace {

void BM_NumberAndOriginEnter(benchmark::State& state)
{
    const bench::Installation& inst = bench::installation(state.range(0));
    if (inst.fullHistories.empty()) {
        state.SkipWithError("the demo month has no consignment with rows in every grid");
        return;
    }
    core::gstrStationCode = QStringLiteral("ZEL");
    core::gstrServerName = QStringLiteral("ZELSERVER");
    core::gstrDBUser = QStringLiteral("sa");
    core::gstrProvider = QStringLiteral("SQLOLEDB");
    core::gstrMonthDB = inst.monthDatabase;
    core::gstrMainBranchCode = QStringLiteral("BR"); // no query-log rows: the enquiry itself is timed
    if (core::gcnnMonth.state() == db::ObjectState::Open)
        core::gcnnMonth.close();
    core::gcnnMonth.open(core::ConnectionText(core::gstrMonthDB));

    auto& window = ui::DefaultInstance<consignment::frmConsignWiseGridQuery>::get();
    ui::WindowHost::showModal(&window);
    size_t i = 0;
    for (auto _ : state) {
        const auto& [number, origin] = inst.fullHistories[i++ % inst.fullHistories.size()];
        window.txtConsignMentNo->setText(QString::number(number));
        int enter = 13;
        window.txtConsignMentNo_KeyPress(enter);
        enter = 13;
        window.cboOrigin_KeyDown(enter, 0);
        benchmark::DoNotOptimize(window.lblDeliveryStatus);
    }
    ui::DefaultInstance<consignment::frmConsignWiseGridQuery>::unload();
    core::gcnnMonth.close();
}

BENCHMARK(BM_NumberAndOriginEnter)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
