#pragma once

// A throw-away installation root with hand-made servers and databases, for tests of the data layer.

#include "support/QtPrinters.h"

#include "platform/db/Connection.h"
#include "platform/db/SqliteFunctions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace testsupport {

class TempServer {
public:
    TempServer()
    {
        EXPECT_TRUE(m_dir.isValid());
        qputenv("QUORVEL_ROOT", m_dir.path().toLocal8Bit());
    }
    ~TempServer() { qunsetenv("QUORVEL_ROOT"); }

    QString root() const { return m_dir.path(); }
    QString serverPath(const QString& server) const { return m_dir.path() + QStringLiteral("/servers/") + server; }

    // Creates <server>/<database>.sqlite and runs the DDL on it.
    void addDatabase(const QString& server, const QString& database, const char* ddl)
    {
        QDir().mkpath(serverPath(server));
        const QByteArray file = (serverPath(server) + QLatin1Char('/') + database + QStringLiteral(".sqlite")).toUtf8();
        sqlite3* handle = nullptr;
        ASSERT_EQ(sqlite3_open(file.constData(), &handle), SQLITE_OK);
        db::registerServerFunctions(handle);
        char* error = nullptr;
        sqlite3_exec(handle, "PRAGMA journal_mode=WAL;", nullptr, nullptr, nullptr);
        const int rc = sqlite3_exec(handle, ddl, nullptr, nullptr, &error);
        EXPECT_EQ(rc, SQLITE_OK) << (error ? error : "");
        sqlite3_free(error);
        sqlite3_close(handle);
    }

    void linkServer(const QString& server, const QString& linkedName, const QString& target)
    {
        QFile ini(serverPath(server) + QStringLiteral("/linked-servers.ini"));
        ASSERT_TRUE(ini.open(QIODevice::Append | QIODevice::Text));
        ini.write((linkedName + QStringLiteral(" = ") + target + QLatin1Char('\n')).toUtf8());
    }

    static QString connectionText(const QString& server, const QString& database)
    {
        return QStringLiteral("Data Source=%1;USER ID=sa;PASSWORD=x;Initial Catalog=%2").arg(server, database);
    }

private:
    QTemporaryDir m_dir;
};

} // namespace testsupport
