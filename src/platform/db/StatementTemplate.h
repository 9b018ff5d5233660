#pragma once

#include "platform/db/TsqlTokenizer.h"

#include <QString>
#include <QStringView>
#include <QVariantList>
#include <vector>

namespace db {

// The text of a statement with its values cut out. A text that repeats it character for character
// but for its values, each a literal of the same kind beginning the same way, reads as the same
// tokens but for those values: it has the same shape and takes the same prepared form. It is
// recognised by comparing the pieces between the values and reading only the values, where
// statementKey reads every token of the text.
class StatementTemplate {
public:
    // sql and the values statementKey found in it (StatementKey::literals), in order.
    StatementTemplate(QStringView sql, const std::vector<QStringView>& literals);

    // Whether sql repeats this text but for its values; when it does, values holds its values in
    // order, as statementKey gives them. Throws DbError as statementKey does on a literal left open.
    bool match(QStringView sql, QVariantList& values) const;

private:
    // How a literal begins, which decides how the text just before it reads: a quote, an N before
    // a quote, a digit or a point.
    enum class Opening : char { Quote, N, Digit, Point };
    static Opening openingOf(QChar first);

    struct Value {
        Token::Kind kind;
        Opening opening;
    };
    QString m_between;               // the pieces of text between the values, one after another
    std::vector<qsizetype> m_pieces; // the length of each piece: one more than there are values
    std::vector<Value> m_values;
};

} // namespace db
