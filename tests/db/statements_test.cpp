// Every statement the program sends runs on a demo installation without error.

#include "support/InstallationTool.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::runTool;

namespace {

class EveryStatement : public ::testing::TestWithParam<const char*> {
protected:
    // One demo installation for all files, made at first use; empty when it could not be made.
    static QString demoRoot()
    {
        static QTemporaryDir dir;
        static const QString root = [] {
            const QString path = dir.path() + "/demo";
            const auto made = runTool({"demo", path, "--consignments", "300", "--today", "2026-06-15"});
            EXPECT_EQ(made.exitCode, 0) << made.err.toStdString();
            return made.exitCode == 0 ? path : QString();
        }();
        return root;
    }
};

// file of statements -> the server and database its statements run on (the other databases are
// reached from these connections by name)
const std::map<QString, std::pair<QString, QString>> kTargets = {
    {"month", {"ZELSERVER", "ZELJUN26"}},
    {"admin", {"ZELSERVER", "ZELAdminConfig"}},
    {"admindb", {"ZELSERVER", "ZELADMINDB"}},
};

TEST_P(EveryStatement, RunsWithoutError)
{
    const QString name = QLatin1String(GetParam());
    QFile file(QStringLiteral(QUORVEL_SOURCE_DIR "/tests/db/statements/") + name + ".sql");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QString script = QString::fromUtf8(file.readAll());
    script.replace("{MONTH}", "ZELJUN26").replace("{HOSERVER}", "KWDHO,2301");
    const auto [server, database] = kTargets.at(name);
    const QString root = demoRoot();
    ASSERT_FALSE(root.isEmpty());
    const auto run = runTool({"sql", root, server, database}, script.toUtf8());
    EXPECT_FALSE(run.out.contains("\nMsg ") || run.out.startsWith("Msg ")) << run.out.toStdString();
    EXPECT_EQ(run.exitCode, 0);
}

INSTANTIATE_TEST_SUITE_P(Files, EveryStatement, ::testing::Values("month", "admin", "admindb"));

} // namespace
