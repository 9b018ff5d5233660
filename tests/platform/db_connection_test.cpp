// Connections find servers and databases as the installation lays them out, and recordsets walk
// their rows as the windows expect.

#include "support/TempServer.h"

#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"

#include <QDir>

using db::Connection;
using db::DbError;
using db::Recordset;
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
    } cases[] = {
        {"NOSUCH", "ZELAdminConfig", "Specified SQL server not found"},
        {"", "ZELAdminConfig", "Specified SQL server not found"},
        {"ZELSERVER", "ZELJAN25", "Cannot open database \"ZELJAN25\" requested by the login. The login failed."},
        {"ZELSERVER", "", "Cannot open database"},
    };
    for (const Case& c : cases) {
        Connection connection;
        try {
            connection.open(TempServer::connectionText(c.server, c.database));
            ADD_FAILURE() << c.server << "/" << c.database << " opened";
        } catch (const DbError& e) {
            EXPECT_EQ(e.number(), qint32(0x80004005u));
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
    std::vector<std::vector<QVariant>> rows;
    EXPECT_EQ(reader->fetch(rows, 2), 2);
    EXPECT_FALSE(reader->atEnd());
    EXPECT_EQ(reader->fetch(rows, 2), 1);
    EXPECT_EQ(reader->fetch(rows, 2), 0);
    EXPECT_TRUE(reader->atEnd());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][1].toString(), "a");
    EXPECT_FALSE(rows[1][1].isValid());
    // the connection may close first; the reader keeps what it needs
    auto open = c.openReader("select Id from T");
    c.close();
    EXPECT_EQ(open->fetch(rows, 10), 3);
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

} // namespace
