#include "platform/db/TsqlAdapter.h"

#include "platform/db/DbError.h"

#include <QSet>
#include <algorithm>

namespace db {

namespace {

using Tokens = std::vector<Token>;

Token word(const QString& text) { return {Token::Word, text}; }
Token punct(const QString& text) { return {Token::Punct, text}; }

bool isName(const Token& t) { return t.kind == Token::Word || t.kind == Token::Identifier; }

// Index of the parenthesis closing the one at `open`, or tokens.size() when unbalanced.
size_t matchParen(const Tokens& t, size_t open)
{
    int depth = 0;
    for (size_t i = open; i < t.size(); ++i) {
        if (t[i].isPunct("("))
            ++depth;
        else if (t[i].isPunct(")") && --depth == 0)
            return i;
    }
    throw DbError(kErrStatement, QStringLiteral("Incorrect syntax: a parenthesis is not closed."));
}

// ---- multi-part names ---------------------------------------------------------------------------

bool isSchemaPart(const QString& part) { return part.isEmpty() || part.compare(u"dbo", Qt::CaseInsensitive) == 0; }

// db..table, db.dbo.table, [server,port].db.dbo.table and dbo.table become schema.table.
void rewriteNames(Tokens& t, NameResolver& resolver)
{
    Tokens out;
    out.reserve(t.size());
    for (size_t i = 0; i < t.size();) {
        const bool qualifiedStart = isName(t[i]) && i + 1 < t.size() && t[i + 1].isPunct(".")
                                    && (i == 0 || !t[i - 1].isPunct("."));
        if (!qualifiedStart) {
            out.push_back(t[i++]);
            continue;
        }
        QStringList parts{t[i].text};
        size_t k = i + 1;
        while (k < t.size() && t[k].isPunct(".")) {
            if (k + 1 < t.size() && isName(t[k + 1])) {
                parts << t[k + 1].text;
                k += 2;
            } else if (k + 1 < t.size() && t[k + 1].isPunct(".")) {
                parts << QString();
                k += 1;
            } else {
                break;
            }
        }
        QString server, database, table;
        qsizetype rest = 0;
        if (parts.size() >= 3 && isSchemaPart(parts[1]) && !parts[2].isEmpty()) {
            database = parts[0];
            table = parts[2];
            rest = 3;
        } else if (parts.size() >= 4 && isSchemaPart(parts[2]) && !parts[3].isEmpty()) {
            server = parts[0];
            database = parts[1];
            table = parts[3];
            rest = 4;
        } else if (parts.size() >= 2 && parts[0].compare(u"dbo", Qt::CaseInsensitive) == 0) {
            table = parts[1];
            rest = 2;
        } else {
            // alias.column and the like stay as they are
            for (size_t j = i; j < k; ++j)
                out.push_back(t[j]);
            i = k;
            continue;
        }
        if (!database.isEmpty()) {
            out.push_back(word(resolver.schemaFor(server, database)));
            out.push_back(punct(QStringLiteral(".")));
        }
        out.push_back({Token::Identifier, table});
        for (qsizetype p = rest; p < parts.size(); ++p) {
            out.push_back(punct(QStringLiteral(".")));
            out.push_back({Token::Identifier, parts[p]});
        }
        i = k;
    }
    t = std::move(out);
}

// ---- functions ----------------------------------------------------------------------------------

// Comma-separated arguments of the call whose "(" is at `open` (ranges of token indices).
std::vector<std::pair<size_t, size_t>> callArguments(const Tokens& t, size_t open, size_t close)
{
    std::vector<std::pair<size_t, size_t>> args;
    size_t start = open + 1;
    int depth = 0;
    for (size_t i = open + 1; i < close; ++i) {
        if (t[i].isPunct("("))
            ++depth;
        else if (t[i].isPunct(")"))
            --depth;
        else if (depth == 0 && t[i].isPunct(",")) {
            args.push_back({start, i});
            start = i + 1;
        }
    }
    if (start < close)
        args.push_back({start, close});
    return args;
}

void rewriteFunctions(Tokens& t)
{
    static const QHash<QString, QString> renamed = {
        {QStringLiteral("getdate"), QStringLiteral("qv_getdate")},
        {QStringLiteral("isnull"), QStringLiteral("ifnull")},
        {QStringLiteral("isnumeric"), QStringLiteral("qv_isnumeric")},
        {QStringLiteral("left"), QStringLiteral("qv_left")},
        {QStringLiteral("right"), QStringLiteral("qv_right")},
        {QStringLiteral("len"), QStringLiteral("qv_len")},
        {QStringLiteral("substring"), QStringLiteral("substr")},
        {QStringLiteral("year"), QStringLiteral("qv_year")},
        {QStringLiteral("month"), QStringLiteral("qv_month")},
        {QStringLiteral("day"), QStringLiteral("qv_day")},
    };
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        if (t[i].kind != Token::Word || !t[i + 1].isPunct("("))
            continue;
        if (i > 0 && t[i - 1].isPunct("."))
            continue;
        const QString name = t[i].text.toLower();
        if (name == u"convert") {
            // convert(type[(n)], value[, style]) -> qv_convert('type(n)', value[, style])
            const size_t close = matchParen(t, i + 1);
            const auto args = callArguments(t, i + 1, close);
            if (args.size() < 2)
                throw DbError(kErrStatement, QStringLiteral("The convert function requires 2 to 3 arguments."));
            QString type;
            for (size_t k = args[0].first; k < args[0].second; ++k)
                type += t[k].text;
            Tokens call{word(QStringLiteral("qv_convert")), punct(QStringLiteral("(")), {Token::String, type.toLower()}};
            for (size_t k = args[0].second; k <= close; ++k)
                call.push_back(t[k]);
            t.erase(t.begin() + i, t.begin() + close + 1);
            t.insert(t.begin() + i, call.begin(), call.end());
            continue;
        }
        const auto it = renamed.find(name);
        if (it != renamed.end())
            t[i].text = it.value();
    }
}

// ---- TOP n --------------------------------------------------------------------------------------

bool isCompoundWord(const Token& t) { return t.isWord("UNION") || t.isWord("EXCEPT") || t.isWord("INTERSECT"); }

// End of the SELECT starting at `select`: an unmatched ")", a compound operator at its level, or the end.
size_t selectEnd(const Tokens& t, size_t select, bool& compound)
{
    int depth = 0;
    compound = false;
    for (size_t i = select + 1; i < t.size(); ++i) {
        if (t[i].isPunct("("))
            ++depth;
        else if (t[i].isPunct(")") && --depth < 0)
            return i;
        else if (depth == 0 && isCompoundWord(t[i])) {
            compound = true;
            return i;
        }
    }
    return t.size();
}

bool followsCompound(const Tokens& t, size_t select)
{
    if (select == 0)
        return false;
    const Token& prev = t[select - 1];
    return isCompoundWord(prev) || prev.isWord("ALL");
}

// SELECT [DISTINCT] TOP n ... becomes SELECT [DISTINCT] ... LIMIT n, wrapped when part of a UNION.
void rewriteTop(Tokens& t)
{
    for (size_t s = t.size(); s-- > 0;) {
        if (!t[s].isWord("SELECT"))
            continue;
        size_t k = s + 1;
        if (k < t.size() && (t[k].isWord("DISTINCT") || t[k].isWord("ALL")))
            ++k;
        if (k >= t.size() || !t[k].isWord("TOP"))
            continue;
        size_t valueEnd = k + 2;
        Token count;
        if (k + 1 < t.size() && t[k + 1].kind == Token::Number) {
            count = t[k + 1];
        } else if (k + 3 < t.size() && t[k + 1].isPunct("(") && t[k + 3].isPunct(")")) {
            count = t[k + 2];
            valueEnd = k + 4;
        } else {
            throw DbError(kErrStatement, QStringLiteral("Incorrect syntax near 'TOP'."));
        }
        t.erase(t.begin() + k, t.begin() + valueEnd);
        bool compound = false;
        const size_t end = selectEnd(t, s, compound);
        const Tokens limit{word(QStringLiteral("LIMIT")), count};
        if (compound || followsCompound(t, s)) {
            t.insert(t.begin() + end, punct(QStringLiteral(")")));
            t.insert(t.begin() + end, limit.begin(), limit.end());
            const Tokens wrap{word(QStringLiteral("SELECT")), punct(QStringLiteral("*")), word(QStringLiteral("FROM")),
                              punct(QStringLiteral("("))};
            t.insert(t.begin() + s, wrap.begin(), wrap.end());
        } else {
            t.insert(t.begin() + end, limit.begin(), limit.end());
        }
    }
}

// ---- result column names ------------------------------------------------------------------------

// The server names a result column after the column reference as the statement writes it
// ("select cno" gives "cno"); SQLite would use the table's spelling. Name plain column references
// explicitly, which also lets ORDER BY use them as SQL Server does.
void nameResultColumns(Tokens& t)
{
    for (size_t s = 0; s < t.size(); ++s) {
        if (!t[s].isWord("SELECT"))
            continue;
        size_t i = s + 1;
        if (i < t.size() && (t[i].isWord("DISTINCT") || t[i].isWord("ALL")))
            ++i;
        int depth = 0;
        size_t itemStart = i;
        for (; i <= t.size(); ++i) {
            const bool atEnd = i == t.size();
            if (!atEnd && t[i].isPunct("(")) {
                ++depth;
                continue;
            }
            if (!atEnd && t[i].isPunct(")") && depth > 0) {
                --depth;
                continue;
            }
            if (depth > 0)
                continue;
            const bool itemEnd = atEnd || t[i].isPunct(",") || t[i].isPunct(")") || t[i].isWord("FROM")
                                 || t[i].isWord("INTO") || t[i].isWord("LIMIT") || isCompoundWord(t[i]);
            if (!itemEnd)
                continue;
            // a plain reference: name(.name)*
            bool plain = i > itemStart && (i - itemStart) % 2 == 1;
            for (size_t k = itemStart; plain && k < i; ++k)
                plain = (k - itemStart) % 2 == 0 ? isName(t[k]) && !t[k].isWord("NULL") : t[k].isPunct(".");
            if (plain) {
                const Token name{Token::Identifier, t[i - 1].text};
                t.insert(t.begin() + i, {word(QStringLiteral("AS")), name});
                i += 2;
            }
            if (atEnd || !t[i].isPunct(","))
                break;
            itemStart = i + 1;
        }
    }
}

// ---- aliases ------------------------------------------------------------------------------------

void rewriteAliases(Tokens& t)
{
    for (size_t i = 1; i < t.size(); ++i) {
        if (t[i].kind == Token::String && t[i - 1].isWord("AS"))
            t[i].kind = Token::Identifier;
    }
}

// ---- string + ----------------------------------------------------------------------------------

bool isBoundaryWord(const Token& t)
{
    static const QSet<QString> words = {
        "SELECT", "DISTINCT", "TOP", "FROM", "WHERE", "AND", "OR", "NOT", "AS", "ON", "JOIN", "INNER",
        "LEFT", "RIGHT", "OUTER", "FULL", "CROSS", "ORDER", "GROUP", "BY", "HAVING", "WHEN", "THEN",
        "ELSE", "END", "LIKE", "IN", "BETWEEN", "IS", "UNION", "ALL", "EXCEPT", "INTERSECT", "SET",
        "VALUES", "INTO", "INSERT", "UPDATE", "DELETE", "ASC", "DESC", "OVER", "PARTITION", "EXISTS",
        "LIMIT", "ESCAPE", "WITH", "COLLATE"};
    return t.kind == Token::Word && words.contains(t.text.toUpper());
}

// Rewrites every additive expression that holds a + into qv_add(a, b), which concatenates text and
// adds numbers as the server does; - stays numeric.
class PlusRewriter {
public:
    explicit PlusRewriter(const Tokens& tokens) : t(tokens) {}

    Tokens run() { return range(0, t.size()); }

private:
    const Tokens& t;

    size_t caseEnd(size_t caseIndex, size_t e) const
    {
        int depth = 0;
        for (size_t i = caseIndex; i < e; ++i) {
            if (t[i].isWord("CASE"))
                ++depth;
            else if (t[i].isWord("END") && --depth == 0)
                return i;
        }
        throw DbError(kErrStatement, QStringLiteral("Incorrect syntax: CASE without END."));
    }

    size_t primaryEnd(size_t i, size_t e) const
    {
        if (i >= e)
            return i;
        const Token& tok = t[i];
        if (tok.isPunct("("))
            return matchParen(t, i) + 1;
        if (tok.kind == Token::String || tok.kind == Token::Number)
            return i + 1;
        if (tok.isWord("CASE"))
            return caseEnd(i, e) + 1;
        if (!isName(tok) || isBoundaryWord(tok))
            return i;
        size_t k = i + 1;
        while (k + 1 < e && t[k].isPunct(".") && (isName(t[k + 1]) || t[k + 1].isPunct("*")))
            k += 2;
        if (k < e && t[k].isPunct("(")) {
            k = matchParen(t, k) + 1;
            if (k + 1 < e && t[k].isWord("OVER") && t[k + 1].isPunct("("))
                k = matchParen(t, k + 1) + 1;
        }
        return k;
    }

    size_t factorEnd(size_t i, size_t e) const
    {
        size_t k = i;
        while (k < e && (t[k].isPunct("-") || t[k].isPunct("+") || t[k].isPunct("~")))
            ++k;
        const size_t end = primaryEnd(k, e);
        return end == k ? i : end;
    }

    size_t termEnd(size_t i, size_t e) const
    {
        size_t k = factorEnd(i, e);
        if (k == i)
            return i;
        while (k < e && (t[k].isPunct("*") || t[k].isPunct("/") || t[k].isPunct("%"))) {
            const size_t next = factorEnd(k + 1, e);
            if (next == k + 1)
                break;
            k = next;
        }
        return k;
    }

    // Copies [b, e) and rewrites inside parentheses and CASE bodies.
    Tokens term(size_t b, size_t e) const
    {
        Tokens out;
        for (size_t i = b; i < e;) {
            if (t[i].isPunct("(")) {
                const size_t close = matchParen(t, i);
                out.push_back(t[i]);
                const Tokens inner = range(i + 1, close);
                out.insert(out.end(), inner.begin(), inner.end());
                out.push_back(t[close]);
                i = close + 1;
            } else if (t[i].isWord("CASE")) {
                const size_t end = caseEnd(i, e);
                out.push_back(t[i]);
                const Tokens inner = range(i + 1, end);
                out.insert(out.end(), inner.begin(), inner.end());
                out.push_back(t[end]);
                i = end + 1;
            } else {
                out.push_back(t[i++]);
            }
        }
        return out;
    }

    static bool endsOperand(const Token& tok)
    {
        return tok.kind == Token::String || tok.kind == Token::Number || tok.kind == Token::Identifier
               || tok.isPunct(")") || (tok.kind == Token::Word && !isBoundaryWord(tok));
    }

    Tokens range(size_t b, size_t e) const
    {
        Tokens out;
        bool afterOperand = false;
        for (size_t i = b; i < e;) {
            if (!afterOperand) {
                const size_t first = termEnd(i, e);
                if (first > i) {
                    i = additive(i, first, e, out);
                    afterOperand = true;
                    continue;
                }
            }
            if (t[i].isPunct("(")) {
                const Tokens group = term(i, matchParen(t, i) + 1);
                out.insert(out.end(), group.begin(), group.end());
                i = matchParen(t, i) + 1;
                afterOperand = true;
                continue;
            }
            afterOperand = endsOperand(t[i]);
            out.push_back(t[i++]);
        }
        return out;
    }

    // An additive chain starting with the term [b, firstEnd); returns the index after it.
    size_t additive(size_t b, size_t firstEnd, size_t e, Tokens& out) const
    {
        struct Part {
            QString op;
            size_t begin, end;
        };
        std::vector<Part> parts{{QString(), b, firstEnd}};
        size_t k = firstEnd;
        while (k < e && (t[k].isPunct("+") || t[k].isPunct("-"))) {
            const size_t next = termEnd(k + 1, e);
            if (next == k + 1)
                break;
            parts.push_back({t[k].text, k + 1, next});
            k = next;
        }
        const bool hasPlus = std::any_of(parts.begin(), parts.end(), [](const Part& p) { return p.op == u"+"; });
        if (!hasPlus) {
            for (const Part& p : parts) {
                if (!p.op.isEmpty())
                    out.push_back(punct(p.op));
                const Tokens tt = term(p.begin, p.end);
                out.insert(out.end(), tt.begin(), tt.end());
            }
            return k;
        }
        Tokens acc = term(parts[0].begin, parts[0].end);
        for (size_t p = 1; p < parts.size(); ++p) {
            const Tokens right = term(parts[p].begin, parts[p].end);
            Tokens next;
            if (parts[p].op == u"+")
                next = {word(QStringLiteral("qv_add")), punct(QStringLiteral("("))};
            else
                next = {punct(QStringLiteral("("))};
            next.insert(next.end(), acc.begin(), acc.end());
            next.push_back(punct(parts[p].op == u"+" ? QStringLiteral(",") : QStringLiteral("-")));
            next.insert(next.end(), right.begin(), right.end());
            next.push_back(punct(QStringLiteral(")")));
            acc = std::move(next);
        }
        out.insert(out.end(), acc.begin(), acc.end());
        return k;
    }
};

// ---- INSERT without a column list ---------------------------------------------------------------

// INSERT [INTO] table VALUES (...) into a table whose key the server numbers: SQL Server fills the
// key itself and takes the values for the other columns, so name those columns for SQLite.
void completeInsertColumns(Tokens& t, NameResolver& resolver)
{
    size_t k = 1;
    if (k < t.size() && t[k].isWord("INTO"))
        ++k;
    QString schema = QStringLiteral("main");
    size_t tableIndex = k;
    if (k + 2 < t.size() && t[k + 1].isPunct(".")) {
        schema = t[k].text;
        tableIndex = k + 2;
    }
    const size_t valuesIndex = tableIndex + 1;
    if (valuesIndex + 1 >= t.size() || !t[valuesIndex].isWord("VALUES") || !t[valuesIndex + 1].isPunct("("))
        return;
    const size_t close = matchParen(t, valuesIndex + 1);
    const size_t valueCount = callArguments(t, valuesIndex + 1, close).size();
    const NameResolver::Columns columns = resolver.columnsOf(schema, t[tableIndex].text);
    if (columns.identity < 0 || valueCount + 1 != size_t(columns.names.size()))
        return;
    Tokens list{punct(QStringLiteral("("))};
    for (qsizetype c = 0; c < columns.names.size(); ++c) {
        if (c == columns.identity)
            continue;
        if (list.size() > 1)
            list.push_back(punct(QStringLiteral(",")));
        list.push_back({Token::Identifier, columns.names[c]});
    }
    list.push_back(punct(QStringLiteral(")")));
    t.insert(t.begin() + valuesIndex, list.begin(), list.end());
}

// ---- exec ---------------------------------------------------------------------------------------

AdaptedStatement procedureCall(const Tokens& t)
{
    if (t.size() < 2 || !isName(t[1]))
        throw DbError(kErrStatement, QStringLiteral("Incorrect syntax near 'exec'."));
    AdaptedStatement call;
    call.kind = AdaptedStatement::Procedure;
    // [database.[dbo].]procedure: the last name before the arguments
    size_t i = 1;
    while (i + 1 < t.size() && t[i + 1].isPunct(".")) {
        ++i;
        while (i + 1 < t.size() && t[i + 1].isPunct("."))
            ++i;
        if (i + 1 >= t.size() || !isName(t[i + 1]))
            throw DbError(kErrStatement, QStringLiteral("Incorrect syntax near '.'."));
        ++i;
    }
    call.procedure = t[i].text;
    for (++i; i < t.size(); ++i) {
        const Token& tok = t[i];
        if (tok.isPunct(",") || tok.isPunct("="))
            continue;
        if (tok.kind == Token::Word && tok.text.startsWith(u'@') && i + 1 < t.size() && t[i + 1].isPunct("="))
            continue; // @name = value: the value follows
        if (tok.isPunct("-") && i + 1 < t.size() && t[i + 1].kind == Token::Number) {
            call.arguments << -t[++i].text.toDouble();
        } else if (tok.kind == Token::String) {
            call.arguments << tok.text;
        } else if (tok.kind == Token::Number) {
            bool integral = false;
            const qlonglong v = tok.text.toLongLong(&integral);
            call.arguments << (integral ? QVariant(v) : QVariant(tok.text.toDouble()));
        } else if (tok.isWord("NULL")) {
            call.arguments << QVariant();
        } else {
            call.arguments << tok.text;
        }
    }
    return call;
}

} // namespace

std::vector<Tokens> splitStatements(const Tokens& tokens)
{
    std::vector<Tokens> statements(1);
    int depth = 0;
    for (const Token& tok : tokens) {
        if (tok.isPunct("("))
            ++depth;
        else if (tok.isPunct(")"))
            --depth;
        if (depth == 0 && tok.isPunct(";")) {
            statements.emplace_back();
            continue;
        }
        statements.back().push_back(tok);
    }
    statements.erase(std::remove_if(statements.begin(), statements.end(), [](const Tokens& s) { return s.empty(); }),
                     statements.end());
    return statements;
}

AdaptedStatement adaptStatement(Tokens t, NameResolver& resolver)
{
    if (t.empty())
        throw DbError(kErrStatement, QStringLiteral("The statement is empty."));
    if (t[0].isWord("EXEC") || t[0].isWord("EXECUTE"))
        return procedureCall(t);

    AdaptedStatement adapted;
    adapted.kind = (t[0].isWord("SELECT") || t[0].isWord("WITH") || t[0].isPunct("(")) ? AdaptedStatement::Query
                                                                                       : AdaptedStatement::Command;
    rewriteNames(t, resolver);
    rewriteFunctions(t);
    rewriteTop(t);
    nameResultColumns(t);
    rewriteAliases(t);
    if (std::any_of(t.begin(), t.end(), [](const Token& tok) { return tok.isPunct("+"); }))
        t = PlusRewriter(t).run();
    if (t[0].isWord("INSERT"))
        completeInsertColumns(t, resolver);
    adapted.tokens = std::move(t);
    return adapted;
}

} // namespace db
