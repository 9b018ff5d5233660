#pragma once

#include <QStringList>
#include <QVariant>
#include <string>
#include <vector>

struct sqlite3_stmt;

namespace db {

// Reads the rows a prepared statement steps to as values, each column by its declared type (see
// ResultSet for the value types). A text equal to the one read just before it in its column
// gives the same value again without reading it anew: dates, codes and names repeat down a
// column, and each repeat then costs a comparison instead of a conversion and a copy.
class RowDecoder {
public:
    explicit RowDecoder(sqlite3_stmt* stmt);

    const QStringList& columns() const { return m_names; }
    // The values of the row the statement has just stepped to.
    std::vector<QVariant> read();

    // What a result column holds, from its declared type (expressions have none).
    enum class Kind { Stored, DateTime, Flag, Text, Integer, Decimal };

private:
    struct Column {
        Kind kind;
        std::string lastText; // the text last read and its value
        QVariant lastValue;
        bool fromText = false; // whether a text has been read
    };
    QVariant value(int index, Column& column);

    sqlite3_stmt* m_stmt;
    QStringList m_names;
    std::vector<Column> m_columns;
};

} // namespace db
