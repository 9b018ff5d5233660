// The server's functions and operators as the statements meet them: overflow fails as the server
// fails, and LIKE matches as the server's collation compares.

#include "support/TempServer.h"

#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/db/SqlText.h"

using db::Connection;
using db::DbError;
using db::Recordset;
using testsupport::TempServer;

namespace {

// The value of "select <expression>" as text, or the error it raised.
QString valueOf(Connection& c, const QString& expression)
{
    try {
        Recordset rs;
        rs.open("select " + expression, c);
        return rs.value(0).toString();
    } catch (const DbError& e) {
        return "error: " + e.description();
    }
}

// Arithmetic beyond its type's range fails instead of wrapping; every text function takes a NUL
// inside a text as a character of it.
TEST(ServerFunctions, ExpressionsGiveTheServersValuesAndFailures)
{
    TempServer server;
    server.addDatabase("S", "D", "CREATE TABLE T (N INT)");
    Connection c;
    c.open(TempServer::connectionText("S", "D"));
    const QString toInt = "error: Arithmetic overflow error converting expression to data type int.";
    const QString toBigint = "error: Arithmetic overflow error converting expression to data type bigint.";
    const QString toDatetime = "error: Arithmetic overflow error converting expression to data type datetime.";
    const QString nul(QChar(0));
    const struct {
        const char* expression;
        QString expected;
    } cases[] = {
        {"9223372036854775806 + 1", "9223372036854775807"},
        {"9223372036854775807 + 1", toBigint},
        {"(-9223372036854775807 - 1) + -1", toBigint},
        {"'9223372036854775806' + 1", "9223372036854775807"},
        {"'9223372036854775807' + 1", toBigint},
        {"1 + '1e19'", toBigint},
        {"'1.5' + 1", "2.5"},
        {"1e308 + 1e308", "error: Arithmetic overflow error converting expression to data type float."},
        {"convert(int, 2147483647)", "2147483647"},
        {"convert(int, -2147483648)", "-2147483648"},
        {"convert(int, 2147483648)", toInt},
        {"convert(int, '1e30')", toInt},
        {"convert(int, 1e30)", toInt},
        {"convert(int, -12.7)", "-12"},
        {"convert(bigint, 1e19)", toBigint},
        {"convert(bigint, '-9223372036854775808')", "-9223372036854775808"},
        {"convert(smallint, 32768)", "error: Arithmetic overflow error converting expression to data type smallint."},
        {"convert(tinyint, 255)", "255"},
        {"convert(tinyint, -1)", "error: Arithmetic overflow error converting expression to data type tinyint."},
        {"convert(decimal(5,2), 999.99)", "999.99"},
        {"convert(decimal(5,2), 1000)", "error: Arithmetic overflow error converting int to data type numeric."},
        {"convert(numeric(5,2), '-1000.5')", "error: Arithmetic overflow error converting varchar to data type numeric."},
        {"convert(money, 1e20)", "error: Arithmetic overflow error converting expression to data type money."},
        {"convert(float, 'inf')", "error: Conversion failed when converting the varchar value 'inf' to data type float."},
        {"'2026-01-31' + 1", "2026-02-01 00:00:00"},
        {"'2026-01-31 06:00' + 0.75", "2026-02-01 00:00:00"},
        {"getdate() + 1e300", toDatetime},
        {"getdate() + -1e300", toDatetime},
        {"'9999-12-31' + 1", toDatetime},
        {"'1753-01-01' + -1", toDatetime},
        {"'2026-01-31' + 3000000", toDatetime},
        {"'x'+SUBSTRING('a'+CHAR(0)+'bc',3,2)+'x'", "xbcx"},
        {"SUBSTRING('a'+CHAR(0)+'bc',0,3)", "a" + nul},
        {"SUBSTRING('abc',-1,3)", "a"},
        {"SUBSTRING('abc',2,-1)", "error: Invalid length parameter passed to the substring function."},
        {"(select count(*) from (select 'a'+CHAR(0)+'bc' AS City) X where SUBSTRING(City,1,3)='a'+CHAR(0)+'b')", "1"},
        {"LEFT('a'+CHAR(0)+'bc',3)", "a" + nul + "b"},
        {"RIGHT('a'+CHAR(0)+'bc',3)", nul + "bc"},
        {"UPPER('a'+CHAR(0)+'bc')", "A" + nul + "BC"},
        {"LOWER('A'+CHAR(0)+'BC')", "a" + nul + "bc"},
        {"LTRIM(' a'+CHAR(0))+RTRIM(CHAR(0)+'b ')", "a" + nul + nul + "b"},
        {"REPLACE('a'+CHAR(0)+'bc','b','x')", "a" + nul + "xc"},
        {"ISNULL('a'+CHAR(0)+'bc','')", "a" + nul + "bc"},
        {"CONVERT(varchar(3),'a'+CHAR(0)+'bc')", "a" + nul + "b"},
    };
    for (const auto& k : cases)
        EXPECT_EQ(valueOf(c, k.expression), k.expected) << k.expression;
}

TEST(ServerFunctions, LikeMatchesAsTheServerDoes)
{
    TempServer server;
    server.addDatabase("S", "D", "CREATE TABLE T (N INT)");
    Connection c;
    c.open(TempServer::connectionText("S", "D"));
    const struct {
        const char* value;
        const char* pattern;
        bool matches;
    } cases[] = {
        {"MÜLLER", "%müller%", true},
        {"müller", "MÜ%", true},
        {"Øresund ÉCOLE", "øresund é_ole", true},
        {"ΣΟΦΙΑ", "σοφια", true},
        {"Muller", "%ü%", false},
        {"abc", "ABC", true},
        {"abc", "a_c", true},
        {"ac", "a_c", false},
        {"", "%", true},
        {"", "_", false},
        {"9 Main St", "[9]%", true},
        {"8 Main St", "[9]%", false},
        {"B", "[a-c]", true},
        {"d", "[a-c]", false},
        {"Ä", "[ä]", true},
        {"x", "[^x]", false},
        {"X", "[^x]", false},
        {"y", "[^x]", true},
        {"-", "[a-]", true},
        {"50%", "50[%]", true},
        {"500", "50[%]", false},
        {"a_b", "a[_]b", true},
        {"axb", "a[_]b", false},
        {"a[b", "a[[]b", true},
        {"abc   ", "abc", true},
        {"abc ", "abc_", true},
        {"abc", "abc ", false},
        {" abc", "abc", false},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "%a%a%a%a%a%b", true},
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", "%a%a%a%a%a%b", false},
        {"ZEL/123", "%/1__", true},
    };
    for (const auto& k : cases) {
        const QString sql = QStringLiteral("case when %1 like %2 then 1 else 0 end")
                                .arg(db::sqlQuote(QString::fromUtf8(k.value)), db::sqlQuote(QString::fromUtf8(k.pattern)));
        EXPECT_EQ(valueOf(c, sql), k.matches ? "1" : "0") << k.value << " like " << k.pattern;
    }
    const struct {
        const char* expression;
        const char* expected;
    } others[] = {
        {"case when '10%' like '10!%' escape '!' then 1 else 0 end", "1"},
        {"case when '100' like '10!%' escape '!' then 1 else 0 end", "0"},
        {"case when 'a!b' like 'a!!b' escape '!' then 1 else 0 end", "1"},
        {"case when 12345 like '123%' then 1 else 0 end", "1"},
        {"case when 'x' not like 'X' then 1 else 0 end", "0"},
        {"coalesce(null like '%', 'null')", "null"},
        {"'x' like 'x' escape 'ab'", "error: The invalid escape character \"ab\" was specified in a LIKE predicate."},
    };
    for (const auto& k : others)
        EXPECT_EQ(valueOf(c, k.expression), k.expected) << k.expression;
}

} // namespace
