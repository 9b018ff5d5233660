// The report windows over a whole month of 10,000 or 1,000,000 bookings (the first argument of
// every benchmark): the customer-care priority report (every priority booking of June, no list
// chosen), the two query-log reports over logs of as many rows as the month has bookings (the
// administration database's tbl_Qry_Details, half of it INCOMING and half OUTGOING, and the
// tracking database's Incoming_Queries_Details), all logged in June, and the delivery status
// report over the month's work table. Each report is measured filling its grid (Show) and
// exporting the filled grid to a workbook (Excel). The peer of a Show, *Read_RawSqlite, steps the
// statement the window sends, in the SQLite text the data layer turns it into, on a plain
// connection to the database file, reading every column as its stored type is. The peer of an
// Excel, *Excel_RawXlsxwriter, writes with libxlsxwriter, once, the workbook the export writes of
// the same filled grid: its cells are the grid's texts converted as the paste converts them, made
// before the timing.
//
// The logs are written into the installation on the first run when it holds fewer rows: point
// QUORVEL_BENCH_ROOT at a root of its own (a copy of the month files will do).

#include "BenchInstallation.h"
#include "RawSqlite.h"
#include "XlsxPeer.h"

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
#include "platform/excel/PastedText.h"
#include "platform/flexgrid/FlexGrid.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QComboBox>
#include <QDateTime>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <set>
#include <sqlite3.h>

namespace {

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

// June log rows, one a row of the numbers below %1, origins from twelve stations.
const QString kLogNumbers = QStringLiteral(
    "with recursive n(i) as (select 0 union all select i+1 from n where i+1<%1), "
    "o(k, code) as (values (0,'TLS'),(1,'KWD'),(2,'HVN'),(3,'ZEL'),(4,'MRV'),(5,'BRK'),(6,'CDL'),(7,'DNW'),"
    "(8,'ELM'),(9,'FRX'),(10,'GLN'),(11,'HRB')) ");
const QString kLogDates = QStringLiteral(
    "printf('2026-06-%02d', 1 + i % 30), printf('2026-06-%02d', 1 + (i / 30) % 30)");

// The installation of the month of the bookings, its query logs holding at least as many rows each.
const bench::Installation& logInstallation(qint64 bookings)
{
    const bench::Installation& inst = bench::installation(bookings);
    static std::set<qint64> filled;
    if (!filled.insert(bookings).second)
        return inst;
    if (const Sqlite admin(databaseFile(inst, QStringLiteral("ZELAdminConfig"))); admin.count("tbl_Qry_Details") < bookings)
        admin.exec(QStringLiteral("begin; insert into tbl_Qry_Details (QueryDate, RunsheetDate, QueryType, Origin, "
                                  "ConsignmentNo, DBName, RunsheetNo, ReasonCode, Reason_Desc, DRSNo, BranchName, "
                                  "System_Name, Create_User, Create_Date, BookingDate, CityCode, Destination, Region, "
                                  "BookingMode, TransactionMode, PartyCode, Weight, MF_Destination) ")
                   + kLogNumbers.arg(bookings) + QStringLiteral("select ") + kLogDates
                   + QStringLiteral(", case i % 2 when 0 then 'INCOMING' else 'OUTGOING' end, code, "
                                    "10000000000000 + i * 7, 'ZELJUN26', 260600000 + i, 'DL', 'DELIVERED', "
                                    "1260600000 + i, 'TALSHIRE BRANCH', 'COUNTER1', 'COUNTER1', "
                                    "printf('2026-06-%02d 12:%02d:%02d', 1 + i % 30, i % 60, (i / 60) % 60), "
                                    "printf('2026-05-%02d', 1 + i % 31), 'HVN', 'HAVENPORT', 'SOUTH', 'COUNTER', "
                                    "'Paid', 'CASH', 1 + (i % 1000) / 100.0, 'HVN' from n join o on o.k = i % 12; "
                                    "commit;"));
    if (const Sqlite tracking(databaseFile(inst, QStringLiteral("Tracking")));
        tracking.count("Incoming_Queries_Details") < bookings)
        tracking.exec(QStringLiteral("begin; insert into Incoming_Queries_Details (QueryDate, RunsheetDate, Origin, "
                                     "ConsignmentNo, DBName, RunsheetNo, ReasonCode, Reason_Desc, DRSNo, BranchName, "
                                     "Create_User, Create_Date) ")
                      + kLogNumbers.arg(bookings) + QStringLiteral("select ") + kLogDates
                      + QStringLiteral(", code, 10000000000000 + i * 7, 'ZELJUN26', 260600000 + i, "
                                       "case i % 3 when 0 then 'DL' when 1 then 'RTO' else 'NA' end, 'DELIVERED', "
                                       "1260600000 + i, 'HO', 'COUNTER1', "
                                       "printf('2026-06-%02d 12:%02d:%02d', 1 + i % 30, i % 60, (i / 60) % 60) "
                                       "from n join o on o.k = i % 12; commit;"));
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
    // deleted now: the benchmarks never return to an event loop, where an unloaded window goes
    delete &window;
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

// Shows the report on each run.
template <class Window>
void showEach(benchmark::State& state, Window& window)
{
    for (auto _ : state)
        window.cmdShow_Click();
    closeWindow(state, window);
}

// Shows the report, then exports the filled grid on each run.
template <class Window>
void exportEach(benchmark::State& state, Window& window)
{
    window.cmdShow_Click();
    for (auto _ : state)
        window.cmdExcel_Click();
    closeWindow(state, window);
}

// The peer's workbook of the window's filled grid: the export's titles over the grid's cells as
// the paste converts them.
bench::XlsxSheet peerSheet(const ui::FlexGrid& grid, const QString& title1, const QString& title2)
{
    bench::XlsxSheet sheet;
    sheet.titles = {"Orvane - Velmora", title1.toStdString(), title2.toStdString(), ""};
    sheet.columns = grid.cols();
    sheet.cells.resize(size_t(grid.rows()) * size_t(grid.cols()));
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c) {
            const excel::PastedValue pasted = excel::convertPastedText(grid.textMatrix(r, c));
            bench::XlsxCell& cell = sheet.at(size_t(r), c);
            if (pasted.value.typeId() == QMetaType::QString) {
                cell = pasted.value.toString().toStdString();
            } else if (pasted.value.typeId() == QMetaType::Double) {
                cell = pasted.value.toDouble();
            } else if (pasted.value.typeId() == QMetaType::QDateTime) {
                const std::string numberFormat = pasted.numberFormat.toStdString();
                auto known = std::find(sheet.dateFormats.begin(), sheet.dateFormats.end(), numberFormat);
                if (known == sheet.dateFormats.end())
                    known = sheet.dateFormats.insert(known, numberFormat);
                const QDateTime when = pasted.value.toDateTime();
                cell = bench::XlsxDate{{when.date().year(), when.date().month(), when.date().day(), when.time().hour(),
                                        when.time().minute(), double(when.time().second())},
                                       size_t(known - sheet.dateFormats.begin())};
            }
        }
    return sheet;
}

// Shows the report, then writes the peer's workbook of the filled grid on each run, the window closed.
template <class Window>
void writePeer(benchmark::State& state, Window& window, const QString& title1, const QString& title2)
{
    window.cmdShow_Click();
    const bench::XlsxSheet sheet = peerSheet(*window.msgGrid, title1, title2);
    closeWindow(state, window);
    QTemporaryDir dir;
    const std::string path = QFile::encodeName(dir.filePath(QStringLiteral("Report.xlsx"))).toStdString();
    for (auto _ : state)
        if (!bench::writeXlsx(path, sheet))
            state.SkipWithError("the workbook was not written");
}

// The customer-care priority report.

void BM_CareShow(benchmark::State& state)
{
    showEach(state, openWindow<reports::frmCCNos_Rpt>(bench::installation(state.range(0))));
}

void BM_CareExcel(benchmark::State& state)
{
    exportEach(state, openWindow<reports::frmCCNos_Rpt>(bench::installation(state.range(0))));
}

void BM_CareExcel_RawXlsxwriter(benchmark::State& state)
{
    auto& window = openWindow<reports::frmCCNos_Rpt>(bench::installation(state.range(0)));
    const reports::CareChoices choices{.fromDate = kFirstDay, .toDate = kLastDay};
    writePeer(state, window, reports::careRangeTitle(choices), reports::careChoicesTitle(choices));
}

void BM_CareRead_RawSqlite(benchmark::State& state)
{
    const bench::Installation& inst = bench::installation(state.range(0));
    readRaw(state, databaseFile(inst, inst.monthDatabase),
            reports::careReportStatement({.fromDate = kFirstDay, .toDate = kLastDay}));
}

// The query-log report by type; the second argument picks the type (0 INCOMING, 1 OUTGOING), the
// third the number of days from the first of June (a day holds a thirtieth of the log, all of one
// type: INCOMING on odd days, OUTGOING on even ones).

const QString kQueryTypes[] = {QStringLiteral("INCOMING"), QStringLiteral("OUTGOING")};

reports::frmQryRpt& openQueryLog(benchmark::State& state)
{
    auto& window = openWindow<reports::frmQryRpt>(logInstallation(state.range(0)));
    window.dtpToDate->setValue(kFirstDay.addDays(state.range(2) - 1));
    window.cboQryType->setCurrentIndex(window.cboQryType->findText(kQueryTypes[state.range(1)]));
    return window;
}

void BM_QueryLogShow(benchmark::State& state)
{
    showEach(state, openQueryLog(state));
}

void BM_QueryLogExcel(benchmark::State& state)
{
    exportEach(state, openQueryLog(state));
}

void BM_QueryLogExcel_RawXlsxwriter(benchmark::State& state)
{
    auto& window = openQueryLog(state);
    writePeer(state, window,
              state.range(1) == 0 ? QStringLiteral("Incoming Consignment Query Details Report")
                                  : QStringLiteral("Outgoing Consignment Query Details Report"),
              QStringLiteral("Query Type :-") + kQueryTypes[state.range(1)]);
}

void BM_QueryLogRead_RawSqlite(benchmark::State& state)
{
    const bench::Installation& inst = logInstallation(state.range(0));
    readRaw(state, databaseFile(inst, QStringLiteral("ZELAdminConfig")),
            reports::queryLogReportStatement(kFirstDay, kFirstDay.addDays(state.range(2) - 1), QString(),
                                                     kQueryTypes[state.range(1)]));
}

// The incoming enquiry report, in the order of logging.

void BM_IncomingShow(benchmark::State& state)
{
    showEach(state, openWindow<reports::frmQueryReport>(logInstallation(state.range(0))));
}

void BM_IncomingExcel(benchmark::State& state)
{
    exportEach(state, openWindow<reports::frmQueryReport>(logInstallation(state.range(0))));
}

void BM_IncomingExcel_RawXlsxwriter(benchmark::State& state)
{
    auto& window = openWindow<reports::frmQueryReport>(logInstallation(state.range(0)));
    writePeer(state, window, QStringLiteral("Consignment Query Details Report"), QString());
}

void BM_IncomingRead_RawSqlite(benchmark::State& state)
{
    const bench::Installation& inst = logInstallation(state.range(0));
    readRaw(state, databaseFile(inst, QStringLiteral("Tracking")),
            reports::incomingQueriesStatement({.fromDate = kFirstDay, .toDate = kLastDay}));
}

// The delivery status report, no list chosen: every row of the work table, which the processing by
// booking dates fills with the month's uncancelled bookings, once per size each time the program
// runs.

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
    showEach(state, openWindow<reports::frmDeliveryStatusReport>(statusInstallation(state.range(0))));
}

void BM_DeliveryStatusExcel(benchmark::State& state)
{
    exportEach(state, openWindow<reports::frmDeliveryStatusReport>(statusInstallation(state.range(0))));
}

void BM_DeliveryStatusExcel_RawXlsxwriter(benchmark::State& state)
{
    auto& window = openWindow<reports::frmDeliveryStatusReport>(statusInstallation(state.range(0)));
    writePeer(state, window, reports::statusRangeTitle(kFirstDay, kLastDay),
              reports::statusChoicesTitle(QString(), QString(), QString()));
}

void BM_DeliveryStatusRead_RawSqlite(benchmark::State& state)
{
    const bench::Installation& inst = statusInstallation(state.range(0));
    readRaw(state, databaseFile(inst, QStringLiteral("ZELAdminConfig")), reports::statusReportStatement({}));
}

void sizes(benchmark::internal::Benchmark* b) { b->Arg(10000)->Arg(1000000); }
// The query-log report over one day of INCOMING and two and four days of OUTGOING, and, to show
// that its time grows with the rows alone, OUTGOING over the whole month (fifteen days' rows).
void queryLogArgs(benchmark::internal::Benchmark* b)
{
    for (const qint64 bookings : {10000, 1000000})
        b->Args({bookings, 0, 1})->Args({bookings, 1, 2})->Args({bookings, 1, 4})->Args({bookings, 1, 30});
}

// The four benchmarks of a report: Show and Excel beside their peers, each Excel run once.
#define REPORT_BENCHMARKS(report, args)                                                                              \
    BENCHMARK(BM_##report##Show)->Apply(args)->Unit(benchmark::kMillisecond);                                        \
    BENCHMARK(BM_##report##Excel)->Apply(args)->Unit(benchmark::kMillisecond)->Iterations(1);                        \
    BENCHMARK(BM_##report##Excel_RawXlsxwriter)->Apply(args)->Unit(benchmark::kMillisecond)->Iterations(1);          \
    BENCHMARK(BM_##report##Read_RawSqlite)->Apply(args)->Unit(benchmark::kMillisecond)

REPORT_BENCHMARKS(Care, sizes);
REPORT_BENCHMARKS(QueryLog, queryLogArgs);
REPORT_BENCHMARKS(Incoming, sizes);
REPORT_BENCHMARKS(DeliveryStatus, sizes);

} // namespace
