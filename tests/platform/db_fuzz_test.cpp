// Whatever text reaches the data layer, turning it into SQLite's dialect either succeeds or fails
// with a DbError: never another exception, a crash or a hang, and never in more than linear time.
// The statement key read straight from a text agrees with the one the token path gives, on the same
// texts and on a table of the value forms the windows write.

#include "platform/db/DbError.h"
#include "platform/db/TsqlAdapter.h"
#include "platform/db/StatementTemplate.h"
#include "platform/db/TsqlParameters.h"
#include "platform/db/TsqlTokenizer.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <optional>
#include <random>
#include <unordered_map>

namespace {

// Every database is reachable and every table has a numbered key first.
class AnyName : public db::NameResolver {
public:
    QString schemaFor(const QString& server, const QString& database) override
    {
        return server.isEmpty() ? QStringLiteral("main") : QStringLiteral("linked_") + database;
    }
    Columns columnsOf(const QString&, const QString&) override { return {{"Id", "A", "B"}, 0}; }
};

// Some databases and tables are unknown, as on a server without them.
class SomeNames : public AnyName {
public:
    QString schemaFor(const QString& server, const QString& database) override
    {
        if (database.size() % 2 == 1)
            throw db::DbError::databaseNotFound(database);
        return AnyName::schemaFor(server, database);
    }
    Columns columnsOf(const QString& schema, const QString& table) override
    {
        if (table.contains(u'x', Qt::CaseInsensitive))
            throw db::DbError(db::DbErrorKind::Syntax, QStringLiteral("Invalid object name '%1'.").arg(table));
        return AnyName::columnsOf(schema, table);
    }
};

// Statements of the kinds the windows send, built from a fixed seed.
class Statements {
public:
    explicit Statements(unsigned seed) : random(seed) {}

    QString next() { return mangled(pick(4) == 0 ? write() : query(0)); }

private:
    std::mt19937 random;

    int pick(int n) { return int(random() % unsigned(n)); }
    template <size_t N> QString any(const char* const (&words)[N]) { return QString::fromUtf8(words[pick(int(N))]); }

    QString column()
    {
        static const char* const names[] = {"ConsignmentNo", "Origin", "R.RunsheetNo", "[Scanned@]", "Mobile_No", "[a aas ab]",
                                            "dbo.T.Weight", "RD.*", "\"Quoted Name\"", "Weight"};
        return any(names);
    }
    QString table()
    {
        static const char* const names[] = {"RunsheetDetails", "ZELAdminConfig..CityMaster", "Tracking.dbo.Incoming_Queries",
                                            "[KWDHO,2301].KWD32Server.dbo.DrFile", "dbo.Misroute", "x..[odd table]", "tblX"};
        return any(names) + (pick(3) == 0 ? QStringLiteral(" R") : QString());
    }
    QString literal()
    {
        static const char* const values[] = {"'KWD'", "'O''Brien'", "N'ünï'", "12345678901234", "1.5", "-3", "NULL", "'2026-06-07'",
                                             "''", "'a..b + [c] -- d /* e'"};
        return any(values);
    }
    QString expression(int depth)
    {
        switch (depth > 3 ? pick(3) : pick(9)) {
        case 0: return column();
        case 1: return literal();
        case 2: return expression(depth + 1) + QStringLiteral(" + ") + expression(depth + 1);
        case 3: return QStringLiteral("convert(varchar(10), %1, 103)").arg(expression(depth + 1));
        case 4: return QStringLiteral("isnull(%1, %2)").arg(column(), literal());
        case 5: return QStringLiteral("case when %1 then %2 else %3 end").arg(condition(depth + 1), expression(depth + 1), literal());
        case 6: return QStringLiteral("(%1)").arg(query(depth + 1));
        case 7: return QStringLiteral("RIGHT(%1, 4) * -%2").arg(column(), literal());
        default: return QStringLiteral("count(*)");
        }
    }
    QString condition(int depth)
    {
        switch (depth > 3 ? pick(4) : pick(7)) {
        case 0: return column() + QStringLiteral(" = ") + expression(depth + 1);
        case 1: return column() + QStringLiteral(" like 'kw%'");
        case 2: return column() + QStringLiteral(" in (%1, %2)").arg(literal(), literal());
        case 3: return column() + QStringLiteral(" between %1 and %2").arg(literal(), literal());
        case 4: return QStringLiteral("(%1 or %2)").arg(condition(depth + 1), condition(depth + 1));
        case 5: return condition(depth + 1) + QStringLiteral(" and not ") + condition(depth + 1);
        default: return QStringLiteral("exists (%1)").arg(query(depth + 1));
        }
    }
    QString query(int depth)
    {
        QString sql = QStringLiteral("select ");
        if (pick(3) == 0)
            sql += pick(2) ? QStringLiteral("top 5 ") : QStringLiteral("distinct top (1) ");
        for (int n = pick(4); n >= 0; --n)
            sql += expression(depth) + (pick(3) == 0 ? QStringLiteral(" as 'Name %1'").arg(n) : QString()) + (n ? "," : " ");
        sql += QStringLiteral("from ") + table();
        if (pick(2))
            sql += QStringLiteral(" where ") + condition(depth);
        if (depth == 0 && pick(4) == 0)
            sql += QStringLiteral(" union ") + query(depth + 1);
        if (depth == 0 && pick(3) == 0)
            sql += QStringLiteral(" order by 1, ") + column() + QStringLiteral(" desc");
        return sql;
    }
    QString write()
    {
        switch (pick(4)) {
        case 0: return QStringLiteral("INSERT INTO %1 Values (%2, %3)").arg(table(), literal(), expression(1));
        case 1: return QStringLiteral("update %1 set %2 = %3 where %4").arg(table(), column(), expression(1), condition(1));
        case 2: return QStringLiteral("delete from %1 where %2; %3").arg(table(), condition(1), query(1));
        default: return QStringLiteral("exec ZELADMINCONFIG..SP_Count %1, @Month = %2").arg(literal(), literal());
        }
    }

    // The statement with a few random edits of the kinds that break tokenizers and rewriters.
    QString mangled(QString sql)
    {
        static const char* const pieces[] = {"'", "[", "]", "\"", "(", ")", ",", ".", ";", "+", "-", "--", "/*", "*/", "/* c /* d */ */",
                                             "-- comment\n", "\n", " case ", " end ", " top ", " select ", " convert(", " N'",
                                             "é", "漢字", "😀", "\u00a0"};
        for (int edits = pick(4); edits > 0; --edits) {
            const int at = pick(int(sql.size()) + 1);
            switch (pick(6)) {
            case 0: sql.insert(at, any(pieces)); break;
            case 1: sql.remove(at, 1 + pick(8)); break;
            case 2: sql.insert(at, QString(300, u'9')); break;
            case 3: {
                const int levels = pick(2) ? 1 + pick(40) : 200 + pick(400);
                const QString inner = sql.mid(at, pick(20));
                sql.replace(at, inner.size(), QString(levels, u'(') + inner + QString(pick(4) ? levels : pick(levels + 1), u')'));
                break;
            }
            case 4: sql.insert(at, QChar(char16_t(random() % 0x10000))); break;
            default: sql.insert(at, sql.mid(pick(int(sql.size()) + 1), pick(30))); break;
            }
        }
        return sql;
    }
};

QString tokenText(const std::vector<db::Token>& tokens)
{
    QString text;
    for (const db::Token& t : tokens)
        text += QString::number(t.kind) + QLatin1Char(':') + QString::number(t.text.size()) + QLatin1Char(':') + t.text;
    return text;
}

// The key the token path gives for the one statement of a text: nothing where the engine leaves a
// text to the token path (exec, or a second statement after a semicolon).
std::optional<db::StatementKey> keyByTokens(const QString& sql)
{
    std::vector<db::Token> tokens = db::tokenize(sql);
    const auto end = std::find_if(tokens.begin(), tokens.end(), [](const db::Token& t) { return t.isPunct(";"); });
    if (std::any_of(end, tokens.end(), [](const db::Token& t) { return !t.isPunct(";"); }))
        return std::nullopt;
    tokens.erase(end, tokens.end());
    if (!tokens.empty() && (tokens.front().isWord("EXEC") || tokens.front().isWord("EXECUTE")))
        return std::nullopt;
    db::ParameterizedStatement p = db::parameterize(tokens);
    return db::StatementKey{std::move(p.shape), std::move(p.values)};
}

// A key as text: the shape, then each value with its type; "refused: <error>" or "token path".
template <typename Read> QString keyText(Read read)
{
    try {
        const std::optional<db::StatementKey> key = read();
        if (!key)
            return QStringLiteral("token path");
        QString text = key->shape;
        for (const QVariant& v : key->values)
            text += QStringLiteral(" | %1 %2").arg(QString::fromLatin1(v.typeName()), v.toString());
        return text;
    } catch (const db::DbError& e) {
        return QStringLiteral("refused: ") + e.description();
    }
}

void expectSameKey(const QString& sql)
{
    EXPECT_EQ(keyText([&] { return db::statementKey(sql); }).toStdString(), keyText([&] { return keyByTokens(sql); }).toStdString())
        << sql.toStdString();
}

template <typename Step> void orDbError(Step step)
{
    try {
        step();
    } catch (const db::DbError&) {
    }
}

// Runs a batch through every step as the engine does; two statements with one shape must have one
// parameterized form. Any exception other than DbError escapes.
void adapt(const QString& sql, std::unordered_map<QString, QString>& forms)
{
    expectSameKey(sql);
    AnyName any;
    SomeNames some;
    orDbError([&] {
        for (const std::vector<db::Token>& statement : db::splitStatements(db::tokenize(sql))) {
            const db::ParameterizedStatement parameterized = db::parameterize(statement);
            const QString form = tokenText(parameterized.tokens);
            EXPECT_EQ(forms.emplace(parameterized.shape, form).first->second, form) << sql.toStdString();
            orDbError([&] { db::parameterText(db::adaptStatement(parameterized.tokens, any).tokens); });
            orDbError([&] { db::joinTokens(db::adaptStatement(statement, any).tokens); });
            orDbError([&] { db::adaptStatement(statement, some); });
        }
    });
}

TEST(TsqlFuzz, GeneratedAndMangledStatementsAdaptOrFailWithADbError)
{
    Statements statements(20261207);
    std::unordered_map<QString, QString> forms;
    for (int i = 0; i < 3000; ++i) {
        const QString sql = statements.next();
        try {
            adapt(sql, forms);
        } catch (const std::exception& e) {
            ADD_FAILURE() << e.what() << " from " << sql.toStdString();
        }
    }
}

TEST(StatementKey, ReadFromTheTextAsTheTokenPathKeysIt)
{
    const char* const statements[] = {
        // text values: doubled apostrophes, N'', empty, dates, LIKE patterns, comment marks inside
        "select * from T where A='O''Brien' and B=N'ünï' and C='' and D=''''",
        "select * from T where d>='2026-06-01' and d<='2026-06-30 23:59:59' and x like '%kw_[a-c]%'",
        "select 'a -- b /* c' + [x]]y] + \"q\"\"r\" from [T 1]",
        // numbers: negative, decimal, exponent, leading point, names starting with digits
        "select -3, - 4, 1.5, .5, 1e3, 2.5E-2, 12345678901234, 99999999999999999999, 1.2.3, 2ndCol, x.5 from T",
        "select a-1, a - -1, (.5), 1.e5, 3e, 3e+ from T",
        // values that shape the statement stay in it
        "select top 5 a, convert(varchar(10), d, 103), convert(decimal(10, 2), w), cast(x as char(3)) from T",
        "select a AS 'Name', b AS 'it''s', c 'Other' from T",
        "select a, count(*) from T where b in (1, 2, 'x') group by a, 2 having count(*) > 1 order by 2 desc, 1",
        "select (select top 1 b from U order by 1) from T where c = 3 order by a, 2",
        "select a from T order by (select 1), 2 union select b from U where c = 4",
        "update T set a = 5, b = 'x' where c in (select d from U where e = 6)",
        "insert into T values (1, 'a', -2.5, NULL)",
        // comments, blanks and the statement's end
        "select /* 1 /* 2 */ 3 */ a -- 4\n from T where b = 5 ;",
        "select 1;;  ; -- done",
        "select 1; select 2",
        "select 1; exec P 2",
        "exec ZELADMINCONFIG..SP_Count 'x', @Month = 6",
        "Execute P",
        "",
        "  -- nothing\n /* at all */ ",
        ";",
        // refused texts
        "select 'abc",
        "select [abc",
        "select a /* b",
        "select 1; select 'open",
    };
    for (const char* sql : statements)
        expectSameKey(QString::fromUtf8(sql));
}

TEST(StatementTemplate, MatchesOnlyATextThatReadsAsTheKeptOneWithOtherValues)
{
    const struct {
        const char* kept;
        const char* other;
        bool matches; // or is refused as reading the whole text refuses it
    } cases[] = {
        {"select * from T where A=5 and B='x' order by 1", "select * from T where A=1e5 and B='it''s' order by 1", true},
        {"select * from T where A=5 and B='x' order by 1", "select * from T where A=٥ and B=N'x' order by 1", false},
        {"select * from T where a='x' and b=N'y'", "select * from T where a='x'' and b=''z' and b=n'w'", true},
        {"select (.5), x.5 from T", "select (.75), x.25 from T", true},
        {"select 'a' from T", "select 'a from T", true},
        {"select 5 from T", "select NULL from T", false}, {"select 5 from T", "select 5x from T", false},
        {"select * from T where A=5", "select * from T where A=5 or 1=1", false},
        {"select * from T where A='x'", "select * from T where A='x'; delete from T --'", false},
        {"select * from T where B=x'1'", "select * from T where B=xN'1'", false},
        {"select 'x'5", "select 'x''y'", false}, {"select a=.5", "select a=1.5", false},
        {"select a, b from T order by 1", "select a, b from T order by 2", false},
        {"select a AS 'x' from T", "select a AS 'y' from T", false},
    };
    for (const auto& c : cases) {
        const QString keptSql = QString::fromUtf8(c.kept);
        const std::optional<db::StatementKey> kept = db::statementKey(keptSql);
        const db::StatementTemplate keptText(keptSql, kept->literals);
        const QString other = QString::fromUtf8(c.other);
        QVariantList values;
        const QString matched = keyText([&]() -> std::optional<db::StatementKey> {
            return keptText.match(other, values) ? std::optional(db::StatementKey{kept->shape, values}) : std::nullopt;
        });
        EXPECT_EQ(matched != QStringLiteral("token path"), c.matches) << c.other;
        if (c.matches) { // a match gives what reading the whole text gives
            EXPECT_EQ(matched.toStdString(), keyText([&] { return db::statementKey(other); }).toStdString()) << c.other;
        }
    }
}

TEST(TsqlFuzz, LongStatementsAdaptInLinearTime)
{
    // each statement with n and 8n repeats; a rewriter that is quadratic somewhere makes this crawl,
    // and one that recurses without bound overflows the stack
    const struct {
        const char* head;
        const char* repeated; // # numbers the repeats
        const char* middle;
        const char* closing; // repeated as often
    } statements[] = {
        {"select ", "'a' + c# + ", "c from t", ""},
        {"select ", "c#, ", "c from t", ""},
        {"select ", "convert(varchar(10), c#, 103), ", "c from t", ""},
        {"select ", "(select top 1 a from t#) union select top 2 b from u union ", "select c from t", ""},
        {"select 'a' + ", "- ", "from t", ""},
        {"", "select top 1 c + ", "c from t", ""},
        {"select ", "((((((((((((((((((((1 + 'x')))))))))))))))))))) + ", "c from t", ""},
        {"select ", "case when c# = 1 then 'a' + c else d end + ", "c from t", ""},
        {"select ", "ZELAdminConfig..CityMaster.Name + ", "c from t", ""},
        {"select ", "((((((((((((((((((((", "'a' + 'b'", "))))))))))))))))))))"},
    };
    std::unordered_map<QString, QString> forms;
    for (const auto& statement : statements) {
        for (const int n : {500, 4000}) {
            QString sql = QString::fromLatin1(statement.head);
            for (int i = 0; i < n; ++i)
                sql += QString::fromLatin1(statement.repeated).replace(u'#', QString::number(i));
            sql += QString::fromLatin1(statement.middle) + QString::fromLatin1(statement.closing).repeated(n);
            adapt(sql, forms);
        }
    }
}

} // namespace
