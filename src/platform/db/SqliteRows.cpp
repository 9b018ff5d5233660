#include "platform/db/SqliteRows.h"

#include "platform/db/ServerDates.h"

#include <cstring>
#include <sqlite3.h>

namespace db {

namespace {

RowDecoder::Kind kindOf(const char* declaredType)
{
    using Kind = RowDecoder::Kind;
    const QByteArray declared = QByteArray(declaredType).toUpper();
    if (declared.isEmpty())
        return Kind::Stored;
    if (declared.contains("DATE") || declared.contains("TIME"))
        return Kind::DateTime;
    if (declared.contains("BIT"))
        return Kind::Flag;
    if (declared.contains("CHAR") || declared.contains("TEXT"))
        return Kind::Text;
    if (declared.contains("INT"))
        return Kind::Integer;
    if (declared.contains("DEC") || declared.contains("NUM") || declared.contains("MONEY") || declared.contains("REAL")
        || declared.contains("FLOA") || declared.contains("DOUB"))
        return Kind::Decimal;
    return Kind::Stored;
}

// A value as text (a number as SQLite writes it).
QString textOf(sqlite3_stmt* stmt, int index)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, index)), sqlite3_column_bytes(stmt, index));
}

} // namespace

RowDecoder::RowDecoder(sqlite3_stmt* stmt) : m_stmt(stmt)
{
    const int count = sqlite3_column_count(stmt);
    m_columns.reserve(size_t(count));
    for (int c = 0; c < count; ++c) {
        m_names << QString::fromUtf8(sqlite3_column_name(stmt, c));
        m_columns.push_back({.kind = kindOf(sqlite3_column_decltype(stmt, c))});
    }
}

std::vector<QVariant> RowDecoder::read()
{
    std::vector<QVariant> row;
    row.reserve(m_columns.size());
    for (size_t c = 0; c < m_columns.size(); ++c)
        row.push_back(value(int(c), m_columns[c]));
    return row;
}

QVariant RowDecoder::value(int index, Column& column)
{
    const int stored = sqlite3_column_type(m_stmt, index);
    if (stored == SQLITE_NULL)
        return QVariant();
    switch (column.kind) {
    case Kind::Flag: return sqlite3_column_int64(m_stmt, index) != 0;
    case Kind::DateTime:
    case Kind::Text:
        if (stored != SQLITE_TEXT)
            return textOf(m_stmt, index);
        break;
    case Kind::Integer:
        if (stored == SQLITE_INTEGER)
            return qlonglong(sqlite3_column_int64(m_stmt, index));
        break;
    case Kind::Decimal:
        if (stored == SQLITE_INTEGER || stored == SQLITE_FLOAT)
            return sqlite3_column_double(m_stmt, index);
        break;
    case Kind::Stored: break;
    }
    switch (stored) {
    case SQLITE_INTEGER: return qlonglong(sqlite3_column_int64(m_stmt, index));
    case SQLITE_FLOAT: return sqlite3_column_double(m_stmt, index);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_column_blob(m_stmt, index)), sqlite3_column_bytes(m_stmt, index));
    default: break;
    }
    const char* text = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index));
    const size_t bytes = size_t(sqlite3_column_bytes(m_stmt, index));
    if (column.fromText && column.lastText.size() == bytes && std::memcmp(column.lastText.data(), text, bytes) == 0)
        return column.lastValue;
    column.lastText.assign(text, bytes);
    column.fromText = true;
    const QString value = QString::fromUtf8(text, qsizetype(bytes));
    if (column.kind == Kind::DateTime)
        if (const auto d = readDateTime(value))
            return column.lastValue = *d;
    return column.lastValue = value;
}

} // namespace db
