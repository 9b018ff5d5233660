#pragma once

#include "platform/db/TsqlTokenizer.h"

#include <QString>
#include <QVariantList>
#include <optional>
#include <vector>

// Statements that differ only in their literal values share one adapted and prepared form, with
// the values bound as parameters (as the server itself parameterizes simple statements). Values
// that shape the statement stay in it: aliases, type lengths and ORDER BY / GROUP BY positions.
namespace db {

struct ParameterizedStatement {
    QString shape;             // the statement without its values: the key of its prepared form
    std::vector<Token> tokens; // the statement with each value replaced by a marker
    QVariantList values;       // the values in order: text or number
};

ParameterizedStatement parameterize(const std::vector<Token>& tokens);

// The SQLite text of adapted tokens with the value markers as numbered parameters (?1, ?2 ...),
// or nothing when a value did not come through the adaptation as a value of its own.
std::optional<QString> parameterText(const std::vector<Token>& adapted);

} // namespace db
