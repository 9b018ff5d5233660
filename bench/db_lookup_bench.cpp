// Consignment look-ups through the data layer against the same statements run directly with
// SQLite, on demo month databases of 10,000 and 1,000,000 consignments. Two peers:
//   _Reprepared: the statement text with its values written in, prepared, stepped and finalized
//                each time (what a caller without a statement cache does);
//   _Bound:      the statement prepared once with its values as parameters, then per look-up
//                sqlite3_reset, the values bound and stepped: the stronger peer, the one to match.
// Every peer reads every column of every row (the layer as values, the peers as column text).

#include "BenchInstallation.h"

#include "installer/Installer.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/SqlText.h"
#include "platform/db/SqliteFunctions.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

// The statements with their values as given: literal text, or parameters ?1 (number), ?2 (origin).
QString originStatement(const QString& c, const QString&)
{
    return "Select distinct Origin from RunsheetDetails where ConsignmentNo=" + c + " " +
           " UNION select distinct Origin from Run_Manifest where ConsignmentNo=" + c + " Union " +
           " select distinct Origin from Run_HOTCManifest where ConsignmentNo=" + c + " UNION " +
           " select distinct Origin from tbl_Incoming_Misroute_Entry where ConNo=" + c;
}

QString runsheetStatement(const QString& n, const QString& origin)
{
    return "SELECT RD.RUNSHEETDATE,RD.RUNSHEETNO,RD.SerialNo,AM.AREANAME,RD.STAFFCODE,RD.RUNSHEETMODE,BAR_RSNO,Contact_Name,"
           "Contact_No,RM.BRANCHCODE AS BCODE, DRSNo,RD.BranchCode,ReturnPODDate,Origin,ConsignmentNo,DRSNo,RD.AreaName AS "
           "RTN_AREANAME,ReasonCode,Mobile_No,RD.LoadDetails,PODScanTime,RD.CreateDate, RD.CreateUser,RD.MachineId FROM "
           "RUNSHEETDETAILS RD LEFT OUTER JOIN RUNSHEETMASTER RM ON RD.RUNSHEETNO=RM.RUNSHEETNO LEFT OUTER JOIN "
           "RUN_AREAMASTER AM ON RD.AREACODE=AM.AREACODE  WHERE CONSIGNMENTNO=" + n +
           " AND ORIGIN=" + origin + " Order by RunsheetDate,RD.LoadDetails";
}

using Statement = QString (*)(const QString& number, const QString& origin);

QString withValues(Statement statement, const std::pair<qint64, QString>& c)
{
    return statement(QString::number(c.first), db::sqlQuote(c.second));
}

void throughLayer(benchmark::State& state, Statement statement)
{
    const bench::Installation& inst = bench::installation(state.range(0));
    db::Connection c;
    c.open(QStringLiteral("Data Source=ZELSERVER;USER ID=sa;PASSWORD=;Initial Catalog=") + inst.monthDatabase);
    size_t i = 0;
    for (auto _ : state) {
        db::Recordset rs;
        rs.open(withValues(statement, inst.consignments[i++ % inst.consignments.size()]), c, db::CursorType::Dynamic,
                db::LockType::Optimistic);
        for (; !rs.eof(); rs.moveNext())
            for (int c = 0; c < rs.fieldCount(); ++c)
                benchmark::DoNotOptimize(rs.value(c));
        rs.close();
    }
}

sqlite3* openMonth(const bench::Installation& inst)
{
    const QString file = inst.root + QStringLiteral("/servers/ZELSERVER/") + inst.monthDatabase + QStringLiteral(".sqlite");
    sqlite3* handle = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    db::registerServerFunctions(handle);
    return handle;
}

void readAll(sqlite3_stmt* stmt)
{
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW)
        for (int c = 0; c < columns; ++c)
            benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
}

void reprepared(benchmark::State& state, Statement statement)
{
    const bench::Installation& inst = bench::installation(state.range(0));
    sqlite3* handle = openMonth(inst);
    size_t i = 0;
    for (auto _ : state) {
        const QByteArray sql = withValues(statement, inst.consignments[i++ % inst.consignments.size()]).toUtf8();
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &stmt, nullptr);
        readAll(stmt);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(handle);
}

void bound(benchmark::State& state, Statement statement)
{
    const bench::Installation& inst = bench::installation(state.range(0));
    sqlite3* handle = openMonth(inst);
    const QByteArray sql = statement(QStringLiteral("?1"), QStringLiteral("?2")).toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK)
        state.SkipWithError(sqlite3_errmsg(handle));
    size_t i = 0;
    for (auto _ : state) {
        const auto& [number, origin] = inst.consignments[i++ % inst.consignments.size()];
        sqlite3_reset(stmt);
        sqlite3_bind_int64(stmt, 1, number);
        const QByteArray text = origin.toUtf8();
        if (sqlite3_bind_parameter_count(stmt) > 1)
            sqlite3_bind_text(stmt, 2, text.constData(), int(text.size()), SQLITE_TRANSIENT);
        readAll(stmt);
    }
    sqlite3_finalize(stmt);
    sqlite3_close(handle);
}

void BM_OriginLookup_Layer(benchmark::State& state) { throughLayer(state, originStatement); }
void BM_OriginLookup_Reprepared(benchmark::State& state) { reprepared(state, originStatement); }
void BM_OriginLookup_Bound(benchmark::State& state) { bound(state, originStatement); }
void BM_RunsheetLookup_Layer(benchmark::State& state) { throughLayer(state, runsheetStatement); }
void BM_RunsheetLookup_Reprepared(benchmark::State& state) { reprepared(state, runsheetStatement); }
void BM_RunsheetLookup_Bound(benchmark::State& state) { bound(state, runsheetStatement); }

BENCHMARK(BM_OriginLookup_Layer)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OriginLookup_Reprepared)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OriginLookup_Bound)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunsheetLookup_Layer)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunsheetLookup_Reprepared)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunsheetLookup_Bound)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
