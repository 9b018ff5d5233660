#include "platform/db/Recordset.h"

#include "platform/db/DbError.h"
#include "platform/db/Engine.h"
#include "platform/db/StatementLog.h"

namespace db {

namespace {

// Rows a reader reads per call while a recordset opens on its rows.
constexpr int kBatchRows = 4096;

} // namespace

void Recordset::open(const QString& sql, Connection& connection, CursorType, LockType)
{
    if (m_open)
        throw DbError(DbErrorKind::ObjectOpen);
    Engine& engine = connection.engine();
    StatementLog::record(connection.databaseName(), sql);
    m_result = engine.query(sql);
    m_store.reset();
    m_rows = qsizetype(m_result.rows.size());
    m_position = 0;
    m_open = true;
}

void Recordset::openRows(const QString& sql, Connection& connection)
{
    if (m_open)
        throw DbError(DbErrorKind::ObjectOpen);
    const std::unique_ptr<RowReader> reader = connection.openReader(sql);
    RowStore store(int(reader->columns().size()));
    while (reader->fetch(store, kBatchRows) > 0) {
    }
    m_result = ResultSet{reader->columns(), {}};
    m_rows = store.rowCount();
    m_store = std::move(store);
    m_position = 0;
    m_open = true;
}

void Recordset::close()
{
    requireOpen();
    m_open = false;
    m_result = ResultSet();
    m_store.reset();
    m_rows = 0;
}

void Recordset::requireOpen() const
{
    if (!m_open)
        throw DbError(DbErrorKind::ObjectClosed);
}

void Recordset::requireCurrent() const
{
    requireOpen();
    if (m_position < 0 || m_position >= m_rows) // at BOF or EOF
        throw DbError(DbErrorKind::NoCurrentRecord);
}

void Recordset::requireField(int index) const
{
    requireOpen();
    if (index < 0 || index >= m_result.columns.size())
        throw DbError(DbErrorKind::ItemNotFound);
}

bool Recordset::eof() const
{
    requireOpen();
    return m_rows == 0 || m_position >= m_rows;
}

bool Recordset::bof() const
{
    requireOpen();
    return m_rows == 0 || m_position < 0;
}

void Recordset::moveFirst()
{
    requireOpen();
    m_position = 0;
}

void Recordset::moveLast()
{
    requireOpen();
    m_position = m_rows - 1;
}

void Recordset::moveNext()
{
    if (eof())
        throw DbError(DbErrorKind::NoCurrentRecord);
    ++m_position;
}

void Recordset::movePrevious()
{
    if (bof())
        throw DbError(DbErrorKind::NoCurrentRecord);
    --m_position;
}

qsizetype Recordset::recordCount() const
{
    requireOpen();
    return m_rows;
}

qsizetype Recordset::bookmark() const
{
    requireCurrent();
    return m_position;
}

void Recordset::setBookmark(qsizetype bookmark)
{
    requireOpen();
    if (bookmark < 0 || bookmark >= m_rows)
        throw DbError(DbErrorKind::BadBookmark);
    m_position = bookmark;
}

int Recordset::fieldCount() const
{
    requireOpen();
    return int(m_result.columns.size());
}

const QStringList& Recordset::fieldNames() const
{
    requireOpen();
    return m_result.columns;
}

QVariant Recordset::value(int index) const
{
    requireField(index);
    requireCurrent();
    return m_store ? m_store->value(int(m_position), index) : m_result.rows[size_t(m_position)][size_t(index)];
}

bool Recordset::repeatsAbove(int index) const
{
    requireField(index);
    requireCurrent();
    return m_store && m_store->repeatsAbove(int(m_position), index);
}

Field Recordset::field(int index) const { return {m_result.columns.value(index), value(index)}; }

Field Recordset::field(const QString& name) const { return field(fieldIndex(name)); }

int Recordset::fieldIndex(const QString& name) const
{
    requireOpen();
    for (qsizetype i = 0; i < m_result.columns.size(); ++i)
        if (m_result.columns[i].compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    throw DbError(DbErrorKind::ItemNotFound);
}

} // namespace db
