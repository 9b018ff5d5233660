#include "platform/db/TsqlRowNumber.h"

#include "platform/db/TsqlTokens.h"

#include <algorithm>
#include <optional>

namespace db {

namespace {

bool sameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

struct ColumnRef {
    std::optional<QString> qualifier;
    Token column;
};

struct OrderKey {
    ColumnRef ref;
    bool descending = false;
};

// ROW_NUMBER() OVER(PARTITION BY ... ORDER BY ...) AS name, over tokens [begin, end).
struct Window {
    size_t begin = 0, end = 0;
    std::vector<ColumnRef> partition;
    std::vector<OrderKey> order;
};

// The one table a SELECT reads: as written ([tableBegin, tableEnd)), and the name its columns go by.
struct Source {
    size_t tableBegin = 0, tableEnd = 0;
    QString schema;
    QString table;
    Token qualifier;
};

// A column reference, name or qualifier.name, starting at i before end; i moves past it.
std::optional<ColumnRef> columnAt(const Tokens& t, size_t& i, size_t end)
{
    if (i >= end || !isName(t[i]))
        return std::nullopt;
    if (i + 2 < end && t[i + 1].isPunct(".") && isName(t[i + 2])) {
        ColumnRef ref{t[i].text, t[i + 2]};
        i += 3;
        return ref;
    }
    return ColumnRef{std::nullopt, t[i++]};
}

std::optional<Window> windowAt(const Tokens& t, const std::vector<size_t>& partner, size_t i)
{
    if (!t[i].isWord("ROW_NUMBER") || i + 4 >= t.size() || !t[i + 1].isPunct("(") || !t[i + 2].isPunct(")")
        || !t[i + 3].isWord("OVER") || !t[i + 4].isPunct("(") || partner[i + 4] == kUnmatched)
        return std::nullopt;
    const size_t close = partner[i + 4];
    Window w;
    w.begin = i;
    w.end = close + 1;
    size_t k = i + 5;
    if (k + 1 >= close || !t[k].isWord("PARTITION") || !t[k + 1].isWord("BY"))
        return std::nullopt;
    for (k += 2;; ++k) {
        const auto ref = columnAt(t, k, close);
        if (!ref)
            return std::nullopt;
        w.partition.push_back(*ref);
        if (k >= close || !t[k].isPunct(","))
            break;
    }
    if (k + 1 >= close || !t[k].isWord("ORDER") || !t[k + 1].isWord("BY"))
        return std::nullopt;
    for (k += 2;; ++k) {
        const auto ref = columnAt(t, k, close);
        if (!ref)
            return std::nullopt;
        OrderKey key{*ref, false};
        if (k < close && (t[k].isWord("ASC") || t[k].isWord("DESC")))
            key.descending = t[k++].isWord("DESC");
        w.order.push_back(key);
        if (k >= close || !t[k].isPunct(","))
            break;
    }
    // named, so the result column keeps its name
    if (k != close || w.end + 1 >= t.size() || !t[w.end].isWord("AS") || !isName(t[w.end + 1]))
        return std::nullopt;
    return w;
}

// The table of the SELECT whose list holds the window, when that SELECT reads the one table and
// ends there: FROM [schema.]table [[AS] alias], then the end of the statement or of its parentheses.
std::optional<Source> soleTable(const Tokens& t, const std::vector<size_t>& partner, const Window& w)
{
    size_t s = w.begin;
    do {
        if (s == 0)
            return std::nullopt;
        --s;
        if (t[s].isPunct(")")) {
            if (partner[s] == kUnmatched)
                return std::nullopt;
            s = partner[s];
        } else if (t[s].isPunct("(") || t[s].isWord("FROM")) {
            return std::nullopt;
        }
    } while (!t[s].isWord("SELECT"));
    if (s + 1 < t.size() && t[s + 1].isWord("DISTINCT"))
        return std::nullopt;

    size_t k = w.end;
    for (; k < t.size() && !t[k].isWord("FROM"); ++k) {
        if (t[k].isPunct(")") || t[k].isWord("SELECT") || t[k].isWord("UNION") || t[k].isWord("EXCEPT")
            || t[k].isWord("INTERSECT") || (t[k].isPunct("(") && partner[k] == kUnmatched))
            return std::nullopt;
        if (t[k].isPunct("("))
            k = partner[k];
    }
    Source src;
    src.tableBegin = ++k;
    if (k >= t.size() || !isName(t[k]))
        return std::nullopt;
    src.schema = QStringLiteral("main");
    if (k + 2 < t.size() && t[k + 1].isPunct(".") && isName(t[k + 2])) {
        src.schema = t[k].text;
        k += 2;
    }
    src.table = t[k].text;
    src.qualifier = t[k];
    src.tableEnd = ++k;
    const bool as = k < t.size() && t[k].isWord("AS");
    if (as)
        ++k;
    if (k < t.size() && isName(t[k]))
        src.qualifier = t[k++];
    else if (as)
        return std::nullopt;
    if (k < t.size() && !t[k].isPunct(")"))
        return std::nullopt;
    return src;
}

bool readsColumn(const ColumnRef& ref, const Source& src, const QStringList& columns)
{
    if (ref.qualifier && !sameName(*ref.qualifier, src.qualifier.text))
        return false;
    return std::any_of(columns.begin(), columns.end(), [&](const QString& c) { return sameName(c, ref.column.text); });
}

// The rows of the partition that sort before the row, plus one, as a sum of counts over disjoint
// cases, each of which an index on the partition and order columns answers with one range:
//     equal on the keys before key k, and before on key k (Nulls lowest, as the server sorts them):
//         once for a lower (higher, descending) value, once for a Null before a value
//     equal on every key, and a lower rowid
// (SELECT count(*) FROM table qv_rn WHERE <same partition> AND <case>) + ... + 1
Tokens rowsBefore(const Tokens& t, const Window& w, const Source& src)
{
    // A key equal within the partition, or ordered on already, decides nothing.
    std::vector<OrderKey> keys;
    auto decided = [&](const Token& c) {
        auto same = [&](const Token& d) { return sameName(d.text, c.text); };
        return std::any_of(w.partition.begin(), w.partition.end(), [&](const ColumnRef& p) { return same(p.column); })
               || std::any_of(keys.begin(), keys.end(), [&](const OrderKey& k) { return same(k.ref.column); });
    };
    for (const OrderKey& key : w.order)
        if (!decided(key.ref.column))
            keys.push_back(key);

    Tokens out{punct("(")};
    auto inner = [&](const Token& column) { out.insert(out.end(), {word("qv_rn"), punct("."), column}); };
    auto outer = [&](const Token& column) { out.insert(out.end(), {src.qualifier, punct("."), column}); };
    auto equal = [&](const Token& column) {
        inner(column);
        out.push_back(word("IS"));
        outer(column);
        out.push_back(word("AND"));
    };
    auto nullness = [&](bool null) {
        out.push_back(word("IS"));
        if (!null)
            out.push_back(word("NOT"));
        out.push_back(word("NULL"));
    };
    // one count: the partition, the first `equalKeys` keys equal, and what `last` writes
    auto count = [&](size_t equalKeys, auto last) {
        out.insert(out.end(), {punct("("), word("SELECT"), word("count"), punct("("), punct("*"), punct(")"), word("FROM")});
        out.insert(out.end(), t.begin() + src.tableBegin, t.begin() + src.tableEnd);
        out.insert(out.end(), {word("qv_rn"), word("WHERE")});
        for (const ColumnRef& p : w.partition)
            equal(p.column);
        for (size_t k = 0; k < equalKeys; ++k)
            equal(keys[k].ref.column);
        last();
        out.insert(out.end(), {punct(")"), punct("+")});
    };
    for (size_t k = 0; k < keys.size(); ++k) {
        const Token& c = keys[k].ref.column;
        const bool descending = keys[k].descending;
        count(k, [&] {
            inner(c);
            out.push_back(punct(descending ? ">" : "<"));
            outer(c);
        });
        count(k, [&] {
            inner(c);
            nullness(!descending);
            out.push_back(word("AND"));
            outer(c);
            nullness(descending);
        });
    }
    count(keys.size(), [&] {
        inner(word("rowid"));
        out.push_back(punct("<"));
        outer(word("rowid"));
    });
    out.insert(out.end(), {{Token::Number, QStringLiteral("1")}, punct(")")});
    return out;
}

} // namespace

void rewriteRowNumbers(Tokens& t, NameResolver& resolver)
{
    if (t.empty() || t[0].isWord("WITH") // a common table expression may go by a table's name
        || std::none_of(t.begin(), t.end(), [](const Token& tok) { return tok.isWord("ROW_NUMBER"); }))
        return;
    const std::vector<size_t> partner = partners(t);
    Tokens out;
    size_t copied = 0;
    for (size_t i = 0; i < t.size(); ++i) {
        const std::optional<Window> w = windowAt(t, partner, i);
        if (!w)
            continue;
        const std::optional<Source> src = soleTable(t, partner, *w);
        if (!src)
            continue;
        const QStringList columns = resolver.columnsOf(src->schema, src->table).names;
        auto read = [&](const ColumnRef& ref) { return readsColumn(ref, *src, columns); };
        if (!std::all_of(w->partition.begin(), w->partition.end(), read)
            || !std::all_of(w->order.begin(), w->order.end(), [&](const OrderKey& k) { return read(k.ref); }))
            continue;
        out.insert(out.end(), t.begin() + copied, t.begin() + w->begin);
        const Tokens count = rowsBefore(t, *w, *src);
        out.insert(out.end(), count.begin(), count.end());
        copied = w->end;
        i = w->end - 1;
    }
    if (copied == 0)
        return;
    out.insert(out.end(), t.begin() + copied, t.end());
    t = std::move(out);
}

} // namespace db
