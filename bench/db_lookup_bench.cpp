// Consignment look-ups through the data layer against the same statements prepared directly with
// SQLite, on demo month databases of 10,000 and 1,000,000 consignments.

#include "BenchInstallation.h"

#include "installer/Installer.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/SqlText.h"
#include "platform/db/SqliteFunctions.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

QString originStatement(qint64 n)
{
    const QString c = QString::number(n);
    return "Select distinct Origin from RunsheetDetails where ConsignmentNo=" + c + " " +
           " UNION select distinct Origin from Run_Manifest where ConsignmentNo=" + c + " Union " +
           " select distinct Origin from Run_HOTCManifest where ConsignmentNo=" + c + " UNION " +
           " select distinct Origin from tbl_Incoming_Misroute_Entry where ConNo=" + c;
}

QString runsheetStatement(qint64 n, const QString& origin)
{
    return "SELECT RD.RUNSHEETDATE,RD.RUNSHEETNO,RD.SerialNo,AM.AREANAME,RD.STAFFCODE,RD.RUNSHEETMODE,BAR_RSNO,Contact_Name,"
           "Contact_No,RM.BRANCHCODE AS BCODE, DRSNo,RD.BranchCode,ReturnPODDate,Origin,ConsignmentNo,DRSNo,RD.AreaName AS "
           "RTN_AREANAME,ReasonCode,Mobile_No,RD.LoadDetails,PODScanTime,RD.CreateDate, RD.CreateUser,RD.MachineId FROM "
           "RUNSHEETDETAILS RD LEFT OUTER JOIN RUNSHEETMASTER RM ON RD.RUNSHEETNO=RM.RUNSHEETNO LEFT OUTER JOIN "
           "RUN_AREAMASTER AM ON RD.AREACODE=AM.AREACODE  WHERE CONSIGNMENTNO=" + QString::number(n) +
           " AND ORIGIN=" + db::sqlQuote(origin) + " Order by RunsheetDate,RD.LoadDetails";
}

void throughLayer(benchmark::State& state, QString (*statement)(const std::pair<qint64, QString>&))
{
    const bench::Installation& inst = bench::installation(state.range(0));
    db::Connection c;
    c.open(QStringLiteral("Data Source=ZELSERVER;USER ID=sa;PASSWORD=;Initial Catalog=") + inst.monthDatabase);
    size_t i = 0;
    for (auto _ : state) {
        db::Recordset rs;
        rs.open(statement(inst.consignments[i++ % inst.consignments.size()]), c, db::CursorType::Dynamic,
                db::LockType::Optimistic);
        for (; !rs.eof(); rs.moveNext())
            for (int c = 0; c < rs.fieldCount(); ++c)
                benchmark::DoNotOptimize(rs.value(c));
        rs.close();
    }
}

void direct(benchmark::State& state, QString (*statement)(const std::pair<qint64, QString>&))
{
    const bench::Installation& inst = bench::installation(state.range(0));
    const QString file = inst.root + QStringLiteral("/servers/ZELSERVER/") + inst.monthDatabase + QStringLiteral(".sqlite");
    sqlite3* handle = nullptr;
    sqlite3_open_v2(file.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE, nullptr);
    db::registerServerFunctions(handle);
    size_t i = 0;
    for (auto _ : state) {
        const QByteArray sql = statement(inst.consignments[i++ % inst.consignments.size()]).toUtf8();
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &stmt, nullptr);
        const int columns = sqlite3_column_count(stmt);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            for (int c = 0; c < columns; ++c)
                benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(handle);
}

QString origin(const std::pair<qint64, QString>& c) { return originStatement(c.first); }
QString runsheet(const std::pair<qint64, QString>& c) { return runsheetStatement(c.first, c.second); }

void BM_OriginLookup_Layer(benchmark::State& state) { throughLayer(state, origin); }
void BM_OriginLookup_Direct(benchmark::State& state) { direct(state, origin); }
void BM_RunsheetLookup_Layer(benchmark::State& state) { throughLayer(state, runsheet); }
void BM_RunsheetLookup_Direct(benchmark::State& state) { direct(state, runsheet); }

BENCHMARK(BM_OriginLookup_Layer)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OriginLookup_Direct)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunsheetLookup_Layer)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RunsheetLookup_Direct)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
