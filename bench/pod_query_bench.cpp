// A POD enquiry at the counter: a number typed into the POD query window and Enter, on demo months
// of 10,000 and 1,000,000 consignments, from a registered workstation. The consignments looked up
// are bookings of status D or N with rows in every grid (outgoing manifest lines, a manifest
// return, non-delivery reports with their reasons, incoming lines of the station), so every grid is
// filled and every look-up writes its row to the query log.
//   BM_PodLookup:            the whole look-up through the window, from Enter until the handler
//                            returns; the window is then laid out and drawn off screen, untimed
//   BM_PodLookup_Statements: the window's statements alone, through the data layer (no widgets)
// The log rows written are deleted afterwards, so the demo months stay as they were made.

#include "BenchInstallation.h"

#include "podquery/PodQueryStatements.h"
#include "podquery/frmPODQueryGrid.h"

#include "consignment/ReasonNames.h"
#include "consignment/RegisteredWorkstation.h"
#include "core/MainModule.h"
#include "core/ModuleState.h"
#include "core/ServerDate.h"

#include "platform/ui/WindowHost.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <functional>

namespace {

// The state start-up and login leave, with both connections open; returns the last query-log row.
qint64 startCounter(const bench::Installation& inst)
{
    core::ResetModuleState();
    core::gstrStationCode = QStringLiteral("ZEL");
    core::gstrAdminDB = QStringLiteral("ZELAdminConfig");
    core::gstrServerName = QStringLiteral("ZELSERVER");
    core::gstrDBUser = QStringLiteral("sa");
    core::gstrProvider = QStringLiteral("SQLOLEDB");
    core::gstrMonthDB = inst.monthDatabase;
    core::gstrUserName = QStringLiteral("COUNTER1");
    core::gblnPodImageMode = true;
    core::LoadComputerName(); // the demo registers this computer under that name
    core::gcnnAdmin.open(core::ConnectionText(core::gstrAdminDB));
    core::gcnnMonth.open(core::ConnectionText(core::gstrMonthDB));
    db::Recordset rs;
    rs.open(QStringLiteral("select max(QryId) from tbl_Qry_Details"), core::gcnnAdmin);
    return rs.value(0).toLongLong();
}

// Checks that each look-up wrote its log row, deletes the rows and closes the connections.
void closeCounter(benchmark::State& state, qint64 lastLogRow)
{
    db::Recordset rs;
    rs.open(QStringLiteral("select count(*) from tbl_Qry_Details where QryId > ") + QString::number(lastLogRow),
            core::gcnnAdmin);
    if (rs.value(0).toLongLong() != qint64(state.iterations()))
        state.SkipWithError("a look-up wrote no log row: is this computer registered in the demo?");
    rs.close();
    core::gcnnAdmin.execute(QStringLiteral("delete from tbl_Qry_Details where QryId > ") + QString::number(lastLogRow));
    core::ResetModuleState();
}

void BM_PodLookup(benchmark::State& state)
{
    const bench::Installation& inst = bench::installation(state.range(0));
    if (inst.podHistories.empty()) {
        state.SkipWithError("the demo month has no booking with rows in every grid of the POD query window");
        return;
    }
    const qint64 lastLogRow = startCounter(inst);
    auto& window = ui::DefaultInstance<podquery::frmPODQueryGrid>::get();
    ui::WindowHost::showModal(&window);
    size_t i = 0;
    for (auto _ : state) {
        window.txtConsignNo->setText(QString::number(inst.podHistories[i++ % inst.podHistories.size()]));
        int enter = 13;
        window.txtConsignNo_KeyPress(enter);
        benchmark::DoNotOptimize(window.mDeliveryStatus);
        // the window is laid out and drawn after the handler, as the event loop would, untimed
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    ui::DefaultInstance<podquery::frmPODQueryGrid>::unload();
    closeCounter(state, lastLogRow);
}

// Opens a statement on the month connection and reads every value of every row.
void readAll(const QString& sql, const std::function<void(db::Recordset&)>& perRow = {})
{
    db::Recordset rs;
    rs.open(sql, core::gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    for (; !rs.eof(); rs.moveNext()) {
        for (int c = 0; c < rs.fieldCount(); ++c)
            benchmark::DoNotOptimize(rs.value(c));
        if (perRow)
            perRow(rs);
    }
    rs.close();
}

void BM_PodLookup_Statements(benchmark::State& state)
{
    const bench::Installation& inst = bench::installation(state.range(0));
    if (inst.podHistories.empty()) {
        state.SkipWithError("the demo month has no booking with rows in every grid of the POD query window");
        return;
    }
    const qint64 lastLogRow = startCounter(inst);
    size_t i = 0;
    for (auto _ : state) {
        const QString n = QString::number(inst.podHistories[i++ % inst.podHistories.size()]);
        podquery::OutgoingLogEntry entry{.number = n, .monthDatabase = core::gstrMonthDB,
                                         .computerName = core::gstrComputerName, .userName = core::gstrUserName};
        QString proNumber, branchCode;
        readAll(podquery::bookingStatement(n), [&](db::Recordset& rs) {
            proNumber = rs.value(QStringLiteral("Pro_ConsignNo")).toString();
            branchCode = rs.value(QStringLiteral("BranchCode")).toString();
            entry.deliveryStatus = rs.value(QStringLiteral("DeliveryStatus")).toString();
            entry.bookingDate = rs.value(QStringLiteral("BookingDate"));
            entry.cityCode = rs.value(QStringLiteral("CityCode"));
            entry.destination = rs.value(QStringLiteral("Destination"));
            entry.region = rs.value(QStringLiteral("Region"));
            entry.bookingMode = rs.value(QStringLiteral("BookingMode"));
            entry.transactionMode = rs.value(QStringLiteral("TransactionMode"));
            entry.partyCode = rs.value(QStringLiteral("PartyCode")).toString();
            entry.weight = rs.value(QStringLiteral("Weight")).toDouble();
        });
        readAll(podquery::bookingDetailStatement(n, false));
        readAll(podquery::manifestLinesStatement(n, proNumber), [&](db::Recordset& rs) {
            entry.manifestFound = true;
            entry.manifestOrigin = rs.value(QStringLiteral("OriginCode"));
            entry.manifestDate = rs.value(QStringLiteral("ManifestDate"));
            entry.manifestNo = rs.value(QStringLiteral("ManifestNo")).toString();
            entry.manifestDestination = rs.value(QStringLiteral("Destination"));
        });
        readAll(podquery::manifestReturnsStatement(n));
        readAll(podquery::outgoingNonDeliveryStatement(n), [](db::Recordset& rs) {
            benchmark::DoNotOptimize(consignment::reasonName(rs.value(QStringLiteral("ReasonCode")).toString()));
        });
        db::Recordset branch;
        branch.open(podquery::branchStatement(branchCode), core::gcnnAdmin, db::CursorType::Dynamic,
                    db::LockType::Optimistic);
        entry.branchName = branch.eof() ? QString() : branch.value(QStringLiteral("BranchName")).toString().trimmed();
        branch.close();
        readAll(podquery::incomingManifestLinesStatement(n, core::gstrStationCode));
        readAll(podquery::incomingOtcLinesStatement(n, core::gstrStationCode));
        if (!entry.deliveryStatus.isEmpty() && consignment::workstationRegistered(core::gstrComputerName)) {
            entry.queryDate = core::GetServerDate();
            entry.created = core::GetServerDateTime();
            core::gcnnMonth.execute(podquery::outgoingLogStatement(entry));
        }
    }
    closeCounter(state, lastLogRow);
}

BENCHMARK(BM_PodLookup)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PodLookup_Statements)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);

} // namespace
