#pragma once

#include "platform/db/TsqlTokenizer.h"

#include <QStringList>
#include <vector>

namespace db {

// The tables a statement names, as it wrote them.
struct WrittenNames {
    QStringList databases;             // the attached databases it names (their schema names)
    QStringList tablesWithoutDatabase; // the tables it names without a database, as written
};

// The names of a statement in SQLite's dialect that names these attached databases. A table is
// named after FROM, JOIN, INSERT INTO and a statement's UPDATE, and after each comma of a FROM
// list; a common table expression's name is no table's.
WrittenNames writtenNames(const std::vector<Token>& statement, const QStringList& databases);

} // namespace db
