#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

namespace db {

// The rows a reader has fetched, kept compactly for a view of many rows: each cell a kind and
// eight bytes (a number or a moment in place, a text as its UTF-8 bytes in an arena of the
// store's own), a text equal to the one above it in its column kept once. A cell becomes a value
// (see ResultSet for the value types) only when it is asked for, so a grid of a million rows
// holds no value objects.
class RowStore {
public:
    explicit RowStore(int columns = 0) : m_columns(columns), m_lastRead(size_t(columns)) {}

    int columnCount() const { return m_columns; }
    // The complete rows appended.
    int rowCount() const { return m_columns == 0 ? 0 : int(m_kinds.size() / size_t(m_columns)); }
    // The value of a cell as the reader read it (Null: an invalid QVariant).
    QVariant value(int row, int column) const;
    // Whether a cell holds the same value as the one above it (false in the first row): a view
    // that makes a text of each value can keep the text made for the cell above.
    bool repeatsAbove(int row, int column) const;

    // A row is appended a cell at a time, its columns in order.
    void appendNull() { append(Kind::Null, {}); }
    void appendFlag(bool value) { append(Kind::Flag, {.integer = value}); }
    void appendInteger(qint64 value) { append(Kind::Integer, {.integer = value}); }
    void appendDecimal(double value) { append(Kind::Decimal, {.decimal = value}); }
    // A date-time read as the server's wall-clock reading (the UTC time spec).
    void appendDateTime(const QDateTime& value) { appendDateTime(value.toMSecsSinceEpoch()); }
    // The same as milliseconds since 1970-01-01 00:00 of that wall clock.
    void appendDateTime(qint64 msecs) { append(Kind::DateTime, {.integer = msecs}); }
    void appendText(std::string_view utf8);
    void appendBlob(std::string_view bytes) { append(Kind::Blob, {.bytes = keep(bytes)}); }

private:
    enum class Kind : std::uint8_t { Null, Flag, Integer, Decimal, DateTime, Text, Blob };
    union Payload {
        qint64 integer;
        double decimal;
        const char* bytes; // a length (std::uint32_t) and the bytes after it, in the arena
    };
    void append(Kind kind, Payload payload)
    {
        m_kinds.push_back(kind);
        m_payloads.push_back(payload);
    }
    // Copies bytes into the arena; where they lie.
    const char* keep(std::string_view bytes);
    static std::string_view bytesAt(const char* kept);

    int m_columns;
    std::vector<Kind> m_kinds; // a row after another, its columns in order
    std::vector<Payload> m_payloads;
    std::vector<std::unique_ptr<char[]>> m_chunks; // the arena; a chunk never moves
    char* m_free = nullptr;
    size_t m_left = 0;

    // The text a column last gave as a value: the same cell read again (or the one below it,
    // which keeps the same bytes when it repeats it) gives it back without converting it anew.
    struct LastRead {
        const char* bytes = nullptr;
        QString text;
    };
    mutable std::vector<LastRead> m_lastRead;
};

} // namespace db
