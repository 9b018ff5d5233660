#pragma once

// A test of the application core: a QApplication, answered message boxes, windows that do not
// block, fixed clocks, and an installation made by the installer in a temporary root.

#include "support/QtPrinters.h"

#include "core/ModuleState.h"
#include "core/SingleInstance.h"
#include "installer/Installer.h"

#include "platform/db/ServerClock.h"
#include "platform/runtime/Clock.h"
#include "platform/spooler/Printer.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace testsupport {

class CoreFixture : public ::testing::Test {
protected:

    void SetUp() override
    {
        ui::MessageBoxSeam::startAnswering();
        ui::WindowHost::setNonBlocking(true);
        ui::resetProgramEnded();
        qputenv("QUORVEL_ROOT", root().toLocal8Bit());
        // each test is a copy of the program of its own: its own instance lock
        qputenv("XDG_RUNTIME_DIR", m_runtimeDir.path().toLocal8Bit());
        core::ResetModuleState();
    }

    void TearDown() override
    {
        core::ResetModuleState();
        core::ReleaseInstanceLock();
        spooler::Printer::current().reset();
        ui::MessageBoxSeam::stopAnswering();
        runtime::Clock::reset();
        db::ServerClock::reset();
        qunsetenv("QUORVEL_ROOT");
    }

    QString root() const { return m_dir.path() + QStringLiteral("/root"); }

    // A new installation laid out for the day, with both clocks on that day at noon.
    void install(const QDate& today)
    {
        installer::createInstallation(root(), today);
        runtime::Clock::setFixed(QDateTime(today, QTime(12, 0)));
        db::ServerClock::setFixed(QDateTime(today, QTime(12, 0)));
    }

    // The state start-up leaves for the month connection, with gcnnMonth open on that month.
    static void openMonth(const QString& monthDatabase)
    {
        core::gstrServerName = QStringLiteral("ZELSERVER");
        core::gstrDBUser = QStringLiteral("sa");
        core::gstrProvider = QStringLiteral("SQLOLEDB");
        core::gstrMonthDB = monthDatabase;
        core::gcnnMonth.open(core::ConnectionText(core::gstrMonthDB));
    }

    // Runs statements on a database of the branch server.
    void execute(const QString& database, const QString& sql)
    {
        db::Connection c;
        c.open(QStringLiteral("Data Source=ZELSERVER;USER ID=sa;PASSWORD=;Initial Catalog=") + database);
        c.execute(sql);
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_runtimeDir;
};

} // namespace testsupport
