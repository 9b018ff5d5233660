// The non-delivery search: a key released in the name box, on the demo months of 10,000 and
// 1,000,000 consignments, over the default range of today or over the whole month. The box holds
// the most frequent three-letter beginning of today's first consignor lines, the most frequent
// first letter, or nothing (every record of today). Arguments: consignments, letters, days.
//   BM_NDSearch_KeyUp:      the handler of the key release, from the statement to the filled grid
//                           (records: the records listed, rows: the grid's rows)
//   BM_NDSearch_Statement:  the same statement alone through the data layer, every value read
//   BM_NDSearch_RawSqlite:  SQLite stepping the same statement, rewritten for it, to its last row

#include "BenchInstallation.h"
#include "DataLayerRead.h"
#include "RawSqlite.h"

#include "followup/NonDeliverySearchStatements.h"
#include "followup/frmNDSearch.h"

#include "core/ModuleState.h"

#include "platform/db/SqlText.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <map>

namespace {

const QDate kMonthStart(2026, 6, 1);

// The range of the arguments: today alone, or the whole month.
QDate fromDate(const benchmark::State& state) { return state.range(2) == 1 ? bench::kToday : kMonthStart; }
QDate toDate(const benchmark::State& state) { return state.range(2) == 1 ? bench::kToday : kMonthStart.addMonths(1).addDays(-1); }

// The name box's text: the most frequent beginning of the given length of today's first consignor
// lines (read once per installation and length).
QString namePrefix(const benchmark::State& state)
{
    const qint64 length = state.range(1);
    if (length == 0)
        return QString();
    static std::map<std::pair<qint64, qint64>, QString> prefixes;
    auto [it, added] = prefixes.try_emplace({state.range(0), length});
    if (added) {
        const QString part = QStringLiteral("left(FromAddr1,%1)").arg(length);
        db::Recordset rs;
        rs.open(QStringLiteral("select top 1 ") + part + QStringLiteral(" from tab_NonDelivery where NDDate=")
                    + db::sqlDate(bench::kToday) + QStringLiteral(" group by ") + part
                    + QStringLiteral(" order by count(*) desc"),
                core::gcnnMonth);
        it->second = rs.value(0).toString();
        rs.close();
    }
    return it->second;
}

void BM_NDSearch_KeyUp(benchmark::State& state)
{
    bench::openMonth(state.range(0));
    const QString prefix = namePrefix(state);
    auto& window = ui::DefaultInstance<followup::frmNDSearch>::get();
    ui::WindowHost::showModal(&window);
    window.dtpFromDate->setValue(fromDate(state));
    window.dtpToDate->setValue(toDate(state));
    window.txtName->setText(prefix);
    ui::MessageBoxSeam::clearShown();
    for (auto _ : state) {
        int key = 0;
        window.txtName_KeyUp(key, 0);
        benchmark::DoNotOptimize(window.msgScreen->rows());
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    const int rows = window.msgScreen->rows();
    state.counters["rows"] = rows;
    // the last record's serial number stands in the first column above its separator row
    int last = rows - 3;
    while (last > 1 && window.msgScreen->textMatrix(last, 0).isEmpty())
        --last;
    state.counters["records"] = window.msgScreen->textMatrix(last, 0).toInt();
    if (!ui::MessageBoxSeam::shown().isEmpty())
        state.SkipWithError(ui::MessageBoxSeam::shown().front().prompt.toStdString().c_str());
    ui::DefaultInstance<followup::frmNDSearch>::unload();
    QCoreApplication::processEvents();
    core::ResetModuleState();
}

// The window's statement for the arguments.
QString searchStatement(const benchmark::State& state)
{
    return followup::ndSearchStatement({.fromDate = fromDate(state), .toDate = toDate(state), .name = namePrefix(state)});
}

void BM_NDSearch_Statement(benchmark::State& state)
{
    bench::openMonth(state.range(0));
    const QString sql = searchStatement(state);
    bench::readEveryValue(state, sql);
    core::ResetModuleState();
}

void BM_NDSearch_RawSqlite(benchmark::State& state)
{
    const bench::Installation& inst = bench::openMonth(state.range(0));
    const QString statement = searchStatement(state);
    core::ResetModuleState();
    bench::stepEveryRowOf(state, inst.root + QStringLiteral("/servers/ZELSERVER/") + inst.monthDatabase + QStringLiteral(".sqlite"),
                          statement);
}

void searchArgs(benchmark::internal::Benchmark* b)
{
    for (const qint64 consignments : {10000, 1000000}) {
        for (const qint64 letters : {3, 1, 0})
            b->Args({consignments, letters, 1});
        // the month's records of a beginning
        for (const qint64 letters : {3, 1})
            b->Args({consignments, letters, 30});
    }
}

BENCHMARK(BM_NDSearch_KeyUp)->Apply(searchArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NDSearch_Statement)->Apply(searchArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NDSearch_RawSqlite)->Apply(searchArgs)->Unit(benchmark::kMillisecond);

} // namespace
