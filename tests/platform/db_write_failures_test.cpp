// Saves under another writer, on a full disk and against the database's own rules: each waits or
// fails as the database server would, and loses nothing.

#include "support/FullDiskVfs.h"
#include "support/TempServer.h"

#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/WaitPointer.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <atomic>
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

// A save waits for another program's lock on a database it writes as long as its command time-out
// says (0: until the other program is done), with the wait pointer showing; a lock on a database it
// only reads does not hold it up.
TEST(WriteFailures, ASaveWaitsForTheLocksOfWhatItWritesOnly)
{
    TempServer server;
    server.addDatabase("S", "D", kDdl);
    server.addDatabase("S", "Month", "CREATE TABLE M (N INT);");
    ui::showWaitPointerWhileLocked();
    const struct {
        const char* locked;
        int commandTimeout, holdMs;
        const char* write; // after a read of Month..M
        const char* failure;
        int atLeastMs, belowMs;
    } cases[] = {
        {"Month", 1, 3000, "UPDATE T SET Name='b' WHERE Id=1", "", 0, 900},
        {"Month", 1, 3000, "INSERT INTO Month..M VALUES (2)", "Query timeout expired", 900, 2900},
        {"D", 0, 31000, "UPDATE T SET Name='c' WHERE Id=1", "", 31000, 60000},
    };
    for (const auto& k : cases) {
        Connection c;
        c.setCommandTimeout(k.commandTimeout);
        c.open(TempServer::connectionText("S", "D"));
        sqlite3* other = nullptr;
        sqlite3_open((server.serverPath("S") + '/' + k.locked + ".sqlite").toUtf8().constData(), &other);
        ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
        std::atomic<bool> pointerWaited = false;
        std::thread holder([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(500));
            pointerWaited = QGuiApplication::overrideCursor() && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
            std::this_thread::sleep_for(std::chrono::milliseconds(k.holdMs - 500));
            sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
        });
        QElapsedTimer waited;
        waited.start();
        const QString failure = failureOf([&] {
            c.beginTrans();
            Recordset().open("select N from Month..M", c);
            c.execute(k.write);
            c.commitTrans();
        });
        EXPECT_EQ(failure, k.failure) << k.write;
        EXPECT_GE(waited.elapsed(), k.atLeastMs) << k.write;
        EXPECT_LT(waited.elapsed(), k.belowMs) << k.write;
        holder.join();
        sqlite3_close(other);
        EXPECT_EQ(pointerWaited, k.atLeastMs > 0) << k.write;
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << k.write;
    }
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
