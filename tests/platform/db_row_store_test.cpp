// A reader's rows kept in the compact row store read back as the values a query returns.

#include "support/TempServer.h"

#include "platform/db/Engine.h"
#include "platform/db/Recordset.h"
#include "platform/db/RowStore.h"

#include <QDateTime>
#include <set>

using db::Connection;
using testsupport::TempServer;

namespace {

// Every kind of column with every kind of stored value: repeats down a column (right after each
// other and after another value), a text of the same length as the one above it, empty texts, a
// text longer than a chunk of the arena, blobs in typed and untyped columns, numbers where a
// date or a decimal is declared.
const char* kValuesDdl = R"(
CREATE TABLE V (N INT, D DATETIME COLLATE SQLDATE, F BIT, T VARCHAR(10) COLLATE SQLTEXT, I INT, M DECIMAL(10,2), X);
INSERT INTO V VALUES (1, '2026-06-01', 1, 'abc', 7, 2.5, 'text');
INSERT INTO V VALUES (2, '2026-06-01', 0, 'abc', 7, 3, 42);
INSERT INTO V VALUES (3, 'not a date', NULL, 'abd', 'seven', 'n/a', 1.5);
INSERT INTO V VALUES (4, 20260601, 2, X'6869', NULL, NULL, X'00ff');
INSERT INTO V VALUES (5, '2026-06-01 10:20:30.123', 1, 'ÄÖü€', -9007199254740993, -0.01, X'');
INSERT INTO V VALUES (6, ' 2026-06-02 ', 0, printf('%.70000c', 'y'), 0, 1e300, NULL);
INSERT INTO V VALUES (7, NULL, 1, printf('%.70000c', 'y'), 1, 0, '');
INSERT INTO V VALUES (8, '2026-06-01 10:20:30.123', 0, 'abc', 1, 0, '');
)";

// A connection to a database holding those values, and the query of them in order.
class RowStore : public testing::Test {
protected:
    RowStore()
    {
        server.addDatabase("S", "D", kValuesDdl);
        c.open(TempServer::connectionText("S", "D"));
    }
    TempServer server;
    Connection c;
    const QString sql = QStringLiteral("select N, D, F, T, I, M, X from V order by N");
};

TEST_F(RowStore, HoldsEveryValueAsTheQueryReturnsIt)
{
    const db::ResultSet expected = c.engine().query(sql);
    ASSERT_EQ(expected.rows.size(), 8u);
    for (const int batch : {1, 3, 100}) {
        SCOPED_TRACE(batch);
        const auto reader = c.openReader(sql);
        db::RowStore rows(int(reader->columns().size()));
        while (reader->fetch(rows, batch) > 0) {
        }
        ASSERT_EQ(rows.rowCount(), int(expected.rows.size()));
        std::vector<QVariant> held; // values a caller keeps while it reads further cells
        // down the rows and back up, so each cell is read both after the one above it and anew
        for (const bool upwards : {false, true}) {
            for (int i = 0; i < rows.rowCount(); ++i) {
                const int r = upwards ? rows.rowCount() - 1 - i : i;
                for (int col = 0; col < rows.columnCount(); ++col) {
                    SCOPED_TRACE(testing::Message() << "row " << r << " column " << col);
                    const QVariant& want = expected.rows[size_t(r)][size_t(col)];
                    const QVariant got = rows.value(r, col);
                    EXPECT_EQ(got.typeId(), want.typeId());
                    EXPECT_EQ(got, want);
                    EXPECT_EQ(got.toString(), want.toString());
                    EXPECT_EQ(got.toString().isNull(), want.toString().isNull());
                    EXPECT_EQ(got.toDateTime().timeSpec(), want.toDateTime().timeSpec());
                    if (!upwards)
                        held.push_back(got);
                }
            }
        }
        const size_t columns = size_t(rows.columnCount());
        for (size_t i = 0; i < held.size(); ++i)
            EXPECT_EQ(held[i], expected.rows[i / columns][i % columns]);
    }
    // the kinds the values above are read as
    EXPECT_EQ(expected.rows[0][1], QVariant(QDateTime(QDate(2026, 6, 1), QTime(0, 0), Qt::UTC)));
    EXPECT_EQ(expected.rows[2][1], QVariant(QStringLiteral("not a date")));
    EXPECT_EQ(expected.rows[3][1], QVariant(QStringLiteral("20260601")));
    EXPECT_EQ(expected.rows[3][3], QVariant(QStringLiteral("hi")));
    EXPECT_EQ(expected.rows[3][6], QVariant(QByteArray("\0\xff", 2)));
    EXPECT_EQ(expected.rows[5][3].toString().size(), 70000);
}

// A recordset opened on its rows compactly gives the values of one opened as a whole, and names
// as repeats exactly the fields equal to the record before's (a record, a field): the same date,
// text, number, flag (2 reads as 1) and empty text again; never a first record, a changed type or a
// Null after a value.
TEST_F(RowStore, RepeatsAreTheFieldsEqualToTheRecordBefore)
{
    const std::set<std::pair<int, int>> repeats{{1, 1}, {1, 3}, {1, 4}, {4, 2}, {6, 3}, {7, 4}, {7, 5}, {7, 6}};
    db::Recordset stored;
    db::Recordset whole;
    stored.openRows(sql, c);
    whole.open(sql, c);
    ASSERT_EQ(stored.recordCount(), 8);
    for (int r = 0; !stored.eof(); stored.moveNext(), whole.moveNext(), ++r) {
        for (int f = 0; f < stored.fieldCount(); ++f) {
            EXPECT_EQ(stored.repeatsAbove(f), repeats.contains({r, f})) << r << ", " << f;
            EXPECT_FALSE(whole.repeatsAbove(f));
            EXPECT_EQ(stored.value(f), whole.value(f)) << r << ", " << f;
        }
    }
}

} // namespace
