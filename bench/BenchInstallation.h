#pragma once

// Demo installations for the benchmarks: made once per size and kept in $QUORVEL_BENCH_ROOT
// (default /tmp/quorvel-bench) for later runs.

#include "installer/DemoBranch.h"
#include "installer/Installer.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QDir>
#include <QFileInfo>
#include <map>
#include <utility>
#include <vector>

namespace bench {

inline const QDate kToday(2026, 6, 15);

struct Installation {
    QString root;
    QString monthDatabase;
    std::vector<std::pair<qint64, QString>> consignments; // number and origin of runsheet lines
    // Number and origin of consignments with rows in every grid of the consignment history window:
    // runsheet lines, an incoming manifest, misroute entries, returned documents and non-delivery
    // entries for the origin's city.
    std::vector<std::pair<qint64, QString>> fullHistories;
    // Bookings of status D or N with rows in every history grid of the POD query window: outgoing
    // manifest lines, a manifest return, non-delivery reports with a known reason and incoming
    // lines of the station.
    std::vector<qint64> podHistories;
};

// The installation with n consignments a month; QUORVEL_ROOT points at it afterwards.
inline const Installation& installation(qint64 n)
{
    static std::map<qint64, Installation> made;
    if (auto it = made.find(n); it != made.end()) {
        qputenv("QUORVEL_ROOT", it->second.root.toLocal8Bit());
        return it->second;
    }
    const QString base = qEnvironmentVariable("QUORVEL_BENCH_ROOT", QStringLiteral("/tmp/quorvel-bench"));
    Installation inst;
    inst.root = base + QStringLiteral("/n") + QString::number(n);
    inst.monthDatabase = installer::monthDatabaseName(kToday);
    if (!QFileInfo::exists(inst.root + QStringLiteral("/servers"))) {
        QDir().mkpath(base);
        installer::createInstallation(inst.root, kToday);
        installer::DemoOptions options;
        options.consignments = n;
        options.today = kToday;
        QString ignored;
        QTextStream out(&ignored);
        installer::fillDemoBranch(inst.root, options, out);
    }
    qputenv("QUORVEL_ROOT", inst.root.toLocal8Bit());
    db::Connection c;
    c.open(QStringLiteral("Data Source=ZELSERVER;USER ID=sa;PASSWORD=;Initial Catalog=") + inst.monthDatabase);
    db::Recordset rs;
    rs.open(QStringLiteral("select ConsignmentNo, Origin from RunsheetDetails where RunsheetNo % 97 = 1"), c);
    for (; !rs.eof(); rs.moveNext())
        inst.consignments.emplace_back(rs.value(0).toLongLong(), rs.value(1).toString());
    rs.close();
    rs.open(QStringLiteral("select D.ConsignmentNo, D.Origin from Run_NonDel_Received_Details D where exists "
                           "(select 1 from RunsheetDetails R where R.ConsignmentNo=D.ConsignmentNo and R.Origin=D.Origin) "
                           "and exists (select 1 from Run_Manifest M where M.ConsignmentNo=D.ConsignmentNo and M.Origin=D.Origin) "
                           "and exists (select 1 from tbl_Incoming_Misroute_Entry E where E.ConNo=D.ConsignmentNo and E.Origin=D.Origin) "
                           "and exists (select 1 from tab_NonDelivery N, CityMaster C where N.ConsignNo=D.ConsignmentNo "
                           "and C.CityCode=D.Origin and N.Destination=C.CityName) order by D.ConsignmentNo"),
            c);
    for (; !rs.eof(); rs.moveNext())
        inst.fullHistories.emplace_back(rs.value(0).toLongLong(), rs.value(1).toString());
    rs.close();
    rs.open(QStringLiteral("select I.ConsignmentNo from MF_Rtn_Master R, Invoice I where I.ConsignmentNo=R.ConsignNo "
                           "and I.DeliveryStatus in ('D','N') "
                           "and exists (select 1 from Manifest M where M.ConsignmentNo=I.ConsignmentNo) "
                           "and exists (select 1 from OutgoingNonDelvy O, Run_ReasonMaster RM where "
                           "O.ConsignmentNo=I.ConsignmentNo and RM.ReasonCode=O.ReasonCode) "
                           "and (exists (select 1 from Run_Manifest A where A.ConsignmentNo=I.ConsignmentNo and A.Origin='ZEL') "
                           "or exists (select 1 from Run_HotcManifest A where A.ConsignmentNo=I.ConsignmentNo and A.Origin='ZEL')) "
                           "order by I.ConsignmentNo"),
            c);
    for (; !rs.eof(); rs.moveNext())
        inst.podHistories.push_back(rs.value(0).toLongLong());
    return made.emplace(n, std::move(inst)).first->second;
}

} // namespace bench
