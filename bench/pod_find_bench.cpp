// The name search of the POD query window: a key released in the name box of its search panel, on
// the demo month of 1,000,000 consignments, for the busiest booking date and any booking mode. The
// box holds the most frequent three-letter beginning of a first consignee line, the most frequent
// first letter, or nothing (the whole day). Rows: the number of bookings listed.
//   BM_PodFind_KeyUp:      the handler of the key release, from the statement to the filled grid;
//                          the window is then laid out and drawn off screen, untimed
//   BM_PodFind_Statement:  the same statement alone through the data layer, every value read

#include "BenchInstallation.h"
#include "DataLayerRead.h"

#include "podquery/FindStatements.h"
#include "podquery/frmPODQueryGrid.h"

#include "core/ModuleState.h"

#include "platform/db/SqlText.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/WindowHost.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <utility>

namespace {

constexpr qint64 kConsignments = 1000000;

// The busiest booking date and the most frequent beginnings of its first consignee lines.
struct SearchDay {
    QDate date;
    QString letter;
    QString threeLetters;
    // The box's text for a beginning of 0, 1 or 3 letters.
    QString prefix(qint64 length) const { return length == 0 ? QString() : length == 1 ? letter : threeLetters; }
};

// The installation's month with the connection open, as start-up leaves it in the central office.
const SearchDay& openSearchDay()
{
    const bench::Installation& inst = bench::installation(kConsignments);
    core::ResetModuleState();
    core::gblnCentralMode = true;
    core::gblnPodImageMode = true;
    core::gstrStationCode = QStringLiteral("ZEL");
    core::gstrServerName = QStringLiteral("ZELSERVER");
    core::gstrDBUser = QStringLiteral("sa");
    core::gstrProvider = QStringLiteral("SQLOLEDB");
    core::gstrMonthDB = inst.monthDatabase;
    core::gcnnMonth.open(core::ConnectionText(core::gstrMonthDB));

    static const SearchDay day = [] {
        SearchDay d;
        db::Recordset rs;
        rs.open(QStringLiteral("select top 1 BookingDate from Invoice group by BookingDate order by count(*) desc"),
                core::gcnnMonth);
        d.date = rs.value(0).toDate();
        rs.close();
        for (auto [length, prefix] : {std::pair{1, &d.letter}, std::pair{3, &d.threeLetters}}) {
            const QString part = QStringLiteral("left(ToAddress1,%1)").arg(length);
            rs.open(QStringLiteral("select top 1 ") + part + QStringLiteral(" from Invoice where BookingDate=")
                        + db::sqlDate(d.date) + QStringLiteral(" and ToAddress1<>'' group by ") + part
                        + QStringLiteral(" order by count(*) desc"),
                    core::gcnnMonth);
            *prefix = rs.value(0).toString();
            rs.close();
        }
        return d;
    }();
    return day;
}

void BM_PodFind_KeyUp(benchmark::State& state)
{
    const SearchDay& day = openSearchDay();
    auto& window = ui::DefaultInstance<podquery::frmPODQueryGrid>::get();
    ui::WindowHost::showModal(&window);
    window.chkSelect->setChecked(true);
    window.chkSelect_Click();
    window.dtpBookingDate->setValue(QDateTime(day.date, QTime()));
    window.cboBMode->setCurrentIndex(0); // any booking mode
    window.txtTAdds->setText(day.prefix(state.range(0)));
    for (auto _ : state) {
        int key = 0;
        window.txtTAdds_KeyUp(key, 0);
        benchmark::DoNotOptimize(window.msgFind->rows());
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["rows"] = window.msgFind->rows() - 1;
    ui::DefaultInstance<podquery::frmPODQueryGrid>::unload();
    core::ResetModuleState();
}

void BM_PodFind_Statement(benchmark::State& state)
{
    const SearchDay& day = openSearchDay();
    const QString sql = podquery::findStatement(day.date, podquery::FindMode::Any, std::nullopt,
                                                day.prefix(state.range(0)));
    bench::readEveryValue(state, sql);
    core::ResetModuleState();
}

BENCHMARK(BM_PodFind_KeyUp)->Arg(3)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PodFind_Statement)->Arg(3)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

} // namespace
