// Saves under another writer, on a full disk and against the database's own rules: each waits or
// fails as the database server would, and loses nothing.

#include "support/FullDiskVfs.h"
#include "support/TempServer.h"

#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"

#include <QElapsedTimer>
#include <functional>
#include <chrono>
#include <thread>

using db::Connection;
using db::DbError;
using db::Recordset;
using testsupport::TempServer;

namespace {

const char* kDdl = "CREATE TABLE T (Id INT PRIMARY KEY, Name VARCHAR(10) COLLATE SQLTEXT);"
                   "CREATE TABLE Book (Station VARCHAR(10) COLLATE SQLTEXT, Branch VARCHAR(10) COLLATE SQLTEXT,"
                   "                   Code VARCHAR(10) UNIQUE);"
                   "CREATE UNIQUE INDEX IX_Book_Station_Branch ON Book(Station, Branch);"
                   "INSERT INTO T VALUES (1, 'a'); INSERT INTO Book VALUES ('KWD', 'Main', 'K1');";

// What a call failed with, or "" when it succeeded.
QString failureOf(const std::function<void()>& call)
{
    try {
        call();
        return QString();
    } catch (const DbError& e) {
        return e.description();
    }
}

// A save reads, then writes, in one transaction; the stored name after it.
QString save(Connection& c, const QString& name)
{
    const QString failure = failureOf([&] {
        c.beginTrans();
        try {
            Recordset().open("select count(*) from T where Id=1", c);
            c.execute(QStringLiteral("UPDATE T SET Name='%1' WHERE Id=1").arg(name));
            c.commitTrans();
        } catch (const DbError&) {
            c.rollbackTrans();
            throw;
        }
    });
    Recordset rs;
    rs.open("select Name from T where Id=1", c);
    return failure.isEmpty() ? rs.value(0).toString() : failure + " / " + rs.value(0).toString();
}

TEST(WriteFailures, ASaveWaitsForAnotherWriterUpToTheTimeOut)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    Connection c;
    c.setCommandTimeout(1);
    c.open(TempServer::connectionText("S", "D"));
    sqlite3* other = nullptr;
    sqlite3_open((server.serverPath("S") + "/D.sqlite").toUtf8().constData(), &other);
    // another program holds a write transaction for a while
    const auto hold = [&](int milliseconds) {
        sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
        return std::thread([=] {
            std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
            sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        });
    };
    QElapsedTimer waited;
    waited.start();
    std::thread holder = hold(400);
    EXPECT_EQ(save(c, "b"), "b");
    EXPECT_GE(waited.elapsed(), 300);
    holder.join();
    holder = hold(2500);
    EXPECT_EQ(save(c, "c"), "Query timeout expired / b");
    holder.join();
    EXPECT_EQ(save(c, "d"), "d");
    sqlite3_close(other);
}

TEST(WriteFailures, ACommitOnAFullDiskReportsItAndTheNextSaveSucceeds)
{
    testsupport::FullDiskVfs::setFull(false);
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    Connection c;
    c.open(TempServer::connectionText("S", "D"));
    testsupport::FullDiskVfs::setFull(true);
    const QString failed = save(c, "b");
    testsupport::FullDiskVfs::setFull(false);
    EXPECT_EQ(failed, "database or disk is full / a");
    EXPECT_EQ(save(c, "c"), "c");
}

TEST(WriteFailures, DuplicateKeysAreWordedAsTheServerWordsThem)
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
    for (const auto& k : cases)
        EXPECT_EQ(failureOf([&] { c.execute(k.statement); }), k.description) << k.statement;
}

} // namespace
