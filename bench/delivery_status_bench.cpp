// The delivery status processing over a month of 1,000,000 bookings: each run replaces the work
// table (tbl_Consignment_Status_Temp of the administration database) with the month's uncancelled
// bookings, their latest non-delivery reason and latest download time, as the window sends it:
// by the month's booking dates, and by the month's whole range of consignment numbers. The totals
// strip's five queries are measured over the table a run leaves.
//
// Every run writes the work table of the installation under $QUORVEL_BENCH_ROOT.

#include "BenchInstallation.h"

#include "reports/DeliveryStatusStatements.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <benchmark/benchmark.h>

namespace {

constexpr qint64 kBookings = 1000000;
const QDate kFirstDay(2026, 6, 1);
const QDate kLastDay(2026, 6, 30);

// The month connection the window runs on.
db::Connection& month()
{
    static db::Connection connection;
    if (connection.state() == db::ObjectState::Closed) {
        const bench::Installation& inst = bench::installation(kBookings);
        connection.open(QStringLiteral("Data Source=ZELSERVER;USER ID=sa;PASSWORD=;Initial Catalog=")
                        + inst.monthDatabase);
        connection.setCommandTimeout(0);
    }
    return connection;
}

QString scalar(const QString& sql)
{
    db::Recordset rs;
    rs.open(sql, month());
    const QString value = rs.eof() ? QString() : rs.value(0).toString();
    rs.close();
    return value;
}

void reportRows(benchmark::State& state)
{
    state.counters["rows"] = scalar(QStringLiteral("Select Count(*) From ZELADMINCONFIG..tbl_Consignment_Status_Temp"))
                                 .toDouble();
}

void BM_ProcessByDates(benchmark::State& state)
{
    const QString call = reports::statusDatesCall(kFirstDay, kLastDay);
    for (auto _ : state)
        month().execute(call);
    reportRows(state);
}
BENCHMARK(BM_ProcessByDates)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ProcessByNumbers(benchmark::State& state)
{
    const QString from = scalar(QStringLiteral("Select Min(ConsignmentNo) From Invoice"));
    const QString to = scalar(QStringLiteral("Select Max(ConsignmentNo) From Invoice"));
    const QString call = reports::statusNumbersCall(from, to, kFirstDay);
    for (auto _ : state)
        month().execute(call);
    reportRows(state);
}
BENCHMARK(BM_ProcessByNumbers)->Unit(benchmark::kMillisecond)->Iterations(1);

// The five totals queries over the month the last run left.
void BM_Totals(benchmark::State& state)
{
    const QStringList statements{
        reports::statusBookedCountStatement(kFirstDay, kLastDay),
        reports::statusDownloadedCountStatement(reports::StatusDownload::Runsheets),
        reports::statusDownloadedCountStatement(reports::StatusDownload::PointPods),
        reports::statusLatestDownloadStatement(reports::StatusDownload::Runsheets),
        reports::statusLatestDownloadStatement(reports::StatusDownload::PointPods),
    };
    for (auto _ : state)
        for (const QString& sql : statements)
            benchmark::DoNotOptimize(scalar(sql));
}
BENCHMARK(BM_Totals)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
