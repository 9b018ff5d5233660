// The statement tokenizer keeps literals and identifiers whole, whatever they hold.

#include "platform/runtime/WallClock.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlText.h"
#include "platform/db/TsqlTokenizer.h"

#include <gtest/gtest.h>

namespace {

QStringList kinds(const QString& sql)
{
    QStringList out;
    for (const db::Token& t : db::tokenize(sql)) {
        static const char* const names[] = {"W", "I", "S", "N", "P"};
        out << QLatin1String(names[t.kind]) + QLatin1Char(':') + t.text;
    }
    return out;
}

TEST(Tokenizer, SplitsStatementsIntoWholeTokens)
{
    EXPECT_EQ(kinds("select [a b],\"c\" from x..y where n>=1.5 and s='it''s -- not a comment' -- comment\n"),
              (QStringList{"W:select", "I:a b", "P:,", "I:c", "W:from", "W:x", "P:.", "P:.", "W:y", "W:where", "W:n",
                           "P:>=", "N:1.5", "W:and", "W:s", "P:=", "S:it's -- not a comment"}));
    EXPECT_EQ(kinds("N'x' <> Scanned@ /* c */ [srv,2301]"), (QStringList{"S:x", "P:<>", "W:Scanned@", "I:srv,2301"}));
}

TEST(Tokenizer, RefusesUnclosedLiterals)
{
    EXPECT_THROW(db::tokenize("select 'abc"), db::DbError);
    EXPECT_THROW(db::tokenize("select [abc"), db::DbError);
}

TEST(Tokenizer, BlockCommentsNestAndMustBeClosed)
{
    struct Case {
        const char* sql;
        QStringList tokens;
    } closed[] = {
        {"a /* b /* c */ still comment */ d", {"W:a", "W:d"}},
        {"a/*/**/*/d", {"W:a", "W:d"}},
        {"a /* 'quote [bracket -- dash */ d", {"W:a", "W:d"}},
        {"a /* x */ b /* y */ c", {"W:a", "W:b", "W:c"}},
        {"a -- /* not opened\nd", {"W:a", "W:d"}},
        {"a '/* text */' d", {"W:a", "S:/* text */", "W:d"}},
    };
    for (const Case& c : closed)
        EXPECT_EQ(kinds(c.sql), c.tokens) << c.sql;
    for (const char* sql : {"a /* b", "a /* b /* c */ d", "a /*/ d", "a /* b */ */ /* c"}) {
        try {
            db::tokenize(sql);
            ADD_FAILURE() << sql << " tokenized";
        } catch (const db::DbError& e) {
            EXPECT_EQ(e.description(), "Missing end comment mark '*/'.") << sql;
        }
    }
}

TEST(Tokenizer, WritesTokensBackWithLiteralsRequoted)
{
    EXPECT_EQ(db::joinTokens(db::tokenize("select a.b,'O''Brien' AS [x y],count(*) from t")),
              "select a.b, 'O''Brien' AS \"x y\", count(*) from t");
}

TEST(SqlText, QuotingDoublesApostrophesOnly)
{
    EXPECT_EQ(db::sqlQuote("O'Brien"), "'O''Brien'");
    EXPECT_EQ(db::sqlName("KW]DHO,2301"), "[KW]]DHO,2301]");
    EXPECT_EQ(db::sqlQuote("' OR '1'='1"), "''' OR ''1''=''1'");
    EXPECT_EQ(db::sqlQuote(""), "''");
    EXPECT_EQ(db::sqlDate(QDate(2026, 6, 7)), "'2026-06-07'");
    EXPECT_EQ(db::sqlDateTime(runtime::WallDateTime(QDate(2026, 6, 7), QTime(9, 5, 3))), "'2026-06-07 09:05:03'");
}

} // namespace
