// Connections find servers and databases as the installation lays them out, and recordsets walk
// their rows as the windows expect.

#include "support/FullDisk.h"
#include "support/TempServer.h"

#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <functional>
#include <optional>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

using db::Connection;
using db::DbError;
using db::Recordset;
using testsupport::FullDisk;
using testsupport::TempServer;

namespace {

const char* kDdl = "CREATE TABLE T (Id INT, Name VARCHAR(10) COLLATE SQLTEXT);"
                   "INSERT INTO T VALUES (1, 'a'); INSERT INTO T VALUES (2, NULL); INSERT INTO T VALUES (3, '');";

TEST(Connection, OpensServersAndDatabasesWhateverTheirCase)
{
    TempServer server;
    server.addDatabase("ZELSERVER", "ZELAdminConfig", kDdl);
    Connection c;
    c.setProvider("SQLOLEDB");
    c.open(TempServer::connectionText("zelServer", "ZELADMINCONFIG"));
    EXPECT_EQ(c.state(), db::ObjectState::Open);
    EXPECT_THROW(c.open(), DbError); // already open
    c.close();
    EXPECT_EQ(c.state(), db::ObjectState::Closed);
    EXPECT_THROW(c.execute("select 1"), DbError);
}

TEST(Connection, MissingServerOrDatabaseFailsAsTheServerDoesAndCreatesNothing)
{
    TempServer server;
    server.addDatabase("ZELSERVER", "ZELAdminConfig", kDdl);
    struct Case {
        const char* server;
        const char* database;
        const char* text;
        db::DbErrorKind kind;
    } cases[] = {
        {"NOSUCH", "ZELAdminConfig", "Specified SQL server not found", db::DbErrorKind::ServerNotFound},
        {"", "ZELAdminConfig", "Specified SQL server not found", db::DbErrorKind::ServerNotFound},
        {"ZELSERVER", "ZELJAN25", "Cannot open database \"ZELJAN25\" requested by the login. The login failed.",
         db::DbErrorKind::DatabaseNotFound},
        {"ZELSERVER", "", "Cannot open database", db::DbErrorKind::DatabaseNotFound},
    };
    for (const Case& c : cases) {
        Connection connection;
        try {
            connection.open(TempServer::connectionText(c.server, c.database));
            ADD_FAILURE() << c.server << "/" << c.database << " opened";
        } catch (const DbError& e) {
            EXPECT_EQ(e.number(), qint32(0x80004005u));
            EXPECT_EQ(e.kind(), c.kind) << c.server << "/" << c.database;
            EXPECT_TRUE(e.description().contains(QLatin1String(c.text))) << e.description().toStdString();
        }
    }
    EXPECT_EQ(QDir(server.serverPath("ZELSERVER")).entryList({"*.sqlite"}, QDir::Files), QStringList{"ZELAdminConfig.sqlite"});
    EXPECT_FALSE(QDir(server.serverPath("NOSUCH")).exists());
}

TEST(Recordset, WalksRowsAndKeepsNullApartFromEmpty)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    Connection c;
    c.open(TempServer::connectionText("S", "D"));
    Recordset rs;
    rs.open("select Id, Name from T order by Id", c, db::CursorType::Dynamic, db::LockType::Optimistic);
    EXPECT_EQ(rs.recordCount(), 3);
    EXPECT_FALSE(rs.bof());
    EXPECT_EQ(rs.value("id").toInt(), 1);
    rs.moveNext();
    EXPECT_TRUE(rs.field("Name").isNull());
    const auto mark = rs.bookmark();
    rs.moveNext();
    EXPECT_FALSE(rs.field(1).isNull());
    EXPECT_EQ(rs.value(1).toString(), "");
    rs.moveNext();
    EXPECT_TRUE(rs.eof());
    EXPECT_THROW(rs.value(0), DbError);
    EXPECT_THROW(rs.moveNext(), DbError);
    rs.setBookmark(mark);
    EXPECT_EQ(rs.value(0).toInt(), 2);
    rs.moveLast();
    EXPECT_EQ(rs.value(0).toInt(), 3);
    rs.movePrevious();
    rs.movePrevious();
    rs.movePrevious();
    EXPECT_TRUE(rs.bof());
    rs.moveFirst();
    EXPECT_THROW(rs.value("NoSuchField"), DbError);
    EXPECT_THROW(rs.open("select 1", c), DbError); // still open
    rs.close();
    EXPECT_THROW(rs.eof(), DbError);

    rs.open("select Id from T where 1=0", c);
    EXPECT_TRUE(rs.eof());
    EXPECT_TRUE(rs.bof());
    rs.close();
}

TEST(RowReader, ReadsAQueryABatchAtATime)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    Connection c;
    c.open(TempServer::connectionText("S", "D"));
    auto reader = c.openReader("select top 3 Id, Name AS 'Who' from T order by Id");
    EXPECT_EQ(reader->columns(), (QStringList{"Id", "Who"}));
    db::RowStore rows(2);
    EXPECT_EQ(reader->fetch(rows, 2), 2);
    EXPECT_FALSE(reader->atEnd());
    EXPECT_EQ(reader->fetch(rows, 2), 1);
    EXPECT_EQ(reader->fetch(rows, 2), 0);
    EXPECT_TRUE(reader->atEnd());
    ASSERT_EQ(rows.rowCount(), 3);
    EXPECT_EQ(rows.value(0, 1).toString(), "a");
    EXPECT_FALSE(rows.value(1, 1).isValid());
    // the connection may close first; the reader keeps what it needs
    auto open = c.openReader("select Id from T");
    c.close();
    db::RowStore ids(1);
    EXPECT_EQ(open->fetch(ids, 10), 3);
    EXPECT_THROW(c.openReader("select 1"), DbError);
    c.open(TempServer::connectionText("S", "D"));
    EXPECT_THROW(c.openReader("update T set Id = 1"), DbError);
}

TEST(Connection, WritersDoNotBlockReadersOfAnotherConnection)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    Connection writer, reader;
    writer.open(TempServer::connectionText("S", "D"));
    reader.open(TempServer::connectionText("S", "D"));
    writer.beginTrans();
    writer.execute("UPDATE T SET Name='b' WHERE Id=1");
    Recordset rs;
    rs.open("select Name from T where Id=1", reader);
    EXPECT_EQ(rs.value(0).toString(), "a");
    rs.close();
    writer.commitTrans();
    rs.open("select Name from T where Id=1", reader);
    EXPECT_EQ(rs.value(0).toString(), "b");
}

TEST(Connection, AReaderSeesTheFileAsAnotherConnectionLeftIt)
{
    // a reader reads the database file through a mapping; the file grown, rewritten and shrunk by
    // another connection's checkpoints reads as it now is (and a shrunk file is not read past its end)
    TempServer server;
    server.addDatabase("S", "D", "CREATE TABLE Big (Id INT, Pad VARCHAR(400));");
    Connection writer, reader;
    writer.open(TempServer::connectionText("S", "D"));
    reader.open(TempServer::connectionText("S", "D"));
    const auto read = [&] {
        Recordset rs;
        rs.open("select count(*), sum(Id) from Big", reader);
        return rs.value(0).toString() + u'|' + rs.value(1).toString();
    };
    const auto checkpoint = [&](const char* sql) {
        sqlite3* handle = nullptr;
        ASSERT_EQ(sqlite3_open((server.serverPath("S") + QStringLiteral("/D.sqlite")).toUtf8().constData(), &handle), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(handle, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(handle);
        sqlite3_close(handle);
    };
    EXPECT_EQ(read(), "0|");
    writer.beginTrans();
    for (int id = 1; id <= 3000; ++id)
        writer.execute(QStringLiteral("INSERT INTO Big VALUES (%1, '%2')").arg(id).arg(QString(400, u'x')));
    writer.commitTrans();
    checkpoint("PRAGMA wal_checkpoint(TRUNCATE)");
    EXPECT_EQ(read(), "3000|4501500");
    writer.execute("DELETE FROM Big WHERE Id > 10");
    checkpoint("VACUUM; PRAGMA wal_checkpoint(TRUNCATE)");
    EXPECT_EQ(read(), "10|55");
}

// A stored value joined into a statement ("0; DELETE FROM Invoice") must not run a second one.
TEST(Connection, EveryCallRunsExactlyOneStatement)
{
    TempServer server;
    server.addDatabase("S", "D", "CREATE TABLE T (Id INT, Name VARCHAR(10) COLLATE SQLTEXT);"
                                 "CREATE TABLE Invoice (No INT); INSERT INTO T VALUES (1, 'a'); INSERT INTO Invoice VALUES (7);");
    Connection c;
    c.open(TempServer::connectionText("S", "D"));
    const std::vector<std::function<void(const QString&)>> calls = {
        [&](const QString& sql) { Recordset().open(sql, c); },
        [&](const QString& sql) { c.execute(sql); },
        [&](const QString& sql) { c.openReader(sql); },
    };
    const char* refused[] = {
        "select Name from T where Id = 0; DELETE FROM Invoice",
        "update T set Name = 'x' where Id = 1; DELETE FROM Invoice;",
        "select Name from T where Name = ';'; ; DELETE FROM Invoice",
        "; DELETE FROM Invoice",
    };
    for (const auto& call : calls) {
        for (const char* sql : refused) {
            try {
                call(sql);
                ADD_FAILURE() << sql << " ran";
            } catch (const DbError& e) {
                EXPECT_EQ(e.number(), qint32(0x80040E14u)) << sql;
                EXPECT_TRUE(e.description().contains("one statement")) << e.description().toStdString();
            }
        }
        EXPECT_NO_THROW(call("select Name from T where Name = ';' ; "));
    }
    Recordset rs;
    rs.open("select (select count(*) from Invoice), Name from T", c);
    EXPECT_EQ(rs.value(0).toInt(), 1);
    EXPECT_EQ(rs.value(1).toString(), "a");
    EXPECT_EQ(c.execute("update T set Name = 'b';"), 1);
}

// A name never reaches a file outside the servers folder: it is not found like a missing one.
TEST(Connection, NamesWithPathsAreNotFound)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    server.addDatabase("Other", "X", kDdl);
    const char* ddl = "CREATE TABLE T (Id INT);";
    server.addDatabase("..", "Outside", ddl); // <root>/servers/../Outside.sqlite
    server.addDatabase(".", "Servers", ddl);  // <root>/servers/./Servers.sqlite
    server.linkServer("S", "UP", "..");
    const char* noServer = "Specified SQL server not found";
    const char* noDatabase = "Cannot open database";
    struct Case {
        const char* server;
        const char* database;
        const char* statement; // run on the connection when it opens
        const char* error;
    } cases[] = {
        {"..", "Outside", nullptr, noServer},
        {".", "Servers", nullptr, noServer},
        {"S/../Other", "X", nullptr, noServer},
        {"S", "../Other/X", nullptr, noDatabase},
        {"S", "..\\Other\\X", nullptr, noDatabase},
        {"S", "D", "select count(*) from [../Other/X]..T", noDatabase},
        {"S", "D", "select count(*) from [../../Outside]..T", noDatabase},
        {"S", "D", "select count(*) from [..]..T", noDatabase},
        {"S", "D", "select count(*) from [UP].Outside.dbo.T", noServer},
    };
    for (const Case& k : cases) {
        try {
            Connection c;
            c.open(TempServer::connectionText(k.server, k.database));
            if (k.statement)
                Recordset().open(k.statement, c);
            ADD_FAILURE() << k.server << "/" << k.database << " " << (k.statement ? k.statement : "") << " was found";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.description().contains(QLatin1String(k.error))) << k.server << "/" << k.database << " "
                                                                          << e.description().toStdString();
        }
    }
}

TEST(Connection, ALockIsAwaitedNoLongerThanTheCommandTimeout)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    Connection holder, waiter;
    holder.open(TempServer::connectionText("S", "D"));
    waiter.setCommandTimeout(1);
    waiter.open(TempServer::connectionText("S", "D"));
    holder.beginTrans();
    holder.execute("UPDATE T SET Name='b' WHERE Id=1");
    QElapsedTimer waited;
    waited.start();
    try {
        waiter.execute("UPDATE T SET Name='c' WHERE Id=2");
        ADD_FAILURE() << "wrote past a lock";
    } catch (const DbError& e) {
        EXPECT_EQ(e.description(), "Query timeout expired");
    }
    EXPECT_GE(waited.elapsed(), 900);
    EXPECT_LT(waited.elapsed(), 10000);
    holder.commitTrans();
    EXPECT_EQ(waiter.execute("UPDATE T SET Name='c' WHERE Id=2"), 1);
}

// After a statement has reached the server's other databases, a table missing from the
// connection's own database is not found in another month's, whether a column of it is read or
// none, nor in a database the same statement names for another table; what it names with a
// database (a view's tables with it) is reached.
TEST(Connection, ATableWithoutADatabaseIsTheConnectionsOwn)
{
    TempServer server;
    server.addDatabase("S", "ZELDEC26", "CREATE TABLE NDHistory (Reason VARCHAR(10)); INSERT INTO NDHistory VALUES ('dec');");
    server.addDatabase("S", "ZELNOV26", "CREATE TABLE NDHistory (Reason VARCHAR(10)); INSERT INTO NDHistory VALUES ('nov');");
    server.addDatabase("S", "ZELADMINCONFIG",
                       "CREATE TABLE CompanyMaster (CompanyName VARCHAR(20)); INSERT INTO CompanyMaster VALUES ('admin');"
                       "CREATE TABLE tab_Settings (Name VARCHAR(10)); INSERT INTO tab_Settings VALUES ('s');"
                       "CREATE VIEW Companies AS SELECT CompanyName FROM CompanyMaster;");
    Connection c;
    c.open(TempServer::connectionText("S", "ZELDEC26"));
    const auto read = [&](const QString& sql) {
        try {
            Recordset rs;
            rs.open(sql, c);
            return rs.value(0).toString();
        } catch (const DbError& e) {
            return e.description();
        }
    };
    EXPECT_EQ(read("select Reason from NDHistory"), "dec");
    EXPECT_EQ(read("select Reason from ZELNOV26..NDHistory"), "nov");
    EXPECT_EQ(read("select d.Reason from ZELNOV26..NDHistory n, NDHistory d"), "dec");
    sqlite3* outside = nullptr;
    sqlite3_open((server.serverPath("S") + "/ZELDEC26.sqlite").toUtf8().constData(), &outside);
    sqlite3_exec(outside, "ALTER TABLE NDHistory RENAME TO Renamed", nullptr, nullptr, nullptr);
    sqlite3_close(outside);
    const char* kNoCompany = "Invalid object name 'CompanyMaster'.";
    const struct {
        const char* statement;
        const char* read;
    } cases[] = {
        {"select Reason from NDHistory", "Invalid object name 'NDHistory'."}, // prepared before the rename
        {"select Reason from NDHistory where Reason <> 'x'", "Invalid object name 'NDHistory'."},
        {"select d.Reason from ZELNOV26..NDHistory n, NDHistory d", "Invalid object name 'NDHistory'."}, // prepared too
        {"select count(*) from NDHistory", "Invalid object name 'NDHistory'."},
        {"select Reason from ZELNOV26..NDHistory", "nov"},
        {"select Reason from Renamed", "dec"},
        {"select top 1 c.CompanyName from ZELADMINCONFIG..tab_Settings s, CompanyMaster c", kNoCompany},
        {"select c.CompanyName from ZELADMINCONFIG..tab_Settings s join CompanyMaster c on 1 = 1", kNoCompany},
        {"select Name from ZELADMINCONFIG..tab_Settings union select CompanyName from CompanyMaster", kNoCompany},
        {"select CompanyName from ZELADMINCONFIG..CompanyMaster where exists (select 1 from CompanyMaster)", kNoCompany},
        {"select CmmpanyName from CompanyMaster", kNoCompany},
        {"update CompanyMaster set CompanyName = 'X' where exists (select 1 from ZELADMINCONFIG..tab_Settings)", kNoCompany},
        {"insert into CompanyMaster select Name from ZELADMINCONFIG..tab_Settings", kNoCompany},
        {"insert into Renamed select CompanyName from ZELADMINCONFIG..tab_Settings, CompanyMaster", kNoCompany},
        {"delete from CompanyMaster where exists (select 1 from ZELADMINCONFIG..tab_Settings)", kNoCompany},
        {"select a.CompanyName from ZELADMINCONFIG..CompanyMaster a, Renamed r", "admin"},
        {"select CompanyName from ZELADMINCONFIG..Companies", "admin"},
        {"with C as (select CompanyName from ZELADMINCONFIG..CompanyMaster) select CompanyName from C", "admin"},
        {"select count(*) from ZELADMINCONFIG..CompanyMaster where CompanyName = 'admin'", "1"},
    };
    for (const auto& k : cases)
        EXPECT_EQ(read(k.statement), k.read) << k.statement;
}

// Reads one database and reaches another from it where no file can be made (the condition holds
// while reading); a write fails without changing anything.
void expectReadsButNoWrite(TempServer& server, const std::function<void(bool)>& condition)
{
    server.addDatabase("S", "D", kDdl);
    server.addDatabase("S", "Other", "CREATE TABLE U (N INT); INSERT INTO U VALUES (5);");
    condition(true);
    std::optional<QString> failure;
    try {
        Connection c;
        c.open(TempServer::connectionText("S", "D"));
        Recordset rs;
        rs.open("select Name, (select N from Other..U) from T where Id = 1", c);
        EXPECT_EQ(rs.value(0).toString(), "a");
        EXPECT_EQ(rs.value(1).toInt(), 5);
        try {
            c.execute("update T set Name = 'z'");
            ADD_FAILURE() << "wrote where no file can be written";
        } catch (const DbError& e) {
            EXPECT_EQ(e.description(), "Failed to update database \"D\" because the database is read-only.");
        }
    } catch (const DbError& e) {
        failure = e.description();
    }
    condition(false);
    EXPECT_FALSE(failure) << failure->toStdString();
    Connection c;
    c.open(TempServer::connectionText("S", "D"));
    Recordset rs;
    rs.open("select count(*) from T where Name = 'z'", c);
    EXPECT_EQ(rs.value(0).toInt(), 0);
}

// The program starts on a full disk: reading needs no new file.
TEST(Connection, ReadsOnAFullDisk)
{
    TempServer server;
    std::optional<FullDisk> full;
    expectReadsButNoWrite(server, [&](bool on) {
        if (on)
            full.emplace();
        else
            full.reset();
    });
}

// A database in a folder this account cannot write is refused at open with the reason, never read
// as it lies in its file: another account may be writing it meanwhile. (As root, a folder is made
// unwritable by its immutable flag.)
TEST(Connection, ADatabaseInAFolderThatCannotBeWrittenIsRefusedWithTheReason)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    const int folder = ::open(QFile::encodeName(server.serverPath("S")).constData(), O_RDONLY | O_DIRECTORY);
    int flags = 0;
    ioctl(folder, FS_IOC_GETFLAGS, &flags);
    fchmod(folder, 0500);
    const int immutable = flags | FS_IMMUTABLE_FL;
    ioctl(folder, FS_IOC_SETFLAGS, &immutable);
    QString failure = QStringLiteral("opened");
    try {
        Connection().open(TempServer::connectionText("S", "D"));
    } catch (const DbError& e) {
        failure = e.description();
    }
    const bool writable = ::access(QFile::encodeName(server.serverPath("S")).constData(), W_OK) == 0;
    ioctl(folder, FS_IOC_SETFLAGS, &flags);
    fchmod(folder, 0700);
    ::close(folder);
    if (writable)
        GTEST_SKIP() << "this account may write into any folder here";
    EXPECT_EQ(failure, "Cannot open database \"D\" requested by the login. The login failed. (this account cannot write "
                       "the server's folder, and the database cannot be read safely while another account may be "
                       "changing it)");
}

// A connection reaches more databases in turn than SQLite holds attached at once: the one used
// least recently goes, and comes back when a statement names it again.
TEST(Connection, ReachesAnyNumberOfDatabasesInTurn)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    for (int m = 0; m < 14; ++m)
        server.addDatabase("S", QStringLiteral("M%1").arg(m),
                           QStringLiteral("CREATE TABLE U (N INT); INSERT INTO U VALUES (%1);").arg(m).toUtf8().constData());
    Connection c;
    c.open(TempServer::connectionText("S", "D"));
    for (int round = 0; round < 2; ++round) {
        for (int m = 0; m < 14; ++m) {
            Recordset rs;
            rs.open(QStringLiteral("select N, (select count(*) from T) from M%1..U").arg(m), c);
            EXPECT_EQ(rs.value(0).toInt(), m);
            EXPECT_EQ(rs.value(1).toInt(), 3);
        }
    }
}

// A database damaged where its tables are listed is named when a statement reaches another one.
TEST(Connection, ADamagedDatabaseIsNamedNotTheOneAStatementReaches)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    server.addDatabase("S", "Other", "CREATE TABLE U (N INT);");
    QFile file(server.serverPath("S") + "/D.sqlite");
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.seek(100);
    file.write("\x0d\x00\x00\x00\x05\x0f\x00" + QByteArray(3000, '\xab'));
    file.close();
    Connection c;
    c.open(TempServer::connectionText("S", "D"));
    try {
        Recordset().open("select count(*) from Other..U", c);
        ADD_FAILURE() << "read a damaged database";
    } catch (const DbError& e) {
        EXPECT_TRUE(e.description().startsWith("Cannot open database \"D\"")) << e.description().toStdString();
        EXPECT_FALSE(e.description().contains("file:")) << e.description().toStdString();
    }
}

// What the server cannot run is refused in its words, naming what the statement named, and nothing
// of it runs: a NUL outside a quoted value (SQLite would read the text only up to it), a name that
// is no column (never read as a text, nor a column's default), a table that is not there. A NUL
// inside a quoted value is part of the value.
TEST(Connection, WhatCannotRunIsRefusedInTheServersWords)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    server.addDatabase("S", "Other", "CREATE TABLE U (N INT);");
    Connection c;
    c.open(TempServer::connectionText("S", "D"));
    const QString nul(QChar(0));
    const QString nulOutside =
        "The statement holds a NUL character (code 0) outside a quoted value; nothing of it was run.";
    const struct {
        QString statement;
        QString failure;
    } cases[] = {
        {"Delete from T " + nul + " where Id=99", nulOutside},
        {"select count(*) from T " + nul + " where Id=99", nulOutside},
        {"select count(*) from [T" + nul + "]", nulOutside},
        {"select [NoSuchColumn] from T", "Invalid column name 'NoSuchColumn'."},
        {"select count(*) from T where Name = [a]", "Invalid column name 'a'."},
        {"select count(*) from T where Name = \"a\"", "Invalid column name 'a'."},
        {"select N from Other..Missing", "Invalid object name 'Other..Missing'."},
        {"select count(*) from Missing", "Invalid object name 'Missing'."},
        {"insert into T (Id, Nosuch) values (4, 'd')", "Invalid column name 'Nosuch'."},
        {"create table N (a int default \"nosuch\")",
         "The name \"nosuch\" is not permitted in this context. Valid expressions are constants, constant expressions, "
         "and (in some contexts) variables. Column names are not permitted."},
    };
    for (const auto& k : cases) {
        try {
            c.execute(k.statement);
            ADD_FAILURE() << k.statement.toStdString() << " ran";
        } catch (const DbError& e) {
            EXPECT_EQ(e.description(), k.failure) << k.statement.toStdString();
        }
    }
    Recordset rs;
    rs.open("select count(*) from T", c);
    EXPECT_EQ(rs.value(0).toInt(), 3);
    rs.close();
    c.execute("insert into T values (9, 'a" + nul + "b')");
    rs.open("select Name, len(Name) from T where Name = 'a" + nul + "b' and Name like '%" + nul + "b'", c);
    EXPECT_EQ(rs.value(0).toString(), "a" + nul + "b");
    EXPECT_EQ(rs.value(1).toInt(), 3);
    rs.close();
    db::RowStore rows(1);
    EXPECT_EQ(c.openReader("select Id from T where Name = 'a" + nul + "b' order by 1")->fetch(rows, 5), 1);
}

} // namespace
