// Saves under another writer, on a full disk and against the database's own rules: each waits or
// fails as the database server would, and loses nothing.

#include "support/FullDiskVfs.h"
#include "support/TempServer.h"

#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"

#include <QElapsedTimer>
#include <chrono>
#include <thread>

using db::Connection;
using db::DbError;
using db::Recordset;
using testsupport::TempServer;

namespace {

const char* kDdl = "CREATE TABLE T (Id INT PRIMARY KEY, Name VARCHAR(10) COLLATE SQLTEXT);"
                   "CREATE TABLE Book (Station VARCHAR(10) COLLATE SQLTEXT, Branch VARCHAR(10) COLLATE SQLTEXT, Code VARCHAR(10) UNIQUE);"
                   "CREATE UNIQUE INDEX IX_Book_Station_Branch ON Book(Station, Branch);"
                   "INSERT INTO T VALUES (1, 'a'); INSERT INTO Book VALUES ('KWD', 'Main', 'K1');";

QString nameOf(Connection& c, int id)
{
    Recordset rs;
    rs.open(QStringLiteral("select Name from T where Id=%1").arg(id), c);
    return rs.eof() ? QStringLiteral("(none)") : rs.value(0).toString();
}

// Another program's write transaction on the database, held for a while from a thread of its own.
class OtherWriter {
public:
    OtherWriter(const QString& file, int milliseconds)
    {
        sqlite3_open(file.toUtf8().constData(), &m_db);
        sqlite3_exec(m_db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        m_thread = std::thread([this, milliseconds] {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
        });
    }
    ~OtherWriter()
    {
        m_thread.join();
        sqlite3_close(m_db);
    }

private:
    sqlite3* m_db = nullptr;
    std::thread m_thread;
};

// A save reads, then writes, in one transaction.
void save(Connection& c, const QString& name)
{
    c.beginTrans();
    try {
        Recordset rs;
        rs.open("select count(*) from T where Id=1", c);
        rs.close();
        c.execute(QStringLiteral("UPDATE T SET Name='%1' WHERE Id=1").arg(name));
        c.commitTrans();
    } catch (const DbError&) {
        c.rollbackTrans();
        throw;
    }
}

TEST(WriteFailures, ASaveWaitsForAnotherWriterUpToTheTimeOut)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    const QString file = server.serverPath("S") + "/D.sqlite";
    Connection c;
    c.setCommandTimeout(1);
    c.open(TempServer::connectionText("S", "D"));
    {
        const OtherWriter other(file, 400);
        QElapsedTimer waited;
        waited.start();
        EXPECT_NO_THROW(save(c, "b"));
        EXPECT_GE(waited.elapsed(), 300);
    }
    EXPECT_EQ(nameOf(c, 1), "b");
    {
        const OtherWriter other(file, 2500);
        try {
            save(c, "c");
            ADD_FAILURE() << "saved past another writer's lock";
        } catch (const DbError& e) {
            EXPECT_EQ(e.description(), "Query timeout expired");
        }
    }
    EXPECT_EQ(nameOf(c, 1), "b");
    save(c, "d");
    EXPECT_EQ(nameOf(c, 1), "d");
}

TEST(WriteFailures, ACommitOnAFullDiskReportsItAndTheNextSaveSucceeds)
{
    testsupport::FullDiskVfs::setFull(false);
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    Connection c;
    c.open(TempServer::connectionText("S", "D"));
    testsupport::FullDiskVfs::setFull(true);
    try {
        save(c, "b");
        ADD_FAILURE() << "committed on a full disk";
    } catch (const DbError& e) {
        EXPECT_EQ(e.description(), "database or disk is full");
    }
    testsupport::FullDiskVfs::setFull(false);
    EXPECT_EQ(nameOf(c, 1), "a");
    save(c, "c");
    EXPECT_EQ(nameOf(c, 1), "c");
}

TEST(WriteFailures, AreWordedAsTheServerWordsThem)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    const struct {
        const char* statement;
        const char* description;
    } cases[] = {
        {"INSERT INTO T VALUES (1, 'x')",
         "Violation of PRIMARY KEY constraint 'PK_T'. Cannot insert duplicate key in object 'dbo.T'."},
        {"INSERT INTO Book VALUES ('kwd', 'Main', 'K2')",
         "Cannot insert duplicate key row in object 'dbo.Book' with unique index 'IX_Book_Station_Branch'."},
        {"INSERT INTO Book VALUES ('KWD', 'Other', 'K1')",
         "Violation of UNIQUE KEY constraint 'UQ_Book'. Cannot insert duplicate key in object 'dbo.Book'."},
    };
    Connection c;
    c.open(TempServer::connectionText("S", "D"));
    for (const auto& k : cases) {
        try {
            c.execute(k.statement);
            ADD_FAILURE() << k.statement;
        } catch (const DbError& e) {
            EXPECT_EQ(e.description(), k.description);
            EXPECT_EQ(e.kind(), db::DbErrorKind::Provider);
        }
    }
}

} // namespace
