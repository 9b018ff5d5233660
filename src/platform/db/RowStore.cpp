#include "platform/db/RowStore.h"

#include <algorithm>
#include <cstring>

namespace db {

namespace {

// The arena grows by chunks of this size; a longer text gets a chunk of its own.
constexpr size_t kChunkBytes = 64 * 1024;

// Makes into the text of utf8. A text in ASCII (most are) is widened into the buffer into
// already has, so reading a column down reuses one buffer; while a caller still holds the text
// before, the text gets a buffer of its own instead (resizing would copy the old text first).
void convert(QString& into, std::string_view utf8)
{
    const auto ascii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (std::all_of(utf8.begin(), utf8.end(), ascii)) {
        if (into.isDetached())
            into.resize(qsizetype(utf8.size()));
        else
            into = QString(qsizetype(utf8.size()), Qt::Uninitialized);
        std::copy(utf8.begin(), utf8.end(), reinterpret_cast<char16_t*>(into.data()));
        return;
    }
    into = QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

} // namespace

void RowStore::appendText(std::string_view utf8)
{
    if (m_kinds.size() >= size_t(m_columns)) {
        const size_t above = m_kinds.size() - size_t(m_columns);
        if (m_kinds[above] == Kind::Text && bytesAt(m_payloads[above].bytes) == utf8) {
            append(Kind::Text, m_payloads[above]);
            return;
        }
    }
    append(Kind::Text, {.bytes = keep(utf8)});
}

const char* RowStore::keep(std::string_view bytes)
{
    const std::uint32_t length = std::uint32_t(bytes.size());
    const size_t needed = sizeof length + bytes.size();
    if (needed > m_left) {
        const size_t size = std::max(needed, kChunkBytes);
        m_chunks.push_back(std::make_unique_for_overwrite<char[]>(size));
        m_free = m_chunks.back().get();
        m_left = size;
    }
    char* kept = m_free;
    std::memcpy(kept, &length, sizeof length);
    if (!bytes.empty())
        std::memcpy(kept + sizeof length, bytes.data(), bytes.size());
    m_free += needed;
    m_left -= needed;
    return kept;
}

std::string_view RowStore::bytesAt(const char* kept)
{
    std::uint32_t length = 0;
    std::memcpy(&length, kept, sizeof length);
    return {kept + sizeof length, length};
}

bool RowStore::repeatsAbove(int row, int column) const
{
    if (row == 0)
        return false;
    const size_t at = size_t(row) * size_t(m_columns) + size_t(column);
    const size_t above = at - size_t(m_columns);
    // a text equal to the one above shares its bytes; a blob is kept anew and never repeats
    return m_kinds[at] == m_kinds[above]
        && (m_kinds[at] == Kind::Null || std::memcmp(&m_payloads[at], &m_payloads[above], sizeof(Payload)) == 0);
}

QVariant RowStore::value(int row, int column) const
{
    const size_t at = size_t(row) * size_t(m_columns) + size_t(column);
    const Payload payload = m_payloads[at];
    switch (m_kinds[at]) {
    case Kind::Null: break;
    case Kind::Flag: return payload.integer != 0;
    case Kind::Integer: return qlonglong(payload.integer);
    case Kind::Decimal: return payload.decimal;
    case Kind::DateTime: return QDateTime::fromMSecsSinceEpoch(payload.integer, Qt::UTC);
    case Kind::Text: {
        LastRead& last = m_lastRead[size_t(column)];
        if (last.bytes != payload.bytes) {
            const std::string_view utf8 = bytesAt(payload.bytes);
            convert(last.text, utf8);
            last.bytes = payload.bytes;
        }
        return last.text;
    }
    case Kind::Blob: {
        // an empty blob is a null array, as SQLite gives no bytes for it
        const std::string_view bytes = bytesAt(payload.bytes);
        return bytes.empty() ? QByteArray() : QByteArray(bytes.data(), qsizetype(bytes.size()));
    }
    }
    return {};
}

} // namespace db
