#include "platform/db/TsqlAdapter.h"

#include "platform/db/DbError.h"
#include "platform/db/TsqlRowNumber.h"
#include "platform/db/TsqlTokens.h"

#include <QSet>
#include <algorithm>
#include <iterator>

namespace db {

namespace {

// Deeper than this the statement is refused, as the server refuses one past its own nesting limit;
// the rewriters below recurse once per level.
constexpr int kMaxNesting = 256;

[[noreturn]] void throwTooDeep()
{
    throw DbError(DbErrorKind::Syntax, QStringLiteral("Cannot run a statement too deeply nested (more than %1 levels of "
                                                "parentheses and CASE).")
                                     .arg(kMaxNesting));
}

// A column's DEFAULT in a table's definition is a constant, NULL or a call, never a name: SQLite
// would take a name there for a text.
void refuseNameAsDefault(const Tokens& t)
{
    if (!t.front().isWord("CREATE") && !t.front().isWord("ALTER"))
        return;
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        const Token& value = t[i + 1];
        if (!t[i].isWord("DEFAULT") || !isName(value) || value.isWord("NULL") || value.isWord("CURRENT_TIMESTAMP")
            || (i + 2 < t.size() && t[i + 2].isPunct("(")))
            continue;
        throw DbError(DbErrorKind::Syntax,
                      QStringLiteral("The name \"%1\" is not permitted in this context. Valid expressions are constants, "
                                     "constant expressions, and (in some contexts) variables. Column names are not "
                                     "permitted.")
                          .arg(value.text));
    }
}

void refuseDeepNesting(const Tokens& t)
{
    int parens = 0, cases = 0;
    for (const Token& tok : t) {
        if (tok.isPunct("("))
            ++parens;
        else if (tok.isPunct(")") && parens > 0)
            --parens;
        else if (tok.isWord("CASE"))
            ++cases;
        else if (tok.isWord("END") && cases > 0)
            --cases;
        if (parens + cases > kMaxNesting)
            throwTooDeep();
    }
}

// Index of the parenthesis closing the one at `open`.
size_t closingParen(const std::vector<size_t>& partner, size_t open)
{
    if (partner[open] == kUnmatched)
        throw DbError(DbErrorKind::Syntax, QStringLiteral("Incorrect syntax: a parenthesis is not closed."));
    return partner[open];
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

bool isCall(const Tokens& t, size_t i)
{
    return t[i].kind == Token::Word && i + 1 < t.size() && t[i + 1].isPunct("(") && (i == 0 || !t[i - 1].isPunct("."));
}

// getdate() -> qv_getdate() and the like.
void renameCall(Token& name)
{
    static const QHash<QString, QString> renamed = {
        {QStringLiteral("getdate"), QStringLiteral("qv_getdate")},
        {QStringLiteral("isnull"), QStringLiteral("ifnull")},
        {QStringLiteral("isnumeric"), QStringLiteral("qv_isnumeric")},
        {QStringLiteral("left"), QStringLiteral("qv_left")},
        {QStringLiteral("right"), QStringLiteral("qv_right")},
        {QStringLiteral("len"), QStringLiteral("qv_len")},
        {QStringLiteral("substring"), QStringLiteral("qv_substring")},
        {QStringLiteral("year"), QStringLiteral("qv_year")},
        {QStringLiteral("month"), QStringLiteral("qv_month")},
        {QStringLiteral("day"), QStringLiteral("qv_day")},
    };
    const auto it = renamed.find(name.text.toLower());
    if (it != renamed.end())
        name.text = it.value();
}

void rewriteFunctions(Tokens& t)
{
    // renames in place up to the first convert; from there on the statement is written out again
    size_t i = 0;
    for (; i < t.size(); ++i) {
        if (!isCall(t, i))
            continue;
        if (t[i].isWord("CONVERT"))
            break;
        renameCall(t[i]);
    }
    if (i == t.size())
        return;
    const std::vector<size_t> partner = partners(t);
    Tokens out;
    out.reserve(t.size());
    out.insert(out.end(), t.begin(), t.begin() + i);
    while (i < t.size()) {
        const bool call = isCall(t, i);
        if (!call || !t[i].isWord("CONVERT")) {
            if (call)
                renameCall(t[i]);
            out.push_back(t[i++]); // copied: the next call test reads it
            continue;
        }
        // convert(type[(n)], value[, style]) -> qv_convert('type(n)', value[, style])
        const size_t close = closingParen(partner, i + 1);
        size_t typeEnd = i + 2;
        while (typeEnd < close && !t[typeEnd].isPunct(","))
            typeEnd = t[typeEnd].isPunct("(") ? partner[typeEnd] + 1 : typeEnd + 1;
        if (typeEnd + 1 >= close)
            throw DbError(DbErrorKind::Syntax, QStringLiteral("The convert function requires 2 to 3 arguments."));
        QString type;
        for (size_t k = i + 2; k < typeEnd; ++k)
            type += t[k].text;
        out.push_back(word(QStringLiteral("qv_convert")));
        out.push_back(punct(QStringLiteral("(")));
        out.push_back({Token::String, type.toLower()});
        i = typeEnd; // the value and style follow, rewritten in turn
    }
    t = std::move(out);
}

// ---- TOP n --------------------------------------------------------------------------------------

bool isCompoundWord(const Token& t) { return t.isWord("UNION") || t.isWord("EXCEPT") || t.isWord("INTERSECT"); }

// End of the SELECT starting at `select`, passing over removed tokens: an unmatched ")", a compound
// operator at its level, another SELECT at its level (statements run together) or the end.
size_t selectEnd(const Tokens& t, const std::vector<bool>& removed, size_t select, bool& compound)
{
    int depth = 0;
    compound = false;
    for (size_t i = select + 1; i < t.size(); ++i) {
        if (removed[i])
            continue;
        if (t[i].isPunct("("))
            ++depth;
        else if (t[i].isPunct(")") && --depth < 0)
            return i;
        else if (depth == 0 && isCompoundWord(t[i])) {
            compound = true;
            return i;
        } else if (depth == 0 && t[i].isWord("SELECT")) {
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

// Writes t out again without its removed tokens and with each insertion ahead of its index; the
// insertions at one index keep their order.
void splice(Tokens& t, const std::vector<bool>& removed, std::vector<std::pair<size_t, Tokens>> insertions)
{
    std::stable_sort(insertions.begin(), insertions.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    Tokens out;
    out.reserve(t.size() + 5 * insertions.size());
    auto next = insertions.begin();
    for (size_t i = 0; i <= t.size(); ++i) {
        for (; next != insertions.end() && next->first == i; ++next)
            std::move(next->second.begin(), next->second.end(), std::back_inserter(out));
        if (i < t.size() && !removed[i])
            out.push_back(std::move(t[i]));
    }
    t = std::move(out);
}

// SELECT [DISTINCT] TOP n ... becomes SELECT [DISTINCT] ... LIMIT n, wrapped when part of a UNION.
// The SELECTs are taken from the last: where two end at one place, the outer one's LIMIT comes last.
void rewriteTop(Tokens& t)
{
    if (std::none_of(t.begin(), t.end(), [](const Token& tok) { return tok.isWord("TOP"); }))
        return;
    std::vector<bool> removed(t.size(), false);
    std::vector<std::pair<size_t, Tokens>> insertions;
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
            throw DbError(DbErrorKind::Syntax, QStringLiteral("Incorrect syntax near 'TOP'."));
        }
        std::fill(removed.begin() + k, removed.begin() + valueEnd, true);
        bool compound = false;
        const size_t end = selectEnd(t, removed, s, compound);
        Tokens limit{word(QStringLiteral("LIMIT")), count};
        if (compound || followsCompound(t, s)) {
            limit.push_back(punct(QStringLiteral(")")));
            insertions.emplace_back(end, std::move(limit));
            insertions.emplace_back(s, Tokens{word(QStringLiteral("SELECT")), punct(QStringLiteral("*")),
                                              word(QStringLiteral("FROM")), punct(QStringLiteral("("))});
        } else {
            insertions.emplace_back(end, std::move(limit));
        }
    }
    splice(t, removed, std::move(insertions));
}

// ---- result column names ------------------------------------------------------------------------

bool isBoundaryWord(const Token& t);

// Whether the item [begin, end) of a select list names its column itself ("expr AS name",
// "expr name"), is a star, or is left as it is written (a window function).
bool namesItsColumn(const Tokens& t, size_t begin, size_t end)
{
    const Token& last = t[end - 1];
    // a window function's column keeps its shape for the rewriting of row numbers
    if (last.isPunct("*") || std::any_of(t.begin() + begin, t.begin() + end, [](const Token& k) { return k.isWord("OVER"); }))
        return true;
    if (end - begin < 2 || !(isName(last) || last.kind == Token::String) || last.isWord("END") || last.isWord("NULL"))
        return false;
    const Token& before = t[end - 2];
    return before.isWord("AS") || before.isWord("END") || before.isPunct(")") || before.kind == Token::Number
           || before.kind == Token::String || (isName(before) && !isBoundaryWord(before));
}

// The server names a result column after the column reference as the statement writes it
// ("select cno" gives "cno"); SQLite would use the table's spelling. Name plain column references
// explicitly, which also lets ORDER BY use them as SQL Server does. A computed column of the
// query's own list that the statement does not name has no name, as the server gives it none
// (SQLite would name it after its text).
void nameResultColumns(Tokens& t)
{
    std::vector<std::pair<size_t, QString>> names; // AS name goes ahead of the index
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
                                 || t[i].isWord("INTO") || t[i].isWord("LIMIT") || isCompoundWord(t[i])
                                 || t[i].isWord("SELECT"); // statements run together
            if (!itemEnd)
                continue;
            // a plain reference: name(.name)*
            bool plain = i > itemStart && (i - itemStart) % 2 == 1;
            for (size_t k = itemStart; plain && k < i; ++k)
                plain = (k - itemStart) % 2 == 0 ? isName(t[k]) && !t[k].isWord("NULL") : t[k].isPunct(".");
            if (plain)
                names.emplace_back(i, t[i - 1].text);
            else if (s == 0 && i > itemStart && !namesItsColumn(t, itemStart, i))
                names.emplace_back(i, QString());
            if (atEnd || !t[i].isPunct(","))
                break;
            itemStart = i + 1;
        }
    }
    if (names.empty())
        return;
    // a SELECT within another's list is named between the outer one's items
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    Tokens out;
    out.reserve(t.size() + 2 * names.size());
    size_t from = 0;
    for (auto& [at, name] : names) {
        std::move(t.begin() + from, t.begin() + at, std::back_inserter(out));
        out.push_back(word(QStringLiteral("AS")));
        out.push_back({Token::Identifier, std::move(name)});
        from = at;
    }
    std::move(t.begin() + from, t.end(), std::back_inserter(out));
    t = std::move(out);
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

bool isSign(const Token& t) { return t.isPunct("-") || t.isPunct("+") || t.isPunct("~"); }

// Rewrites every additive expression that holds a + into qv_add(a, b), which concatenates text and
// adds numbers as the server does; - stays numeric. Each token is read a fixed number of times: the
// partners of parentheses and CASE are looked up, and output is only ever appended.
class PlusRewriter {
public:
    explicit PlusRewriter(const Tokens& tokens) : t(tokens), partner(partners(tokens)) {}

    Tokens run()
    {
        Tokens out;
        out.reserve(t.size() + t.size() / 2);
        range(0, t.size(), out);
        return out;
    }

private:
    const Tokens& t;
    const std::vector<size_t> partner;
    int levels = 0; // range() calls under way: one per parenthesis or CASE entered

    size_t caseEnd(size_t caseIndex, size_t e) const
    {
        if (partner[caseIndex] >= e)
            throw DbError(DbErrorKind::Syntax, QStringLiteral("Incorrect syntax: CASE without END."));
        return partner[caseIndex];
    }

    size_t primaryEnd(size_t i, size_t e) const
    {
        if (i >= e)
            return i;
        const Token& tok = t[i];
        if (tok.isPunct("("))
            return closingParen(partner, i) + 1;
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
            k = closingParen(partner, k) + 1;
            if (k + 1 < e && t[k].isWord("OVER") && t[k + 1].isPunct("("))
                k = closingParen(partner, k + 1) + 1;
        }
        return k;
    }

    size_t signsEnd(size_t i, size_t e) const
    {
        while (i < e && isSign(t[i]))
            ++i;
        return i;
    }

    size_t factorEnd(size_t i, size_t e) const
    {
        const size_t k = signsEnd(i, e);
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
    void term(size_t b, size_t e, Tokens& out)
    {
        for (size_t i = b; i < e;) {
            size_t end = i;
            if (t[i].isPunct("("))
                end = closingParen(partner, i);
            else if (t[i].isWord("CASE"))
                end = caseEnd(i, e);
            out.push_back(t[i]);
            if (end > i) {
                range(i + 1, end, out);
                out.push_back(t[end]);
            }
            i = end + 1;
        }
    }

    static bool endsOperand(const Token& tok)
    {
        return tok.kind == Token::String || tok.kind == Token::Number || tok.kind == Token::Identifier
               || tok.isPunct(")") || (tok.kind == Token::Word && !isBoundaryWord(tok));
    }

    void range(size_t b, size_t e, Tokens& out)
    {
        // Deeper nesting is refused before rewriting; this also bounds the calls for a ( opened
        // inside a CASE and closed after its END, which can leave the CASE behind.
        if (++levels > kMaxNesting + 1)
            throwTooDeep();
        bool afterOperand = false;
        for (size_t i = b; i < e;) {
            if (!afterOperand) {
                const size_t first = termEnd(i, e);
                if (first > i) {
                    i = additive(i, first, e, out);
                    afterOperand = true;
                    continue;
                }
                // signs before no operand: none of them starts a term
                const size_t signs = signsEnd(i, e);
                out.insert(out.end(), t.begin() + i, t.begin() + signs);
                i = signs;
                if (i == e)
                    break;
            }
            if (t[i].isPunct("(")) {
                const size_t end = closingParen(partner, i) + 1;
                term(i, end, out);
                i = end;
                afterOperand = true;
                continue;
            }
            afterOperand = endsOperand(t[i]);
            out.push_back(t[i++]);
        }
        --levels;
    }

    // An additive chain starting with the term [b, firstEnd); returns the index after it.
    size_t additive(size_t b, size_t firstEnd, size_t e, Tokens& out)
    {
        struct Part {
            size_t op; // index of the + or - before the term
            size_t begin, end;
        };
        std::vector<Part> parts;
        bool hasPlus = false;
        size_t k = firstEnd;
        while (k < e && (t[k].isPunct("+") || t[k].isPunct("-"))) {
            const size_t next = termEnd(k + 1, e);
            if (next == k + 1)
                break;
            hasPlus = hasPlus || t[k].isPunct("+");
            parts.push_back({k, k + 1, next});
            k = next;
        }
        if (!hasPlus) {
            term(b, firstEnd, out);
            for (const Part& p : parts) {
                out.push_back(t[p.op]);
                term(p.begin, p.end, out);
            }
            return k;
        }
        // a + b - c + d -> qv_add((qv_add(a, b) - c), d): every operator's opening comes first
        for (auto p = parts.rbegin(); p != parts.rend(); ++p) {
            if (t[p->op].isPunct("+"))
                out.push_back(word(QStringLiteral("qv_add")));
            out.push_back(punct(QStringLiteral("(")));
        }
        term(b, firstEnd, out);
        for (const Part& p : parts) {
            out.push_back(punct(t[p.op].isPunct("+") ? QStringLiteral(",") : QStringLiteral("-")));
            term(p.begin, p.end, out);
            out.push_back(punct(QStringLiteral(")")));
        }
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
    const size_t close = closingParen(partners(t), valuesIndex + 1);
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
        throw DbError(DbErrorKind::Syntax, QStringLiteral("Incorrect syntax near 'exec'."));
    AdaptedStatement call;
    call.kind = AdaptedStatement::Procedure;
    // [database.[dbo].]procedure: the last name before the arguments
    size_t i = 1;
    while (i + 1 < t.size() && t[i + 1].isPunct(".")) {
        ++i;
        while (i + 1 < t.size() && t[i + 1].isPunct("."))
            ++i;
        if (i + 1 >= t.size() || !isName(t[i + 1]))
            throw DbError(DbErrorKind::Syntax, QStringLiteral("Incorrect syntax near '.'."));
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

std::vector<size_t> partners(const Tokens& t)
{
    std::vector<size_t> partner(t.size(), kUnmatched);
    std::vector<size_t> parens, cases;
    for (size_t i = 0; i < t.size(); ++i) {
        if (t[i].isPunct("(")) {
            parens.push_back(i);
        } else if (t[i].isPunct(")") && !parens.empty()) {
            partner[parens.back()] = i;
            partner[i] = parens.back();
            parens.pop_back();
        } else if (t[i].isWord("CASE")) {
            cases.push_back(i);
        } else if (t[i].isWord("END") && !cases.empty()) {
            partner[cases.back()] = i;
            partner[i] = cases.back();
            cases.pop_back();
        }
    }
    return partner;
}

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
        throw DbError(DbErrorKind::Syntax, QStringLiteral("The statement is empty."));
    refuseDeepNesting(t);
    refuseNameAsDefault(t);
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
    rewriteRowNumbers(t, resolver);
    if (t[0].isWord("INSERT"))
        completeInsertColumns(t, resolver);
    adapted.tokens = std::move(t);
    return adapted;
}

} // namespace db
