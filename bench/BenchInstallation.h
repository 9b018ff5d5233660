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
    return made.emplace(n, std::move(inst)).first->second;
}

} // namespace bench
