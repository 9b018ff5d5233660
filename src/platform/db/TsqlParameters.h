#pragma once

#include "platform/db/TsqlLexer.h"
#include "platform/db/TsqlTokenizer.h"

#include <QString>
#include <QStringView>
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

// The shape and values of a statement read straight from its text, without making tokens: what
// parameterize gives for the tokens of the one statement the text holds (a closing semicolon
// dropped), so a statement whose prepared form is kept costs one pass over its text.
struct StatementKey {
    QString shape; // empty when the text holds no statement
    QVariantList values;
    std::vector<QStringView> literals; // where each value lies in the text, as Lexeme::whole
};

// Nothing for a text this pass leaves to the token path: a procedure call (exec), or a text that
// holds more than one statement (refused there). Throws DbError as tokenize does.
std::optional<StatementKey> statementKey(QStringView sql);

// The value a literal (a String or Number lexeme) binds: text, or an integer or decimal number.
QVariant literalValue(const Lexeme& literal);

// The SQLite text of adapted tokens with the value markers as numbered parameters (?1, ?2 ...),
// or nothing when a value did not come through the adaptation as a value of its own.
std::optional<QString> parameterText(const std::vector<Token>& adapted);

} // namespace db
