#pragma once

#include "platform/db/Connection.h"
#include "platform/db/ResultSet.h"
#include "platform/db/RowStore.h"

#include <QVariant>
#include <optional>

namespace db {

enum class CursorType { ForwardOnly = 0, Keyset = 1, Dynamic = 2, Static = 3 };
enum class LockType { ReadOnly = 1, Pessimistic = 2, Optimistic = 3, BatchOptimistic = 4 };

// One column of the current record.
struct Field {
    QString name;
    QVariant value; // invalid QVariant: Null (distinct from "")
    bool isNull() const { return !value.isValid(); }
};

// The rows of a query with a current-record position, as the windows walk them. The rows are read
// completely when the recordset opens; the cursor and lock arguments are accepted as given.
class Recordset {
public:
    void open(const QString& sql, Connection& connection, CursorType cursor = CursorType::ForwardOnly,
              LockType lock = LockType::ReadOnly);
    // Opens as open does on the rows of one query (a select, never a procedure call), read through
    // a row reader and kept compactly, a value made only when a field is asked for: for a report
    // that shows every row of a large result.
    void openRows(const QString& sql, Connection& connection);
    void close();
    ObjectState state() const { return m_open ? ObjectState::Open : ObjectState::Closed; }

    bool eof() const;
    bool bof() const;
    void moveFirst();
    void moveNext();
    void movePrevious();
    void moveLast();
    qsizetype recordCount() const;
    // The position of the current record, to come back to it with setBookmark.
    qsizetype bookmark() const;
    void setBookmark(qsizetype bookmark);

    int fieldCount() const;
    // Fields of the current record by position or by name (case-insensitive; the first of
    // duplicate names wins). Throw DbError 3265 for an unknown field, 3021 at BOF or EOF.
    Field field(int index) const;
    Field field(const QString& name) const;
    QVariant value(int index) const;
    QVariant value(const QString& name) const { return value(fieldIndex(name)); }
    // The position of the field of that name, as field(name) finds it; throws as field(name) does.
    int fieldIndex(const QString& name) const;
    // The column names, in order.
    const QStringList& fieldNames() const;
    // Whether the field of the current record holds the value the record before it held there, so
    // that a text made of that value serves again; false for the first record, and always false
    // in a recordset opened by open.
    bool repeatsAbove(int index) const;

private:
    void requireOpen() const;
    void requireCurrent() const;
    void requireField(int index) const;

    bool m_open = false;
    ResultSet m_result; // the column names; the rows, when opened by open
    std::optional<RowStore> m_store; // the rows, when opened by openRows
    qsizetype m_rows = 0;
    qsizetype m_position = 0; // -1: BOF, m_rows: EOF
};

} // namespace db
