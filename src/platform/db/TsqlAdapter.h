#pragma once

#include "platform/db/TsqlTokenizer.h"

#include <QString>
#include <QVariantList>
#include <vector>

namespace db {

// What the adapter needs to know of the databases a statement names.
class NameResolver {
public:
    virtual ~NameResolver() = default;
    // The SQLite schema name ("main" or an attached alias) under which a database of a server is
    // reachable; an empty server means the connection's own server. Throws DbError when unknown.
    virtual QString schemaFor(const QString& linkedServer, const QString& database) = 0;
    // The columns of a table in table order, and which one the server numbers by itself (or -1).
    struct Columns {
        QStringList names;
        int identity = -1;
    };
    virtual Columns columnsOf(const QString& schema, const QString& table) = 0;
};

// One statement turned into the SQLite dialect.
struct AdaptedStatement {
    enum Kind { Query, Command, Procedure };
    Kind kind = Command;
    std::vector<Token> tokens; // the statement in SQLite's dialect (Query and Command)
    QString procedure;         // name of the procedure to run (Procedure)
    QVariantList arguments;    // its arguments in order
};

// Rewrites one T-SQL statement (tokens without the separating semicolons) into SQLite's dialect:
// multi-part and linked-server names, convert/getdate/isnull/ISNUMERIC/LEFT/RIGHT/len, string +,
// TOP n, AS 'alias', [identifiers], positional INSERT into a table with a server-numbered key,
// and exec <procedure>. Nothing inside a literal is ever touched. Takes time linear in the length;
// a statement nested more than 256 levels deep in parentheses and CASE is refused with a DbError.
AdaptedStatement adaptStatement(std::vector<Token> tokens, NameResolver& resolver);

// Splits a batch into its statements at top-level semicolons; empty statements are dropped.
std::vector<std::vector<Token>> splitStatements(const std::vector<Token>& tokens);

} // namespace db
