// The demo branch: the same seed and date give the same databases, and the rows refer to each other
// as the windows expect (runsheet lines to bookings and returned runsheets, codes to their masters,
// users to the user table), with every date inside its month and never after today.

#include "installer/DemoBranch.h"
#include "installer/Installer.h"

#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/db/SqlText.h"
#include "platform/db/SqliteFunctions.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <sqlite3.h>

namespace {

const QDate kToday(2026, 6, 15);
constexpr qint64 kConsignments = 400;

// A demo installation in a folder of its own.
struct Demo {
    QTemporaryDir dir;
    QString root;
    QString report;

    explicit Demo(quint64 seed)
    {
        root = dir.path() + QStringLiteral("/root");
        installer::createInstallation(root, kToday);
        installer::DemoOptions options;
        options.consignments = kConsignments;
        options.seed = seed;
        options.today = kToday;
        QTextStream out(&report);
        installer::fillDemoBranch(root, options, out);
    }

    QStringList databaseFiles() const
    {
        QStringList files;
        for (const QString& server : {QStringLiteral("ZELSERVER"), QStringLiteral("KWDHO")})
            for (const QString& name : QDir(root + QStringLiteral("/servers/") + server).entryList({"*.sqlite"}, QDir::Files, QDir::Name))
                files << server + QLatin1Char('/') + name;
        return files;
    }
    QString path(const QString& file) const { return root + QStringLiteral("/servers/") + file; }
};

// Runs a query directly on a database file and returns its rows as text, one line per row.
QStringList rows(const QString& file, const QString& sql)
{
    sqlite3* handle = nullptr;
    EXPECT_EQ(sqlite3_open_v2(file.toUtf8().constData(), &handle, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    db::registerServerFunctions(handle);
    sqlite3_stmt* statement = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(handle, sql.toUtf8().constData(), -1, &statement, nullptr), SQLITE_OK)
        << sqlite3_errmsg(handle) << " in " << sql.toStdString();
    QStringList result;
    while (statement && sqlite3_step(statement) == SQLITE_ROW) {
        QStringList values;
        for (int i = 0; i < sqlite3_column_count(statement); ++i)
            values << QString::number(sqlite3_column_type(statement, i)) + QLatin1Char(':')
                          + QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, i)));
        result << values.join(QLatin1Char('|'));
    }
    sqlite3_finalize(statement);
    sqlite3_close(handle);
    return result;
}

QStringList tables(const QString& file)
{
    QStringList names;
    for (const QString& row : rows(file, "select name from sqlite_master where type='table' and name not like 'sqlite%' order by name"))
        names << row.section(QLatin1Char(':'), 1);
    return names;
}

// Every row of every table, in storage order.
QStringList contents(const QString& file)
{
    QStringList all;
    for (const QString& table : tables(file))
        all << table << rows(file, "select * from " + table + " order by rowid");
    return all;
}

class DemoBranch : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("computername", kComputerName); // the name the program gives this computer first
        first = std::make_unique<Demo>(7);
        second = std::make_unique<Demo>(7);
        other = std::make_unique<Demo>(8);
        qputenv("QUORVEL_ROOT", first->root.toLocal8Bit());
    }
    static void TearDownTestSuite()
    {
        first.reset();
        second.reset();
        other.reset();
        qunsetenv("QUORVEL_ROOT");
        qunsetenv("computername");
    }

    // The one value a query on a database of the first installation returns, through the data layer.
    static QVariant scalar(const QString& database, const QString& sql)
    {
        db::Connection connection;
        connection.open(QStringLiteral("Data Source=ZELSERVER;USER ID=sa;PASSWORD=;Initial Catalog=") + database);
        db::Recordset rs;
        rs.open(sql, connection);
        return rs.eof() ? QVariant() : rs.value(0);
    }

    static constexpr const char* kComputerName = "counter-lab7";
    static inline std::unique_ptr<Demo> first, second, other;
};

TEST_F(DemoBranch, TheSameSeedAndDayGiveTheSameDatabases)
{
    const QStringList files = first->databaseFiles();
    ASSERT_EQ(files.size(), 7) << files.join(' ').toStdString();
    ASSERT_EQ(files, second->databaseFiles());
    for (const QString& file : files) {
        const QStringList a = contents(first->path(file));
        EXPECT_GT(a.size(), tables(first->path(file)).size()) << file.toStdString() << " has no rows";
        EXPECT_EQ(a, contents(second->path(file))) << file.toStdString();
    }
    EXPECT_NE(contents(first->path("ZELSERVER/ZELJUN26.sqlite")), contents(other->path("ZELSERVER/ZELJUN26.sqlite")));
    EXPECT_EQ(first->report, second->report);
}

TEST_F(DemoBranch, EveryMonthDatabaseIsFilledAndItsReferencesHold)
{
    // Each query counts faulty rows: a reference with nothing to point at, a number too big for the
    // 32 bits the windows keep it in.
    const char* faults[] = {
        "select count(*) from RunsheetDetails RD left outer join Invoice I on I.ConsignmentNo=RD.ConsignmentNo where I.ConsignmentNo is null",
        "select count(*) from RunsheetDetails RD left outer join tab_ReturnPODMaster P on P.RSNo=RD.DRSNo where RD.DRSNo is not null and P.RSNo is null",
        "select count(*) from RunsheetDetails RD left outer join RunsheetMaster RM on RM.RunsheetNo=RD.RunsheetNo where RM.RunsheetNo is null",
        "select count(*) from RunsheetDetails RD left outer join Run_AreaMaster A on A.AreaCode=RD.AreaCode where A.AreaCode is null",
        "select count(*) from RunsheetDetails RD left outer join Run_StaffMaster S on S.StaffCode=RD.StaffCode where S.StaffCode is null",
        "select count(*) from RunsheetDetails RD left outer join Run_ReasonMaster R on R.ReasonCode=RD.ReasonCode where RD.ReasonCode is not null and R.ReasonCode is null",
        "select count(*) from RunsheetDetails RD left outer join CityMaster C on C.CityCode=RD.Origin where C.CityCode is null",
        "select count(*) from Run_Manifest M left outer join Invoice I on I.ConsignmentNo=M.ConsignmentNo where I.ConsignmentNo is null",
        "select count(*) from Manifest M left outer join CityMaster C on C.CityCode=M.Destination where C.CityCode is null",
        "select count(*) from Invoice I left outer join CityMaster C on C.CityCode=I.CityCode where C.CityCode is null",
        "select count(*) from tab_NonDelivery N left outer join CityMaster C on C.CityName=N.Destination where C.CityName is null",
        "select count(*) from tab_NonDelivery N left outer join Run_ReasonMaster R on R.ReasonCode=N.ReasonCode where R.ReasonCode is null",
        "select count(*) from Run_LocalManifest L left outer join ZELADMINCONFIG..LoginMaster LM on LM.UserName=L.CreateUser where LM.UserName is null",
        "select count(*) from tbl_Incoming_Misroute_Entry E left outer join ZELADMINCONFIG..LoginMaster LM on LM.UserName=E.Create_User where LM.UserName is null",
        "select count(*) from Invoice I left outer join ZELADMINCONFIG..BranchMaster B on B.BranchCode=I.BranchCode where B.BranchCode is null",
        "select count(*) from Invoice where Pro_ConsignNo > 2147483647 or Pro_ConsignNo = 0",
        "select count(*) from RunsheetDetails where RunsheetNo > 2147483647 or DRSNo > 2147483647",
    };
    // And these must find rows: the kinds of road the windows show.
    const char* present[] = {
        "select count(*) from Invoice",
        "select count(*) from RunsheetDetails where DRSNo is not null and RunsheetPrintStatus=1",
        "select count(*) from tab_NonDelivery where Status='Remainder'",
        "select count(*) from tab_NonDelivery where Status='Misroute'",
        "select count(*) from tab_NonDelivery where Status='Return'",
        "select count(*) from tbl_Incoming_Misroute_Entry",
        "select count(*) from Run_NonDel_Received_Details",
        "select count(*) from RunsheetDetails N, RunsheetDetails D where N.ConsignmentNo=D.ConsignmentNo "
        "and N.DeliveryStatus='N' and D.DeliveryStatus='D' and N.RunsheetDate<D.RunsheetDate",
        // a consignment in every grid of the history window: misrouted, tried twice and returned
        "select count(*) from Run_NonDel_Received_Details D where exists (select 1 from RunsheetDetails R "
        "where R.ConsignmentNo=D.ConsignmentNo and R.Origin=D.Origin) and exists (select 1 from Run_Manifest M "
        "where M.ConsignmentNo=D.ConsignmentNo and M.Origin=D.Origin) and exists (select 1 from "
        "tbl_Incoming_Misroute_Entry E where E.ConNo=D.ConsignmentNo and E.Origin=D.Origin) and exists (select 1 "
        "from tab_NonDelivery N, CityMaster C where N.ConsignNo=D.ConsignmentNo and C.CityCode=D.Origin "
        "and N.Destination=C.CityName)",
        // a booking of status D or N in every history grid of the POD query window: outgoing
        // manifest, manifest return, non-delivery with a known reason, incoming line of the station
        "select count(*) from Invoice I where I.DeliveryStatus in ('D','N') and exists (select 1 from Manifest M "
        "where M.ConsignmentNo=I.ConsignmentNo) and exists (select 1 from MF_Rtn_Master R where R.ConsignNo="
        "I.ConsignmentNo) and exists (select 1 from OutgoingNonDelvy O, Run_ReasonMaster RM where O.ConsignmentNo="
        "I.ConsignmentNo and RM.ReasonCode=O.ReasonCode) and (exists (select 1 from Run_Manifest A where "
        "A.ConsignmentNo=I.ConsignmentNo and A.Origin='ZEL') or exists (select 1 from Run_HotcManifest A where "
        "A.ConsignmentNo=I.ConsignmentNo and A.Origin='ZEL'))",
    };
    for (const QString& month : installer::initialMonths(kToday)) {
        for (const char* sql : faults)
            EXPECT_EQ(scalar(month, sql).toLongLong(), 0) << month.toStdString() << ": " << sql;
        for (const char* sql : present)
            EXPECT_GT(scalar(month, sql).toLongLong(), 0) << month.toStdString() << ": " << sql;
    }
}

TEST_F(DemoBranch, ADeliveredConsignmentShowsItsWholeRoad)
{
    const QString month = installer::monthDatabaseName(kToday);
    const qint64 n = scalar(month, "select ConsignmentNo from RunsheetDetails where ReasonCode='DL' and DRSNo is not null "
                                   "and ConsignmentNo in (select ConsignmentNo from Run_Manifest) order by ConsignmentNo")
                         .toLongLong();
    ASSERT_GT(n, 10000000000000);
    const QString c = QString::number(n);
    EXPECT_EQ(scalar(month, "select DeliveryStatus from Invoice where ConsignmentNo=" + c).toString(), "D");
    EXPECT_EQ(scalar(month, "select count(*) from Manifest where ConsignmentNo=" + c).toInt(), 1);
    EXPECT_EQ(scalar(month, "select count(*) from [KWDHO,2301].KWD32Server.dbo.DrFile where cno='" + c + "' and Rcode='DL'").toInt(), 1);
    EXPECT_EQ(scalar(month, "select count(*) from [KWDHO,2301].KWD32Server.dbo.CnFile where cno='" + c + "'").toInt(), 2);
}

TEST_F(DemoBranch, TheBranchUsersAndSettingsAreThere)
{
    const QString admin = QStringLiteral("ZELAdminConfig");
    EXPECT_EQ(scalar(admin, "select branchcode from BranchMaster where mainbranch=1").toString(), "HO");
    EXPECT_EQ(scalar(admin, "select count(*) from BranchMaster where mainbranch=1").toInt(), 1);
    for (const char* category : {"Administrator", "Super Administrator", "User"}) {
        const QString user = scalar(admin, QStringLiteral("select UserName from LoginMaster where Category='%1'").arg(category)).toString();
        ASSERT_FALSE(user.isEmpty()) << category;
        EXPECT_TRUE(first->report.contains(user)) << "the report does not name " << user.toStdString();
    }
    EXPECT_EQ(scalar(admin, "select Remarks from tab_Settings where Software='QUERY' and Description='DRS OUT PATH'").toString(), "\\DRSOUT\\");
    EXPECT_EQ(scalar(admin, "select Remarks from tab_Settings where Software='QUERY' and Description='HO SERVER'").toString(), "KWDHO");
    EXPECT_EQ(scalar(admin, "select count(*) from TAB_DRS_IP_DET where DESCRIPTION='DRS IMAGE'").toInt(), 1);
    for (const QString& workstation : {QStringLiteral("COUNTER1"), QString::fromLatin1(kComputerName)}) {
        const QString sql = "select count(*) from tbl_User_System where System_Name=" + db::sqlQuote(workstation)
                            + " and Cancel_Status=0";
        EXPECT_EQ(scalar(admin, sql).toInt(), 1) << workstation.toStdString();
    }
}

TEST_F(DemoBranch, EveryDateLiesInItsMonthAndNotAfterToday)
{
    const QDate oldest = QDate(kToday.year(), kToday.month(), 1).addMonths(-2);
    for (const QString& file : first->databaseFiles()) {
        // A month database's dates lie in its month; the other databases span the three months.
        QDate from = oldest, to = kToday;
        for (int back = 0; back < 3; ++back) {
            const QDate month = QDate(kToday.year(), kToday.month(), 1).addMonths(-back);
            if (file.endsWith(installer::monthDatabaseName(month) + ".sqlite")) {
                from = month;
                to = back == 0 ? kToday : month.addMonths(1).addDays(-1);
            }
        }
        const QString low = from.toString("yyyy-MM-dd"), high = to.toString("yyyy-MM-dd") + " 23:59:59";
        const QString path = first->path(file);
        for (const QString& table : tables(path)) {
            for (const QString& column : rows(path, "select name from pragma_table_info('" + table + "') where type='DATETIME'")) {
                const QString name = column.section(QLatin1Char(':'), 1);
                const QString sql = QStringLiteral("select count(*) from %1 where %2 is not null and (length(%2) not in (10, 19) "
                                                   "or %2 < '%3' or %2 > '%4')")
                                        .arg(table, name, low, high);
                EXPECT_EQ(rows(path, sql), QStringList{"1:0"}) << file.toStdString() << ' ' << table.toStdString() << '.'
                                                               << name.toStdString();
            }
        }
    }
}

TEST(DemoBranchFailure, AFolderWithoutInstallationIsReportedAndLeftAlone)
{
    QTemporaryDir dir;
    installer::DemoOptions options;
    options.consignments = 10;
    options.today = kToday;
    QString report;
    QTextStream out(&report);
    try {
        installer::fillDemoBranch(dir.path(), options, out);
        ADD_FAILURE() << "filled a folder without installation";
    } catch (const installer::InstallError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains("could not be filled")) << e.what();
    }
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
