// The T-SQL the windows send runs on the SQLite stand-in and answers as the server would.

#include "platform/runtime/WallClock.h"
#include "support/TempServer.h"

#include "platform/db/DbError.h"
#include "platform/db/Engine.h"
#include "platform/db/Procedures.h"
#include "platform/db/Recordset.h"
#include "platform/db/ServerClock.h"
#include "platform/db/SqlText.h"
#include "platform/db/StatementLog.h"
#include "platform/db/TsqlAdapter.h"

#include <QDateTime>

using db::Connection;
using db::DbError;
using db::Recordset;
using testsupport::TempServer;

namespace {

const char* kMonthDdl = R"(
CREATE TABLE RunsheetDetails (RunsheetDate DATETIME COLLATE SQLDATE, RunsheetNo INT, ConsignmentNo BIGINT,
  Origin VARCHAR(5) COLLATE SQLTEXT, Mobile_No VARCHAR(15) COLLATE SQLTEXT, "Scanned@" VARCHAR(10) COLLATE SQLTEXT,
  Weight DECIMAL(10,3), Delivered BIT);
CREATE INDEX IX_RunsheetDetails_ConsignmentNo ON RunsheetDetails(ConsignmentNo);
INSERT INTO RunsheetDetails VALUES ('2026-06-07', 11, 12345678901234, 'KWD', '9876543210', 'Y', 1.5, 1);
INSERT INTO RunsheetDetails VALUES ('2026-06-07 10:30:00', 12, 12345678901234, 'kwd  ', NULL, NULL, 2.25, 0);
INSERT INTO RunsheetDetails VALUES ('2026-06-08', 13, 22, 'ZEL', '1234', NULL, NULL, 0);
CREATE TABLE Misroute (ConsignNo BIGINT, Origin VARCHAR(5) COLLATE SQLTEXT);
INSERT INTO Misroute VALUES (12345678901234, 'MUM');
)";

const char* kAdminDdl = R"(
CREATE TABLE CityMaster (CityCode VARCHAR(5) COLLATE SQLTEXT, CityName VARCHAR(40) COLLATE SQLTEXT);
INSERT INTO CityMaster VALUES ('ZEL', 'Zelmora');
CREATE TABLE tbl_Qry_Details (Id INTEGER PRIMARY KEY AUTOINCREMENT, QueryDate DATETIME COLLATE SQLDATE,
  QueryType VARCHAR(10) COLLATE SQLTEXT, Origin VARCHAR(5) COLLATE SQLTEXT);
)";

const char* kTrackingDdl = R"(
CREATE TABLE Incoming_Queries_Details (QueryId INTEGER PRIMARY KEY AUTOINCREMENT, QueryDate DATETIME COLLATE SQLDATE,
  ConsignmentNo BIGINT, Origin VARCHAR(5) COLLATE SQLTEXT, Remarks VARCHAR(20) COLLATE SQLTEXT);
)";

const char* kHeadOfficeDdl = R"(
CREATE TABLE DrFile (CNo VARCHAR(14) COLLATE SQLTEXT, Bcode VARCHAR(5) COLLATE SQLTEXT, tdate DATETIME COLLATE SQLDATE);
INSERT INTO DrFile VALUES ('12345678901234', 'KWD', '2026-06-06 09:15:00');
)";

class TsqlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.addDatabase("ZELSERVER", "ZELJUN26", kMonthDdl);
        server.addDatabase("ZELSERVER", "ZELAdminConfig", kAdminDdl);
        server.addDatabase("ZELSERVER", "Tracking", kTrackingDdl);
        server.addDatabase("KWDHO", "KWD32Server", kHeadOfficeDdl);
        server.linkServer("ZELSERVER", "KWDHO,2301", "KWDHO");
        month.open(TempServer::connectionText("ZELSERVER", "ZELJUN26"));
        db::ServerClock::setFixed(runtime::WallDateTime(QDate(2026, 6, 9), QTime(14, 5, 6)));
    }
    void TearDown() override { db::ServerClock::reset(); }

    // The rows of a query, each row's cells joined with "|" (Null as "<null>").
    QStringList rows(const QString& sql, Connection* on = nullptr)
    {
        Recordset rs;
        rs.open(sql, on ? *on : month, db::CursorType::Dynamic, db::LockType::Optimistic);
        QStringList out;
        for (; !rs.eof(); rs.moveNext()) {
            QStringList cells;
            for (int i = 0; i < rs.fieldCount(); ++i) {
                const QVariant v = rs.value(i);
                cells << (!v.isValid() ? QStringLiteral("<null>")
                          : v.typeId() == QMetaType::QDateTime ? v.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                                                                : v.toString());
            }
            out << cells.join(u'|');
        }
        rs.close();
        return out;
    }
    QString scalar(const QString& sql) { return rows(sql).value(0); }

    TempServer server;
    Connection month;
};

TEST_F(TsqlTest, ConvertStylesAndServerFunctions)
{
    struct Case {
        const char* expression;
        const char* expected;
    } cases[] = {
        {"convert(varchar(10), '2026-12-06 10:00:00', 105)", "06-12-2026"},
        {"convert(varchar(10), '2026-12-06', 103)", "06/12/2026"},
        {"Convert(Varchar(10), '2026-12-06 10:00:00', 120)", "2026-12-06"},
        {"convert(varchar(10), '2026-12-06 10:00:00', 101)", "12/06/2026"},
        {"convert(varchar(8), '2026-12-06 10:00:00', 112)", "20261206"},
        {"convert(varchar(8), '2026-12-06 10:20:30', 108)", "10:20:30"},
        {"convert(varchar(23), '2026-12-06 10:20:30.5', 121)", "2026-12-06 10:20:30.500"},
        {"convert(varchar(23), '2026-12-06', 121)", "2026-12-06 00:00:00.000"},
        {"convert(varchar, '2026-12-06 10:20:30', 120)", "2026-12-06 10:20:30"},
        {"convert(varchar(10), ' 2026-12-06 ', 105)", "06-12-2026"},
        {"convert(varchar(10), '2026-02-30', 105)", "2026-02-30"},
        {"convert(varchar(19), getdate(), 120)", "2026-06-09 14:05:06"},
        {"convert(varchar(10), getdate(), 120)", "2026-06-09"},
        {"convert(varchar(12), 12345678901234)", "12345678901234"},
        {"convert(datetime, '07/06/2026', 103)", "2026-06-07 00:00:00"},
        {"convert(int, '42')", "42"},
        {"'XXXXXX' + RIGHT('9876543210', 4)", "XXXXXX3210"},
        {"LEFT('KWD-ZEL', 3)", "KWD"},
        {"len('ab  ')", "2"},
        {"isnull(NULL, 'none')", "none"},
        {"ISNUMERIC('12.5')", "1"},
        {"ISNUMERIC('12a')", "0"},
        {"ISNUMERIC(' $1,234.5 ')", "1"},
        {"ISNUMERIC('1e5')", "1"},
        {"ISNUMERIC('-')", "1"},
        {"ISNUMERIC('e5')", "0"},
        {"ISNUMERIC('98765 43210')", "0"},
        {"ISNUMERIC('')", "0"},
        {"ISNUMERIC(NULL)", "0"},
        {"1 + 2 * 3", "7"},
        {"'a' + 'b' + 'c'", "abc"},
        {"'x' + NULL", "<null>"},
        {"'10' + 5", "15"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(scalar(QStringLiteral("select ") + QLatin1String(c.expression)), QLatin1String(c.expected)) << c.expression;
}

TEST_F(TsqlTest, ConcatenationOverColumnsAndInsideCalls)
{
    EXPECT_EQ(rows("select 'XXXXXX' + RIGHT(Mobile_No,4) AS 'Mobile' from RunsheetDetails where RunsheetNo=11"),
              QStringList{"XXXXXX3210"});
    EXPECT_EQ(rows("select upper(Origin + '-' + convert(varchar, RunsheetNo)) from RunsheetDetails where RunsheetNo = 13"),
              QStringList{"ZEL-13"});
    EXPECT_EQ(rows("select case when Delivered = 1 then 'D' + Origin else 'N' end x from RunsheetDetails order by RunsheetNo"),
              (QStringList{"DKWD", "N", "N"}));
    EXPECT_THROW(rows("select 'abc' + 1"), DbError);
}

TEST_F(TsqlTest, LiteralsAreNeverRewritten)
{
    EXPECT_EQ(rows("select 'a..b', 'x+y', '[z]', 'TOP 5', 'getdate()', 'O''Brien'"),
              QStringList{"a..b|x+y|[z]|TOP 5|getdate()|O'Brien"});
    month.execute("INSERT INTO RunsheetDetails (RunsheetNo, Origin) VALUES (99, " + db::sqlQuote("O'B") + ")");
    EXPECT_EQ(rows("select Origin from RunsheetDetails where Origin=" + db::sqlQuote("o'b")), QStringList{"O'B"});
}

TEST_F(TsqlTest, TextComparesAsTheServerCollation)
{
    // case-insensitive, trailing blanks ignored, also in DISTINCT
    EXPECT_EQ(rows("select RunsheetNo from RunsheetDetails where Origin='KWD' order by RunsheetNo"), (QStringList{"11", "12"}));
    EXPECT_EQ(rows("select count(distinct Origin) from RunsheetDetails where ConsignmentNo=12345678901234"), QStringList{"1"});
    EXPECT_EQ(rows("select RunsheetNo from RunsheetDetails where Origin LIKE 'kw%' order by RunsheetNo"), (QStringList{"11", "12"}));

    // letters sort by their lower case, so "_" comes before them; texts that first differ outside
    // ASCII sort as Unicode text, case-insensitively
    month.execute("CREATE TABLE Names (v VARCHAR(20) COLLATE SQLTEXT)");
    month.execute(QStringLiteral("INSERT INTO Names VALUES ('\u00c9CLAIRS'), ('Z'), ('b'), ('\u00e9clair'), ('_'), "
                                 "('Eclair'), ('A')"));
    EXPECT_EQ(rows("select v from Names order by v"),
              (QStringList{"_", "A", "b", "Eclair", "Z", QStringLiteral("\u00e9clair"), QStringLiteral("\u00c9CLAIRS")}));
    EXPECT_EQ(rows("select count(*) from Names where v=" + db::sqlQuote(QStringLiteral("\u00c9clair  "))), QStringList{"1"});
}

TEST_F(TsqlTest, DatesCompareAsMomentsWhicheverFormTheyHave)
{
    EXPECT_EQ(rows("select RunsheetNo from RunsheetDetails where RunsheetDate='2026-06-07 00:00:00'"), QStringList{"11"});
    EXPECT_EQ(rows("select RunsheetNo from RunsheetDetails where RunsheetDate between '2026-06-07' and '2026-06-07 23:59:59' "
                   "order by RunsheetDate"),
              (QStringList{"11", "12"}));
    EXPECT_EQ(rows("select RunsheetNo from RunsheetDetails where RunsheetDate > '2026-06-07' order by RunsheetNo"),
              (QStringList{"12", "13"}));
    EXPECT_EQ(rows("select max(RunsheetDate) from RunsheetDetails"), QStringList{"2026-06-08"});
    // a date field arrives as a date-time value
    Recordset rs;
    rs.open("select RunsheetDate from RunsheetDetails where RunsheetNo=12", month);
    EXPECT_EQ(rs.value("runsheetdate").toDateTime(), runtime::WallDateTime(QDate(2026, 6, 7), QTime(10, 30)));
}

TEST_F(TsqlTest, NumbersKeepTheirTypes)
{
    Recordset rs;
    rs.open("select ConsignmentNo, Weight, Delivered, Mobile_No from RunsheetDetails where RunsheetNo=11", month);
    EXPECT_EQ(rs.value(0).toLongLong(), 12345678901234LL);
    EXPECT_EQ(rs.value(0).typeId(), QMetaType::LongLong);
    EXPECT_DOUBLE_EQ(rs.value(1).toDouble(), 1.5);
    EXPECT_EQ(rs.value(2).typeId(), QMetaType::Bool);
    EXPECT_EQ(rs.value(3).toString(), "9876543210");
    // numbers written into the text come back as they were written
    EXPECT_EQ(scalar("select 007, 1234567890123456789, 12345678901234567890, 2.50"), "7|1234567890123456789|12345678901234567000|2.5");
}

TEST_F(TsqlTest, RepeatedValuesDownAColumnKeepTheirOwnTypes)
{
    // equal texts down a column share one value; a number or a different text between them does not
    month.execute("CREATE TABLE Mixed (o INT, v, d DATETIME)");
    month.execute("INSERT INTO Mixed VALUES (1, '5', '2026-06-07'), (2, '5', '2026-06-07'), (3, 5, '2026-06-07'), "
                  "(4, '5', 'not a date'), (5, '5 ', '2026-06-07'), (6, NULL, NULL), (7, '5', '2026-06-08')");
    for (int run = 0; run < 2; ++run) {
        Recordset rs;
        rs.open("select v, d from Mixed where o > 0 order by o", month);
        QStringList seen;
        for (; !rs.eof(); rs.moveNext())
            for (int c = 0; c < 2; ++c)
                seen << QString::fromLatin1(rs.value(c).typeName()) + u' '
                            + (rs.value(c).typeId() == QMetaType::QDateTime ? rs.value(c).toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                                                                             : rs.value(c).toString());
        EXPECT_EQ(seen, (QStringList{"QString 5", "QDateTime 2026-06-07 00:00", "QString 5", "QDateTime 2026-06-07 00:00",
                                     "qlonglong 5", "QDateTime 2026-06-07 00:00", "QString 5", "QString not a date",
                                     "QString 5 ", "QDateTime 2026-06-07 00:00", " ", " ", "QString 5", "QDateTime 2026-06-08 00:00"}));
    }
}

TEST_F(TsqlTest, AKeptStatementAnswersWithTheColumnsItsTableHasNow)
{
    // the prepared form of the statement is kept between runs while its table changes under it
    month.execute("CREATE TABLE Grows (Id INT, Name VARCHAR(10))");
    month.execute("INSERT INTO Grows VALUES (1, 'a')");
    EXPECT_EQ(rows("select * from Grows where Id = 1"), QStringList{"1|a"});
    month.execute("ALTER TABLE Grows ADD Added DATETIME");
    month.execute("UPDATE Grows SET Added = '2026-06-07 10:00:00'");
    EXPECT_EQ(rows("select * from Grows where Id = 1"), QStringList{"1|a|2026-06-07 10:00:00"});
    month.execute("DROP TABLE Grows");
    month.execute("CREATE TABLE Grows (Id INT, Name DATETIME)");
    month.execute("INSERT INTO Grows VALUES (2, '2026-06-08')");
    Recordset rs;
    rs.open("select * from Grows where Id = 2", month);
    EXPECT_EQ(rs.fieldNames(), (QStringList{"Id", "Name"}));
    EXPECT_EQ(rs.value(1).typeId(), QMetaType::QDateTime);
}

TEST_F(TsqlTest, TopAndRowNumberAndUnion)
{
    EXPECT_EQ(rows("select top 2 RunsheetNo from RunsheetDetails order by RunsheetNo desc"), (QStringList{"13", "12"}));
    EXPECT_EQ(rows("select distinct top 1 Origin from RunsheetDetails where Origin='ZEL'"), QStringList{"ZEL"});
    EXPECT_EQ(rows("select Origin from RunsheetDetails where ConsignmentNo=12345678901234 "
                   "UNION select Origin from Misroute where ConsignNo=12345678901234 order by Origin"),
              (QStringList{"KWD", "MUM"}));
    EXPECT_EQ(rows("select top 1 Origin from Misroute union select top 1 Origin from RunsheetDetails order by 1"),
              (QStringList{"KWD", "MUM"}));
    EXPECT_EQ(rows("select * from (select ROW_NUMBER() OVER (PARTITION BY ConsignmentNo ORDER BY RunsheetDate desc) AS RowNo, "
                   "RunsheetNo from RunsheetDetails) x where RowNo=1 order by RunsheetNo"),
              (QStringList{"1|12", "1|13"}));
}

TEST_F(TsqlTest, ResultColumnsAreNamedAsTheStatementWritesThem)
{
    Recordset rs;
    rs.open("select origin, R.runsheetNO, Weight*2, R.* from RunsheetDetails R where RunsheetNo=11 order by runsheetno", month);
    EXPECT_EQ(rs.fieldNames().mid(0, 2), (QStringList{"origin", "runsheetNO"}));
    EXPECT_EQ(rs.fieldNames().mid(3, 2), (QStringList{"RunsheetDate", "RunsheetNo"}));
    rs.close();
    // a computed column the statement does not name has no name
    rs.open("select 1, 'abc', 2+3, count(*) Total, case when 1=1 then 'y' end x, Weight*2 from RunsheetDetails", month);
    EXPECT_EQ(rs.fieldNames(), (QStringList{"", "", "", "Total", "x", ""}));
    rs.close();
    // ORDER BY names a column of the select list even where a joined table has one of that name
    EXPECT_EQ(rows("select R.RunsheetNo from RunsheetDetails R left outer join RunsheetDetails X on R.RunsheetNo = X.RunsheetNo "
                   "order by RunsheetNo desc"),
              (QStringList{"13", "12", "11"}));
}

TEST_F(TsqlTest, OddIdentifiersAndAliases)
{
    Recordset rs;
    rs.open("select Scanned@, [RunsheetNo] as 'RS No', RunsheetNo from RunsheetDetails where RunsheetNo=11", month);
    EXPECT_EQ(rs.field(0).name, "Scanned@");
    EXPECT_EQ(rs.value("Scanned@").toString(), "Y");
    EXPECT_EQ(rs.value("rs no").toInt(), 11);
    rs.close();
    rs.open("select R.RunsheetNo, R.*, dbo.RunsheetDetails.Origin from dbo.RunsheetDetails R, RunsheetDetails where R.RunsheetNo=11 "
            "and RunsheetDetails.RunsheetNo=13",
            month);
    EXPECT_EQ(rs.field(1).name, "RunsheetDate");
    // duplicate names: the first wins
    EXPECT_EQ(rs.value("RunsheetNo").toInt(), 11);
}

TEST_F(TsqlTest, OtherDatabasesAndLinkedServers)
{
    EXPECT_EQ(rows("select CityName from ZELADMINCONFIG..CityMaster where CityCode='zel'"), QStringList{"Zelmora"});
    EXPECT_EQ(rows("select CityName from ZELAdminConfig.dbo.CityMaster"), QStringList{"Zelmora"});
    Connection admin;
    admin.open(TempServer::connectionText("zelserver", "ZELAdminConfig"));
    EXPECT_EQ(rows("select C.CityName from ZELADMINCONFIG..CityMaster C", &admin), QStringList{"Zelmora"});
    EXPECT_EQ(rows("select convert(varchar(10),tdate,120) + ' ' + Bcode from [KWDHO,2301].KWD32Server.dbo.DrFile "
                   "where CNo='12345678901234'"),
              QStringList{"2026-06-06 KWD"});
    try {
        rows("select * from [NOWHERE,2301].KWD32Server.dbo.DrFile");
        FAIL() << "an unknown linked server must fail";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().contains("NOWHERE,2301"));
    }
}

TEST_F(TsqlTest, PositionalInsertLeavesTheNumberedKeyToTheServer)
{
    month.beginTrans();
    month.execute("INSERT INTO Tracking..Incoming_Queries_Details Values ('2026-06-09',12345678901234,'KWD', 'x') ");
    month.execute("INSERT INTO Tracking..Incoming_Queries_Details Values ('2026-06-09',22,'ZEL',NULL)");
    month.execute("INSERT INTO ZELADMINCONFIG..tbl_Qry_Details(QueryDate,QueryType,Origin) Values (getdate(),'INCOMING','KWD')");
    month.commitTrans();
    EXPECT_EQ(rows("select QueryId, ConsignmentNo from TRACKING..Incoming_Queries_Details order by QueryId"),
              (QStringList{"1|12345678901234", "2|22"}));
    EXPECT_EQ(rows("select Id, QueryDate from ZELADMINCONFIG..tbl_Qry_Details"), QStringList{"1|2026-06-09 14:05:06"});
}

TEST_F(TsqlTest, RollbackUndoesWritesInEveryDatabase)
{
    month.beginTrans();
    EXPECT_EQ(month.execute("UPDATE RunsheetDetails SET Origin='DEL' WHERE ConsignmentNo=12345678901234"), 2);
    month.execute("INSERT INTO Tracking..Incoming_Queries_Details Values ('2026-06-09',1,'KWD', NULL)");
    month.rollbackTrans();
    EXPECT_EQ(scalar("select count(*) from RunsheetDetails where Origin='DEL'"), "0");
    EXPECT_EQ(scalar("select count(*) from Tracking..Incoming_Queries_Details"), "0");
    EXPECT_THROW(month.commitTrans(), DbError);
}

TEST_F(TsqlTest, ProceduresRunThroughExec)
{
    db::Procedures::add("SP_Count_Runsheets", [](db::Engine& engine, const QVariantList& args) {
        return engine.query(QStringLiteral("select count(*) AS N, ") + db::sqlQuote(args.value(1).toString())
                            + QStringLiteral(" AS M from RunsheetDetails where ConsignmentNo=") + args.value(0).toString());
    });
    EXPECT_EQ(rows("exec SP_COUNT_RUNSHEETS 12345678901234, 'Dec26'"), QStringList{"2|Dec26"});
    EXPECT_EQ(rows("exec ZELADMINCONFIG.dbo.sp_count_runsheets @CNo = 22, @Month = 'x'"), QStringList{"1|x"});
    EXPECT_EQ(rows("EXEC ZELADMINCONFIG..SP_Count_Runsheets 22 ,'y'"), QStringList{"1|y"});
    EXPECT_THROW(month.execute("exec SP_Missing 1"), DbError);
}

TEST_F(TsqlTest, StatementsThatDifferOnlyInValuesEachGetTheirOwnAnswer)
{
    // one prepared form serves them all, with the values bound
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(rows("select RunsheetNo from RunsheetDetails where Origin='ZEL'"), QStringList{"13"});
        EXPECT_EQ(rows("select RunsheetNo from RunsheetDetails where Origin='KWD' order by RunsheetNo"), (QStringList{"11", "12"}));
        EXPECT_EQ(rows("select top 1 RunsheetNo from RunsheetDetails order by 1 desc"), QStringList{"13"});
        EXPECT_EQ(rows("select top 2 RunsheetNo from RunsheetDetails order by 1"), (QStringList{"11", "12"}));
        EXPECT_EQ(rows("select Origin, RunsheetNo from RunsheetDetails order by 2 desc, 1"), (QStringList{"ZEL|13", "kwd  |12", "KWD|11"}));
        EXPECT_EQ(rows("select convert(varchar(4), 'abcdef') AS 'Cut', convert(decimal(10,2), '1.5')"), QStringList{"abcd|1.5"});
        EXPECT_EQ(rows("select RunsheetNo from RunsheetDetails where RunsheetNo in (11, 13) order by RunsheetNo"), (QStringList{"11", "13"}));
    }
    // a definition keeps its values: a default, a check and a view's condition
    month.execute("create table Fees (Kind varchar(5) default 'std' check (Kind <> 'zz'), Amount int default 10)");
    month.execute("create view StdFees as select Amount from Fees where Kind = 'std'");
    month.execute("insert into Fees (Kind) values ('std')");
    EXPECT_EQ(rows("select * from StdFees"), QStringList{"10"});
    Recordset rs;
    rs.open("select 'x' AS 'First', 'y' AS 'Second'", month);
    EXPECT_EQ(rs.fieldNames(), (QStringList{"First", "Second"}));
    rs.close();
    rs.open("select 'x' AS 'Other', 'y' AS 'Names'", month);
    EXPECT_EQ(rs.fieldNames(), (QStringList{"Other", "Names"}));
}

TEST_F(TsqlTest, ARepeatedTextAnswersForItsOwnValues)
{
    // two statements taking turns, each text after texts of the same statement with other values
    const QString byNumber("select RunsheetNo from RunsheetDetails where ConsignmentNo=%1 and Origin=%2 order by 1");
    const QString byDate("select RunsheetNo from RunsheetDetails where RunsheetDate>=%1 order by RunsheetNo");
    const struct {
        QString sql;
        QStringList rows;
    } runs[] = {
        {byNumber.arg("22", "'ZEL'"), {"13"}}, {byDate.arg("'2026-06-08'"), {"13"}},
        {byNumber.arg("22", "'ZEL'"), {"13"}}, {byDate.arg("'2026-06-07 10:00'"), {"12", "13"}},
        {byNumber.arg("12345678901234", "'KWD'"), {"11", "12"}}, {byDate.arg("'2026-06-07'"), {"11", "12", "13"}},
        {byNumber.arg("22", "'KWD'"), {}}, {byDate.arg("NULL"), {}}, {byNumber.arg("22.0", "'zel '"), {"13"}},
        {byNumber.arg("22", "NULL"), {}}, {byNumber.arg("22", "'ZEL' or 1=1"), {"11", "12", "13"}},
        {byNumber.arg("22", "'ZEL'' or ''1''=''1'"), {}}, {byNumber.arg("22", "'ZEL'"), {"13"}},
    };
    for (const auto& run : runs)
        EXPECT_EQ(rows(run.sql), run.rows) << run.sql.toStdString();
}

TEST_F(TsqlTest, StatementsWhoseTokensSpellAlikeEachGetTheirOwnAnswer)
{
    // each pair runs the same token texts one after the other, split differently into tokens
    month.execute("CREATE TABLE zz (a INT, [a aas ab] INT, [a e, bb] INT, b INT)");
    month.execute("INSERT INTO zz VALUES (1, 2, 3, 4)");
    struct Case {
        const char* sql;
        const char* row;
    } pairs[][2] = {
        {{"select [a] as b from zz", "1"}, {"select [a aas ab] from zz", "2"}},
        {{"select [a], [b] from zz", "1|4"}, {"select [a e, bb] from zz", "3"}},
        {{"select [a] as 'x', [b] from zz", "1|4"}, {"select [a] as 'x e, bb' from zz", "1"}},
    };
    for (const auto& pair : pairs) {
        for (int first = 0; first < 2; ++first) {
            Connection c;
            c.open(TempServer::connectionText("ZELSERVER", "ZELJUN26"));
            for (int k = 0; k < 2; ++k) {
                const Case& run = pair[(first + k) % 2];
                EXPECT_EQ(rows(run.sql, &c), QStringList{run.row}) << run.sql << " after " << pair[(first + k + 1) % 2].sql;
            }
        }
    }
}

TEST_F(TsqlTest, StatementsNestedTooDeeplyAreRefused)
{
    const auto nested = [](int levels, const QString& open, const QString& inner, const QString& close) {
        return QStringLiteral("select ") + open.repeated(levels) + inner + close.repeated(levels);
    };
    const QString refused[] = {
        nested(100000, "(", "'a'+'b'", ")"),
        nested(100000, "(", "1", ")"),
        nested(100000, "(", "1", ""),
        nested(10000, "case when 1=1 then ", "'a'+'b'", " end"),
        nested(200, "(case when 1=1 then ", "'a'+'b'", " end)"),
    };
    for (const QString& sql : refused) {
        try {
            rows(sql);
            ADD_FAILURE() << sql.left(40).toStdString() << " ran";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.description().contains("statement too deeply nested")) << e.description().toStdString();
        }
    }
    EXPECT_EQ(scalar(nested(40, "(", "'a'+'b'", ")")), "ab");
    EXPECT_EQ(scalar(nested(10, "case when 1=1 then ", "'a'+'b'", " end")), "ab");
}

TEST(TsqlAdapter, LongConcatenationsAdaptInFull)
{
    struct AnyName : db::NameResolver {
        QString schemaFor(const QString&, const QString&) override { return QStringLiteral("main"); }
        Columns columnsOf(const QString&, const QString&) override { return {}; }
    } resolver;
    // every third operator subtracts: c0 + c1 - c2 + c3 -> qv_add((qv_add(c0, c1) - c2), c3)
    QString sql = QStringLiteral("select c0");
    QString opened, rest;
    for (int i = 1; i < 10000; ++i) {
        const bool minus = i % 3 == 2;
        sql += QString::fromLatin1(minus ? " - c%1" : " + c%1").arg(i);
        opened.prepend(minus ? QStringLiteral("(") : QStringLiteral("qv_add("));
        rest += QString::fromLatin1(minus ? " - c%1)" : ", c%1)").arg(i);
    }
    const db::AdaptedStatement adapted = db::adaptStatement(db::tokenize(sql + " from t"), resolver);
    EXPECT_EQ(db::joinTokens(adapted.tokens), "select " + opened + "c0" + rest + " AS \"\" from t");
}

TEST_F(TsqlTest, TheLogHoldsTheTextAsSent)
{
    db::StatementCapture capture;
    const QString sql = "Select * from CityMaster where CityCode='ZEL'";
    EXPECT_THROW(rows(sql), DbError); // CityMaster is not in the month database
    month.execute("UPDATE RunsheetDetails SET Origin='KWD' WHERE 1=0");
    EXPECT_EQ(capture.statements(), (QStringList{sql, "UPDATE RunsheetDetails SET Origin='KWD' WHERE 1=0"}));
}

} // namespace
