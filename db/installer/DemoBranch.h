#pragma once

#include <QDate>
#include <QTextStream>

// A coherent, deterministic demo branch for trying the program and for benchmarks.
namespace installer {

struct DemoOptions {
    qint64 consignments = 3000; // bookings in each month database
    quint64 seed = 1;
    QDate today = QDate::currentDate();
};

// Fills a freshly created installation (createInstallation) with the demo branch and prints the
// users it made (names, passwords, categories). Throws InstallError.
void fillDemoBranch(const QString& root, const DemoOptions& options, QTextStream& out);

} // namespace installer
