// The report windows over a whole month: the customer-care priority report over the month of
// 1,000,000 bookings (every priority booking of June, no list chosen), and the two query-log
// reports over logs of 1,000,000 rows (the administration database's tbl_Qry_Details, half of it
// INCOMING and half OUTGOING, and the tracking database's Incoming_Queries_Details), all logged in
// June; and the delivery status report over the work table of a month of 10,000 or 1,000,000
// bookings. Each report is measured filling its grid (Show), the first three also exporting the
// filled grid to a workbook (Excel). The peer of each, *_RawSqlite, steps the statement the window
// sends, in the SQLite text the data layer turns it into, on a plain connection to the database
// file, reading every column as its stored type is.
//
// The logs are written into the installation on the first run when it holds fewer rows: point
// QUORVEL_BENCH_ROOT at a root of its own (a copy of the month files will do).

#include "BenchInstallation.h"
#include "RawSqlite.h"

#include "core/ModuleState.h"
#include "reports/CustomerCareStatements.h"
#include "reports/DeliveryStatusStatements.h"
#include "reports/IncomingQueryStatements.h"
#include "reports/QueryLogReportStatements.h"
#include "reports/frmCCNos_Rpt.h"
#include "reports/frmDeliveryStatusReport.h"
#include "reports/frmQryRpt.h"
#include "reports/frmQueryReport.h"

#include "platform/db/SqliteFunctions.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QComboBox>
#include <benchmark/benchmark.h>
#include <set>
#include <sqlite3.h>

namespace {

constexpr qint64 kBookings = 1000000;
constexpr qint64 kLogRows = 1000000;
const QDate kFirstDay(2026, 6, 1);
const QDate kLastDay(2026, 6, 30);

struct Sqlite {
    sqlite3* handle = nullptr;
    explicit Sqlite(const QString& file)
    {
        sqlite3_open_v2(file.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
        db::registerServerFunctions(handle);
    }
    ~Sqlite() { sqlite3_close(handle); }
    Sqlite(const Sqlite&) = delete;
    Sqlite& operator=(const Sqlite&) = delete;

    qint64 count(const char* table) const
    {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(handle, (QByteArray("select count(*) from ") + table).constData(), -1, &stmt, nullptr);
        const qint64 n = sqlite3_step(stmt) == SQLITE_ROW ? sqlite3_column_int64(stmt, 0) : 0;
        sqlite3_finalize(stmt);
        return n;
    }
    void exec(const QString& sql) const
    {
        char* error = nullptr;
        if (sqlite3_exec(handle, sql.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
            const QString message = QString::fromUtf8(error);
            sqlite3_free(error);
            qFatal("%s", qPrintable(message));
        }
    }
};

QString databaseFile(const bench::Installation& inst, const QString& database)
{
    return inst.root + QStringLiteral("/servers/ZELSERVER/") + database + QStringLiteral(".sqlite");
}

// kLogRows June rows, one a row of the numbers, origins from twelve stations.
const QString kLogNumbers = QStringLiteral(
    "with recursive n(i) as (select 0 union all select i+1 from n where i+1<%1), "
    "o(k, code) as (values (0,'TLS'),(1,'KWD'),(2,'HVN'),(3,'ZEL'),(4,'MRV'),(5,'BRK'),(6,'CDL'),(7,'DNW'),"
    "(8,'ELM'),(9,'FRX'),(10,'GLN'),(11,'HRB')) ");
const QString kLogDates = QStringLiteral(
    "printf('2026-06-%02d', 1 + i % 30), printf('2026-06-%02d', 1 + (i / 30) % 30)");

// The installation of the month, its query logs holding at least kLogRows rows each.
const bench::Installation& logInstallation()
{
    const bench::Installation& inst = bench::installation(kBookings);
    static bool filled = false;
    if (filled)
        return inst;
    if (const Sqlite admin(databaseFile(inst, QStringLiteral("ZELAdminConfig"))); admin.count("tbl_Qry_Details") < kLogRows)
        admin.exec(QStringLiteral("begin; insert into tbl_Qry_Details (QueryDate, RunsheetDate, QueryType, Origin, "
                                  "ConsignmentNo, DBName, RunsheetNo, ReasonCode, Reason_Desc, DRSNo, BranchName, "
                                  "System_Name, Create_User, Create_Date, BookingDate, CityCode, Destination, Region, "
                                  "BookingMode, TransactionMode, PartyCode, Weight, MF_Destination) ")
                   + kLogNumbers.arg(kLogRows) + QStringLiteral("select ") + kLogDates
                   + QStringLiteral(", case i % 2 when 0 then 'INCOMING' else 'OUTGOING' end, code, "
                                    "10000000000000 + i * 7, 'ZELJUN26', 260600000 + i, 'DL', 'DELIVERED', "
                                    "1260600000 + i, 'TALSHIRE BRANCH', 'COUNTER1', 'COUNTER1', "
                                    "printf('2026-06-%02d 12:%02d:%02d', 1 + i % 30, i % 60, (i / 60) % 60), "
                                    "printf('2026-05-%02d', 1 + i % 31), 'HVN', 'HAVENPORT', 'SOUTH', 'COUNTER', "
                                    "'Paid', 'CASH', 1 + (i % 1000) / 100.0, 'HVN' from n join o on o.k = i % 12; "
                                    "commit;"));
    if (const Sqlite tracking(databaseFile(inst, QStringLiteral("Tracking")));
        tracking.count("Incoming_Queries_Details") < kLogRows)
        tracking.exec(QStringLiteral("begin; insert into Incoming_Queries_Details (QueryDate, RunsheetDate, Origin, "
                                     "ConsignmentNo, DBName, RunsheetNo, ReasonCode, Reason_Desc, DRSNo, BranchName, "
                                     "Create_User, Create_Date) ")
                      + kLogNumbers.arg(kLogRows) + QStringLiteral("select ") + kLogDates
                      + QStringLiteral(", code, 10000000000000 + i * 7, 'ZELJUN26', 260600000 + i, "
                                       "case i % 3 when 0 then 'DL' when 1 then 'RTO' else 'NA' end, 'DELIVERED', "
                                       "1260600000 + i, 'HO', 'COUNTER1', "
                                       "printf('2026-06-%02d 12:%02d:%02d', 1 + i % 30, i % 60, (i / 60) % 60) "
                                       "from n join o on o.k = i % 12; commit;"));
    filled = true;
    return inst;
}

// A report window open on the month's connection, the whole of June chosen.
template <class Window>
Window& openWindow(const bench::Installation& inst)
{
    core::gstrServerName = QStringLiteral("ZELSERVER");
    core::gstrDBUser = QStringLiteral("sa");
    core::gstrProvider = QStringLiteral("SQLOLEDB");
    core::gstrMonthDB = inst.monthDatabase;
    core::gstrUserBranchCode = QStringLiteral("ZEL");
    if (core::gcnnMonth.state() == db::ObjectState::Open)
        core::gcnnMonth.close();
    core::gcnnMonth.open(core::ConnectionText(core::gstrMonthDB));

    auto& window = ui::DefaultInstance<Window>::get();
    ui::WindowHost::showModal(&window);
    window.dtpFromDate->setValue(kFirstDay);
    window.dtpToDate->setValue(kLastDay);
    ui::MessageBoxSeam::clearShown(); // a demo installation has no background picture
    return window;
}

template <class Window>
void closeWindow(benchmark::State& state, Window& window)
{
    state.counters["rows"] = window.msgGrid->rows();
    if (!ui::MessageBoxSeam::shown().isEmpty())
        state.SkipWithError(ui::MessageBoxSeam::shown().front().prompt.toStdString().c_str());
    else if (window.msgGrid->rows() < 100)
        state.SkipWithError("the report showed (next to) nothing");
    ui::DefaultInstance<Window>::unload();
    core::gcnnMonth.close();
}

// Steps the statement, rewritten for SQLite, to its last row on a plain connection to the file.
void readRaw(benchmark::State& state, const QString& file, const QString& statement)
{
    const QByteArray sql = bench::sqliteText(statement);
    const Sqlite database(file);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(database.handle, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        state.SkipWithError(sqlite3_errmsg(database.handle));
        return;
    }
    bench::stepEveryRow(state, stmt);
    sqlite3_finalize(stmt);
}

// The customer-care priority report.

void BM_CareShow(benchmark::State& state)
{
    auto& window = openWindow<reports::frmCCNos_Rpt>(logInstallation());
    for (auto _ : state)
        window.cmdShow_Click();
    closeWindow(state, window);
}

void BM_CareExcel(benchmark::State& state)
{
    auto& window = openWindow<reports::frmCCNos_Rpt>(logInstallation());
    window.cmdShow_Click();
    for (auto _ : state)
        window.cmdExcel_Click();
    closeWindow(state, window);
}

void BM_CareRead_RawSqlite(benchmark::State& state)
{
    const bench::Installation& inst = logInstallation();
    readRaw(state, databaseFile(inst, inst.monthDatabase),
            reports::careReportStatement({.fromDate = kFirstDay, .toDate = kLastDay}));
}

// The query-log report by type; the first argument picks the type (0 INCOMING, 1 OUTGOING), the
// second the number of days from the first of June (a day holds about 33,300 rows, all of one
// type: INCOMING on odd days, OUTGOING on even ones).

const QString kQueryTypes[] = {QStringLiteral("INCOMING"), QStringLiteral("OUTGOING")};

reports::frmQryRpt& openQueryLog(benchmark::State& state)
{
    auto& window = openWindow<reports::frmQryRpt>(logInstallation());
    window.dtpToDate->setValue(kFirstDay.addDays(state.range(1) - 1));
    window.cboQryType->setCurrentIndex(window.cboQryType->findText(kQueryTypes[state.range(0)]));
    return window;
}

void BM_QueryLogShow(benchmark::State& state)
{
    auto& window = openQueryLog(state);
    for (auto _ : state)
        window.cmdShow_Click();
    closeWindow(state, window);
}

void BM_QueryLogExcel(benchmark::State& state)
{
    auto& window = openQueryLog(state);
    window.cmdShow_Click();
    for (auto _ : state)
        window.cmdExcel_Click();
    closeWindow(state, window);
}

void BM_QueryLogRead_RawSqlite(benchmark::State& state)
{
    const bench::Installation& inst = logInstallation();
    readRaw(state, databaseFile(inst, QStringLiteral("ZELAdminConfig")),
            reports::queryLogReportStatement(kFirstDay, kFirstDay.addDays(state.range(1) - 1), QString(),
                                                     kQueryTypes[state.range(0)]));
}

// The incoming enquiry report, in the order of logging.

void BM_IncomingShow(benchmark::State& state)
{
    auto& window = openWindow<reports::frmQueryReport>(logInstallation());
    for (auto _ : state)
        window.cmdShow_Click();
    closeWindow(state, window);
}

void BM_IncomingExcel(benchmark::State& state)
{
    auto& window = openWindow<reports::frmQueryReport>(logInstallation());
    window.cmdShow_Click();
    for (auto _ : state)
        window.cmdExcel_Click();
    closeWindow(state, window);
}

void BM_IncomingRead_RawSqlite(benchmark::State& state)
{
    const bench::Installation& inst = logInstallation();
    readRaw(state, databaseFile(inst, QStringLiteral("Tracking")),
            reports::incomingQueriesStatement({.fromDate = kFirstDay, .toDate = kLastDay}));
}

// The delivery status report, no list chosen: every row of the work table, which the processing by
// booking dates fills with the month's uncancelled bookings, once per size each time the program
// runs. The argument is the month's bookings.

const bench::Installation& statusInstallation(qint64 bookings)
{
    static std::set<qint64> processed;
    const bench::Installation& inst = bench::installation(bookings);
    if (processed.insert(bookings).second) {
        db::Connection month;
        month.open(QStringLiteral("Data Source=ZELSERVER;USER ID=sa;PASSWORD=;Initial Catalog=") + inst.monthDatabase);
        month.setCommandTimeout(0);
        month.execute(reports::statusDatesCall(kFirstDay, kLastDay));
    }
    return inst;
}

void BM_DeliveryStatusShow(benchmark::State& state)
{
    auto& window = openWindow<reports::frmDeliveryStatusReport>(statusInstallation(state.range(0)));
    for (auto _ : state)
        window.cmdShow_Click();
    closeWindow(state, window);
}

void BM_DeliveryStatusRead_RawSqlite(benchmark::State& state)
{
    const bench::Installation& inst = statusInstallation(state.range(0));
    readRaw(state, databaseFile(inst, QStringLiteral("ZELAdminConfig")), reports::statusReportStatement({}));
}

BENCHMARK(BM_CareShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CareExcel)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_CareRead_RawSqlite)->Unit(benchmark::kMillisecond);
// The query-log report grows its grid a row at a time, and every growth walks all rows so far: its
// time is quadratic in the rows, so it is measured over a few days rather than the month.
void queryLogArgs(benchmark::internal::Benchmark* b) { b->Args({0, 1})->Args({1, 2})->Args({1, 4}); }
BENCHMARK(BM_QueryLogShow)->Apply(queryLogArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QueryLogExcel)->Apply(queryLogArgs)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_QueryLogRead_RawSqlite)->Apply(queryLogArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IncomingShow)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IncomingExcel)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_IncomingRead_RawSqlite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeliveryStatusShow)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DeliveryStatusRead_RawSqlite)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
