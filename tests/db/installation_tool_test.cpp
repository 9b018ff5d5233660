// quorvel-db lays out installations safely and runs scripts as the server's command-line client.

#include "support/FileWriting.h"
#include "support/InstallationTool.h"

#include "installer/SqlScript.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using testsupport::runTool;

namespace {

TEST(SqlScript, BatchesEndAtLinesHoldingOnlyGo)
{
    EXPECT_EQ(installer::splitBatches("select 1\nGO\n  go  \nselect 'GO'\nselect 2\nGo\n\n"),
              (QStringList{"select 1\n", "select 'GO'\nselect 2\n"}));
    EXPECT_EQ(installer::splitBatches("select 1"), QStringList{"select 1\n"});
    // "GO <count>" runs its batch count times
    EXPECT_EQ(installer::splitBatches("insert 1\nGO 3\nselect 2\n go 1 \nselect 3\nGO 0"),
              (QStringList{"insert 1\n", "insert 1\n", "insert 1\n", "select 2\n", "select 3\nGO 0\n"}));
}

TEST(InstallationTool, CreatesTheServersDatabasesAndConfiguration)
{
    QTemporaryDir dir;
    const QString root = dir.path() + "/new/inst";
    const auto run = runTool({"create", root, "--today", "2026-01-20"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList branch = QDir(root + "/servers/ZELSERVER").entryList({"*.sqlite"}, QDir::Files, QDir::Name);
    EXPECT_EQ(branch, (QStringList{"Tracking.sqlite", "ZELADMINDB.sqlite", "ZELAdminConfig.sqlite", "ZELDEC25.sqlite",
                                   "ZELJAN26.sqlite", "ZELNOV25.sqlite"}));
    EXPECT_TRUE(QFile::exists(root + "/servers/KWDHO/KWD32Server.sqlite"));
    QFile ini(root + "/C/NVX/NVX_ZEL_CONFIG.ini");
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("PRIMARY_SERVER=ZELSERVER"));
    QFile printer(root + "/printer.ini");
    ASSERT_TRUE(printer.open(QIODevice::ReadOnly));
    EXPECT_EQ(printer.readAll(), "[Printer]\nName=Quorvel PDF\nFolder=Printed\n");

    // the head office is reachable from the branch through its linked-server name
    const auto linked = runTool({"sql", root, "ZELSERVER", "ZELJAN26"},
                                "\xEF\xBB\xBFselect count(*) AS N from [KWDHO,2301].KWD32Server.dbo.DrFile\nGO\n"
                                "select Remarks from ZELADMINCONFIG..tab_Settings where Description='HO SERVER'\n");
    EXPECT_EQ(linked.exitCode, 0) << linked.out.toStdString();
    EXPECT_EQ(linked.out, "N\n0\nRemarks\nKWDHO\n");
}

TEST(InstallationTool, NeverOverwritesAnInstallationNorLeavesAHalfOne)
{
    QTemporaryDir dir;
    const QString root = dir.path() + "/inst";
    QDir().mkpath(root);
    QFile keep(root + "/keep.txt");
    ASSERT_TRUE(keep.open(QIODevice::WriteOnly));
    keep.write("mine");
    keep.close();
    const auto refused = runTool({"create", root});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("never overwritten"));
    EXPECT_EQ(QDir(root).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"keep.txt"});

    const auto badDate = runTool({"create", dir.path() + "/other", "--today", "2026-13-01"});
    EXPECT_EQ(badDate.exitCode, 1);
    EXPECT_FALSE(QFile::exists(dir.path() + "/other"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"inst"});

    // a folder beside the new one that the tool did not make is left as it was
    testsupport::writeFile(dir.path() + "/new.partial/keep.txt", "mine");
    ASSERT_EQ(runTool({"create", dir.path() + "/new"}).exitCode, 0);
    EXPECT_TRUE(QFile::exists(dir.path() + "/new.partial/keep.txt"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), (QStringList{"inst", "new", "new.partial"}));
}

TEST(InstallationTool, RefusesACommandLineItDoesNotTakeBeforeMakingAnything)
{
    QTemporaryDir dir;
    const QString root = dir.path() + "/inst";
    const QStringList cases[] = {
        {"create", root, "--today"},
        {"demo", root, "--seed", "--today", "2026-01-20"},
        {"demo", root, "--consigments", "5"},
        {"create", root, "extra", "words"},
        {"create", root, "--today", "1899-01-01"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const auto run = runTool(args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains("\nusage:\n")) << run.err.toStdString();
        EXPECT_TRUE(QDir(dir.path()).isEmpty());
    }
    const auto help = runTool({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("usage:\n"));
}

TEST(InstallationTool, SqlPrintsRowsAndReportsFailedBatches)
{
    QTemporaryDir dir;
    const QString root = dir.path() + "/inst";
    ASSERT_EQ(runTool({"create", root, "--today", "2026-06-15"}).exitCode, 0);
    const auto run = runTool({"sql", root, "zelserver", "zeladminconfig"},
                             "insert into CompanyMaster (CompanyName, City) values ('O''Brien Couriers', 'Kelmora')\nGO\n"
                             "select CompanyName, City from CompanyMaster\nGO\nselect * from NoSuchTable\nGO\n");
    EXPECT_EQ(run.exitCode, 1);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << run.out.toStdString();
    EXPECT_EQ(lines[0], "CompanyName\tCity");
    EXPECT_EQ(lines[1], "O'Brien Couriers\tKelmora");
    EXPECT_TRUE(lines[2].startsWith("Msg -2147217900: ")) << lines[2].toStdString();

    // a script saved in a code page, not UTF-8 (a letter cut short at a line's end too): none of it runs
    const auto notUtf8 = runTool({"sql", root, "ZELSERVER", "ZELAdminConfig"}, "select 1\nGO\nselect 'Caf\xE9\nRoad'\n");
    EXPECT_EQ(notUtf8.exitCode, 1);
    EXPECT_EQ(notUtf8.out, "");
    EXPECT_TRUE(notUtf8.err.startsWith("quorvel-db: line 3, column 12: the byte E9 is not UTF-8")) << notUtf8.err.toStdString();

    const auto missing = runTool({"sql", root, "ZELSERVER", "ZELJAN20"}, "select 1\n");
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.contains("Cannot open database \"ZELJAN20\""));
    EXPECT_FALSE(QFile::exists(root + "/servers/ZELSERVER/ZELJAN20.sqlite"));
}

// A script's batch may hold several statements; a window's text may not (see db_connection_test).
TEST(InstallationTool, SqlRunsEveryStatementOfABatchAsOftenAsGoSays)
{
    QTemporaryDir dir;
    const QString root = dir.path() + "/inst";
    ASSERT_EQ(runTool({"create", root, "--today", "2026-06-15"}).exitCode, 0);
    const auto run = runTool({"sql", root, "ZELSERVER", "ZELAdminConfig"},
                             "insert into CompanyMaster (CompanyName, City) values ('A', 'Kelmora');\n"
                             "insert into CompanyMaster (CompanyName, City) values ('B; C', 'Dunmere')\nGO 2\n"
                             "select count(*) AS N, sum(case when CompanyName = 'B; C' then 1 else 0 end) AS BC "
                             "from CompanyMaster\nGO\n");
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(run.out, "N\tBC\n4\t2\n");
}

// The branch server's own procedures run for the tool as for the program.
TEST(InstallationTool, SqlRunsTheServersProcedures)
{
    QTemporaryDir dir;
    const QString root = dir.path() + "/inst";
    ASSERT_EQ(runTool({"create", root, "--today", "2026-12-06"}).exitCode, 0);
    const auto run = runTool({"sql", root, "ZELSERVER", "ZELADMINCONFIG"},
                             "insert into ZELDEC26..Invoice (ConsignmentNo, BookingDate, BranchCode, Weight, "
                             "CancelStatus) values (101, '2026-12-02', 'ZEL', 2.5, 0), (102, '2026-12-09', 'KOV', 1, 0)"
                             "\nGO\nEXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2026-12-01','2026-12-07'\nGO\n"
                             "select ConsignmentNo, Branch_Code, Weight from tbl_Consignment_Status_Temp\nGO\n"
                             "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det_CNo 102 ,102,'Dec26'\nGO\n"
                             "select ConsignmentNo, Branch_Code, Weight from tbl_Consignment_Status_Temp\nGO\n");
    EXPECT_EQ(run.exitCode, 0) << run.out.toStdString();
    EXPECT_EQ(run.out, "ConsignmentNo\tBranch_Code\tWeight\n101\tZEL\t2.5\n"
                       "ConsignmentNo\tBranch_Code\tWeight\n102\tKOV\t1\n");
}

} // namespace
