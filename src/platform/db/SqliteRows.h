#pragma once

#include "platform/db/RowStore.h"

#include <QStringList>
#include <QVariant>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3_stmt;
struct sqlite3_value;

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
    // Appends the row the statement has just stepped to to rows (of as many columns).
    void read(RowStore& rows);

    // What a result column holds, from its declared type (expressions have none).
    enum class Kind { Stored, DateTime, Flag, Text, Integer, Decimal };

private:
    struct Column {
        Kind kind;
        std::string lastText; // the text last read and its value
        QVariant lastValue;
        bool fromText = false; // whether a text has been read
    };
    // How a cell of the row is read: from its stored type as its column's kind takes it. Text is
    // a stored text, Converted the text SQLite writes for a value of another type.
    enum class Cell { Null, Flag, Integer, Decimal, Blob, Text, Converted };
    static Cell cellOf(sqlite3_value* cell, Kind kind);
    QVariant value(sqlite3_value* cell, Column& column);
    // The value of a stored text: a date-time column's text as the moment it names (the text
    // itself when it names none); the text repeated just before it in its column gives the
    // value made for that one.
    const QVariant& textValue(std::string_view utf8, Column& column);
    // The bytes of a cell read as text (SQLite converting a value of another type), or as a blob.
    static std::string_view text(sqlite3_value* cell);
    static std::string_view blob(sqlite3_value* cell);
    // A cell of the row the statement has just stepped to. The connection is used by one thread
    // at a time (see SqliteEngine), so a cell is read straight from its value rather than through
    // the statement, which would take the connection's lock for every call.
    sqlite3_value* cell(int index) const;

    sqlite3_stmt* m_stmt;
    QStringList m_names;
    std::vector<Column> m_columns;
};

} // namespace db
