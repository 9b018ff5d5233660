#include "platform/db/WrittenNames.h"

#include "platform/db/TsqlTokens.h"

#include <QSet>

namespace db {
namespace {

// The words that end the FROM list before them.
bool endsFromList(const Token& t)
{
    for (const char* word : {"WHERE", "GROUP", "HAVING", "ORDER", "LIMIT", "UNION", "EXCEPT", "INTERSECT", "WINDOW",
                             "SELECT", "SET", "VALUES", "RETURNING"}) {
        if (t.isWord(word))
            return true;
    }
    return false;
}

// The names, in lower case, of the common table expressions: "WITH name AS (" or
// ", name (columns) AS (".
QSet<QString> commonTableNames(const Tokens& t)
{
    QSet<QString> names;
    for (size_t i = 1; i + 2 < t.size(); ++i) {
        if (!isName(t[i]) || !(t[i - 1].isWord("WITH") || t[i - 1].isWord("RECURSIVE") || t[i - 1].isPunct(",")))
            continue;
        size_t as = i + 1;
        if (t[as].isPunct("(")) {
            while (as < t.size() && !t[as].isPunct(")"))
                ++as;
            ++as;
        }
        if (as + 1 < t.size() && t[as].isWord("AS") && t[as + 1].isPunct("("))
            names.insert(t[i].text.toLower());
    }
    return names;
}

} // namespace

WrittenNames writtenNames(const Tokens& t, const QStringList& databases)
{
    WrittenNames names{databases, {}};
    const QSet<QString> commonTables = commonTableNames(t);
    std::vector<bool> inFromList{false}; // for each open parenthesis
    for (size_t i = 0; i + 1 < t.size(); ++i) {
        const Token& at = t[i];
        if (at.isPunct("(")) {
            inFromList.push_back(false);
            continue;
        }
        if (at.isPunct(")") && inFromList.size() > 1) {
            inFromList.pop_back();
            continue;
        }
        bool tableNext = false;
        if (at.isWord("FROM") || at.isWord("JOIN")) {
            inFromList.back() = true;
            tableNext = true;
        } else if (at.isPunct(",")) {
            tableNext = inFromList.back();
        } else if ((at.isWord("INTO") && i > 0 && t[i - 1].isWord("INSERT"))
                   || (at.isWord("UPDATE") && (i == 0 || t[i - 1].isPunct(")")))) {
            tableNext = true;
        } else if (endsFromList(at)) {
            inFromList.back() = false;
        }
        const Token& next = t[i + 1];
        const bool qualified = i + 2 < t.size() && t[i + 2].isPunct(".");
        if (tableNext && isName(next) && !qualified && !commonTables.contains(next.text.toLower()))
            names.tablesWithoutDatabase << next.text;
    }
    return names;
}

} // namespace db
