#include "platform/db/WrittenNames.h"

#include "platform/db/DbError.h"
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

// A column's DEFAULT in a table's definition is a constant, NULL or a call, never a name.
void refuseNameAsDefault(const Tokens& t)
{
    if (t.empty() || (!t.front().isWord("CREATE") && !t.front().isWord("ALTER")))
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

} // namespace

WrittenNames writtenNames(const Tokens& t, const QStringList& databases)
{
    refuseNameAsDefault(t);
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
