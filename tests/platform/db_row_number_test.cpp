// ROW_NUMBER() OVER(PARTITION BY ... ORDER BY ...) over one table runs as a count of the rows before
// each row, and numbers every row as the window function does.

#include "support/TempServer.h"

#include "platform/db/Recordset.h"
#include "platform/db/TsqlAdapter.h"

using testsupport::TempServer;

namespace {

// Rowids deliberately out of RefNo order. The partition of 2026-06-01 and "Return" (in any case,
// with trailing blanks) holds RefNo 2, 3, 9, 12, 14, 15, 16 and 20; consignment 500 is 9 and 16.
const char* kRegister = R"(
CREATE TABLE Register (RefNo BIGINT NOT NULL, NDDate DATETIME COLLATE SQLDATE, Status VARCHAR(20) COLLATE SQLTEXT,
  ConsignNo BIGINT, Amount INT);
INSERT INTO Register VALUES (14, '2026-06-01', 'Return', 101, 10);
INSERT INTO Register VALUES (3, '2026-06-01', 'RETURN ', 102, NULL);
INSERT INTO Register VALUES (9, '2026-06-01', 'return', 500, 10);
INSERT INTO Register VALUES (1, '2026-06-01', 'Remainder', 103, 5);
INSERT INTO Register VALUES (7, '2026-06-02', 'Return', 104, NULL);
INSERT INTO Register VALUES (12, '2026-06-01', 'Return', 105, 20);
INSERT INTO Register VALUES (2, '2026-06-01', 'Return', 106, 10);
INSERT INTO Register VALUES (20, '2026-06-01', 'return  ', 107, 30);
INSERT INTO Register VALUES (5, NULL, 'Misroute', 108, 10);
INSERT INTO Register VALUES (6, NULL, NULL, 109, NULL);
INSERT INTO Register VALUES (15, '2026-06-01', 'Return', 110, 10);
INSERT INTO Register VALUES (16, '2026-06-01', 'Return', 500, NULL);
INSERT INTO Register VALUES (11, '2026-06-02', 'remainder', 111, 5);
INSERT INTO Register VALUES (4, NULL, 'misroute ', 112, 10);
INSERT INTO Register VALUES (8, '2026-06-01', NULL, 113, 10);
INSERT INTO Register VALUES (10, '2026-06-02', 'RETURN', 500, 10);
CREATE INDEX IX_Register_NDDate_Status_RefNo ON Register(NDDate, Status, RefNo);
)";

struct RegisterColumns : db::NameResolver {
    QString schemaFor(const QString&, const QString&) override { return QStringLiteral("main"); }
    Columns columnsOf(const QString&, const QString& table) override
    {
        if (table.compare(u"Register", Qt::CaseInsensitive) != 0)
            return {};
        return {{"RefNo", "NDDate", "Status", "ConsignNo", "Amount"}, -1};
    }
};

QString adapted(const QString& sql)
{
    RegisterColumns resolver;
    return db::joinTokens(db::adaptStatement(db::tokenize(sql), resolver).tokens);
}

class RowNumberTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.addDatabase("ZELSERVER", "ZELJUN26", kRegister);
        month.open(TempServer::connectionText("ZELSERVER", "ZELJUN26"));
    }

    // RefNo and SlNo of each row, in RefNo order.
    QStringList serials(const QString& sql)
    {
        db::Recordset rs;
        rs.open(sql, month);
        QStringList out;
        for (; !rs.eof(); rs.moveNext())
            out << rs.value(QStringLiteral("RefNo")).toString() + QLatin1Char(':') + rs.value(QStringLiteral("SlNo")).toString();
        return out;
    }

    TempServer server;
    db::Connection month;
};

TEST_F(RowNumberTest, NumbersEveryRowAsTheWindowFunction)
{
    struct Case {
        const char* alias;
        const char* partition;
        const char* order;
    } cases[] = {
        {"", "NDDATE,STATUS", "NDDATE,REFNO"},
        {"", "Status", "Amount DESC, NDDate"},
        {"", "NDDate", "Status, Amount"},
        {"", "Amount", "NDDate DESC, Status DESC"},
        {"", "Status, Amount", "ConsignNo"},
        {"", "ConsignNo", "Amount ASC, Status"},
        {" R", "R.Status", "R.NDDate, Amount DESC"},
        {" AS R", "NDDate", "R.Amount"},
    };
    for (const Case& c : cases) {
        const QString partition = QString::fromLatin1(c.partition);
        const QString order = QString::fromLatin1(c.order);
        const QString statement = QStringLiteral("Select A.* From (Select ROW_NUMBER() OVER(PARTITION BY %1 ORDER BY %2) "
                                                 "AS 'SlNo',* from Register%3) A order by A.RefNo")
                                      .arg(partition, order, QLatin1String(c.alias));
        // the window function itself, ties numbered in rowid order
        const QString reference = QStringLiteral("Select A.* From (Select ROW_NUMBER() OVER(PARTITION BY %1 ORDER BY %2, "
                                                 "rowid) AS 'SlNo',* from Register%3) A order by A.RefNo")
                                      .arg(partition, order, QLatin1String(c.alias));
        SCOPED_TRACE(statement.toStdString());
        EXPECT_FALSE(adapted(statement).contains("ROW_NUMBER", Qt::CaseInsensitive));
        EXPECT_TRUE(adapted(reference).contains("ROW_NUMBER", Qt::CaseInsensitive));
        const QStringList expected = serials(reference);
        EXPECT_EQ(expected.size(), 16);
        EXPECT_EQ(serials(statement), expected);
    }
}

TEST_F(RowNumberTest, TheSerialCountsTheRowsOfOtherConsignments)
{
    // the loader's statement: the consignment's entries are 3rd and 7th of their date and action
    EXPECT_EQ(serials("Select A.* From (Select ROW_NUMBER() OVER(PARTITION BY NDDATE,STATUS ORDER BY NDDATE,REFNO) "
                      "AS 'SlNo',* from Register) A Where ConsignNo=500 order by A.RefNo"),
              (QStringList{"9:3", "10:2", "16:7"}));
}

TEST(RowNumberRewrite, OtherShapesKeepTheWindowFunction)
{
    const char* window = "ROW_NUMBER() OVER(PARTITION BY Status ORDER BY RefNo) AS 'SlNo'";
    const char* statements[] = {
        "select %1, * from Register R join Other O on R.RefNo = O.RefNo",
        "select %1, * from Register, Other",
        "select %1, * from Register where ConsignNo = 500",
        "select %1, Status from Register group by Status, RefNo",
        "select distinct %1, * from Register",
        "select top 5 %1, * from Register",
        "select %1, * from Register order by RefNo",
        "select %1, * from (select * from Register) R",
        "select %1, * from Other",
        "with R as (select * from Register) select %1, * from R",
        "select ROW_NUMBER() OVER(ORDER BY RefNo) AS 'SlNo', * from Register",
        "select ROW_NUMBER() OVER(PARTITION BY Status ORDER BY RefNo), * from Register",
        "select ROW_NUMBER() OVER(PARTITION BY left(Status, 3) ORDER BY RefNo) AS n, * from Register",
        "select ROW_NUMBER() OVER(PARTITION BY Status ORDER BY Amount * 2) AS n, * from Register",
        "select ROW_NUMBER() OVER(PARTITION BY Status ORDER BY Missing) AS n, * from Register",
        "select ROW_NUMBER() OVER(PARTITION BY X.Status ORDER BY RefNo) AS n, * from Register R",
        "select ROW_NUMBER() OVER(PARTITION BY Status ORDER BY RefNo COLLATE NOCASE) AS n, * from Register",
        "select * from Register where RefNo in (select ROW_NUMBER() OVER(PARTITION BY Status ORDER BY RefNo) "
        "AS n from Register R join Other O on R.RefNo = O.RefNo)",
        "select * from Register union all select %1, * from Register where Amount > 1",
    };
    for (const char* s : statements) {
        const QString sql = QString::fromLatin1(s).replace(QLatin1String("%1"), QLatin1String(window));
        SCOPED_TRACE(sql.toStdString());
        const QString out = adapted(sql);
        EXPECT_TRUE(out.contains("ROW_NUMBER", Qt::CaseInsensitive));
        EXPECT_FALSE(out.contains("qv_rn"));
    }
}

} // namespace
