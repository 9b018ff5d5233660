#include "platform/db/SqliteRows.h"

#include "platform/db/ServerDates.h"

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
        row.push_back(value(cell(int(c)), m_columns[c]));
    return row;
}

void RowDecoder::read(RowStore& rows)
{
    for (size_t c = 0; c < m_columns.size(); ++c) {
        sqlite3_value* const at = cell(int(c));
        Column& column = m_columns[c];
        switch (cellOf(at, column.kind)) {
        case Cell::Null: rows.appendNull(); break;
        case Cell::Flag: rows.appendFlag(sqlite3_value_int64(at) != 0); break;
        case Cell::Integer: rows.appendInteger(sqlite3_value_int64(at)); break;
        case Cell::Decimal: rows.appendDecimal(sqlite3_value_double(at)); break;
        case Cell::Blob: rows.appendBlob(blob(at)); break;
        case Cell::Converted: rows.appendText(text(at)); break;
        case Cell::Text:
            if (column.kind == Kind::DateTime) {
                if (const auto msecs = readIsoMSecs(text(at))) {
                    rows.appendDateTime(*msecs);
                    break;
                }
                const QVariant& value = textValue(text(at), column);
                if (value.typeId() == QMetaType::QDateTime) {
                    rows.appendDateTime(value.toDateTime());
                    break;
                }
            }
            rows.appendText(text(at));
            break;
        }
    }
}

RowDecoder::Cell RowDecoder::cellOf(sqlite3_value* cell, Kind kind)
{
    const int stored = sqlite3_value_type(cell);
    if (stored == SQLITE_NULL)
        return Cell::Null;
    switch (kind) {
    case Kind::Flag: return Cell::Flag;
    case Kind::DateTime:
    case Kind::Text: return stored == SQLITE_TEXT ? Cell::Text : Cell::Converted;
    case Kind::Integer:
        if (stored == SQLITE_INTEGER)
            return Cell::Integer;
        break;
    case Kind::Decimal:
        if (stored == SQLITE_INTEGER || stored == SQLITE_FLOAT)
            return Cell::Decimal;
        break;
    case Kind::Stored: break;
    }
    switch (stored) {
    case SQLITE_INTEGER: return Cell::Integer;
    case SQLITE_FLOAT: return Cell::Decimal;
    case SQLITE_BLOB: return Cell::Blob;
    default: return Cell::Text;
    }
}

QVariant RowDecoder::value(sqlite3_value* cell, Column& column)
{
    switch (cellOf(cell, column.kind)) {
    case Cell::Null: break;
    case Cell::Flag: return sqlite3_value_int64(cell) != 0;
    case Cell::Integer: return qlonglong(sqlite3_value_int64(cell));
    case Cell::Decimal: return sqlite3_value_double(cell);
    case Cell::Blob: {
        const std::string_view bytes = blob(cell);
        return QByteArray(bytes.data(), qsizetype(bytes.size()));
    }
    case Cell::Converted: {
        const std::string_view utf8 = text(cell);
        return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    }
    case Cell::Text: return textValue(text(cell), column);
    }
    return QVariant();
}

const QVariant& RowDecoder::textValue(std::string_view utf8, Column& column)
{
    if (column.fromText && column.lastText == utf8)
        return column.lastValue;
    column.lastText.assign(utf8);
    column.fromText = true;
    // a stored date-time read from its bytes; any other text as readDateTime reads it
    // the value is put in place of the one before it where that held the same type, without
    // making another
    if (column.kind == Kind::DateTime) {
        if (const auto d = readIsoDateTime(utf8)) {
            column.lastValue.setValue(*d);
            return column.lastValue;
        }
    }
    QString value = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
    if (column.kind == Kind::DateTime)
        if (const auto d = readDateTime(value))
            return column.lastValue = *d;
    column.lastValue.setValue(std::move(value));
    return column.lastValue;
}

std::string_view RowDecoder::text(sqlite3_value* cell)
{
    const char* utf8 = reinterpret_cast<const char*>(sqlite3_value_text(cell));
    return {utf8, size_t(sqlite3_value_bytes(cell))};
}

std::string_view RowDecoder::blob(sqlite3_value* cell)
{
    const char* bytes = static_cast<const char*>(sqlite3_value_blob(cell));
    return {bytes, size_t(sqlite3_value_bytes(cell))};
}

sqlite3_value* RowDecoder::cell(int index) const { return sqlite3_column_value(m_stmt, index); }

} // namespace db
