#include "platform/db/Recordset.h"

#include "platform/db/DbError.h"
#include "platform/db/Engine.h"
#include "platform/db/StatementLog.h"

namespace db {

void Recordset::open(const QString& sql, Connection& connection, CursorType, LockType)
{
    if (m_open)
        throw DbError(DbErrorKind::ObjectOpen);
    Engine& engine = connection.engine();
    StatementLog::record(connection.databaseName(), sql);
    m_result = engine.query(sql);
    m_position = 0;
    m_open = true;
}

void Recordset::close()
{
    requireOpen();
    m_open = false;
    m_result = ResultSet();
}

void Recordset::requireOpen() const
{
    if (!m_open)
        throw DbError(DbErrorKind::ObjectClosed);
}

bool Recordset::eof() const
{
    requireOpen();
    return m_result.rows.empty() || m_position >= qsizetype(m_result.rows.size());
}

bool Recordset::bof() const
{
    requireOpen();
    return m_result.rows.empty() || m_position < 0;
}

void Recordset::moveFirst()
{
    requireOpen();
    m_position = 0;
}

void Recordset::moveLast()
{
    requireOpen();
    m_position = qsizetype(m_result.rows.size()) - 1;
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
    return qsizetype(m_result.rows.size());
}

qsizetype Recordset::bookmark() const
{
    currentRow();
    return m_position;
}

void Recordset::setBookmark(qsizetype bookmark)
{
    requireOpen();
    if (bookmark < 0 || bookmark >= qsizetype(m_result.rows.size()))
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

const std::vector<QVariant>& Recordset::currentRow() const
{
    if (eof() || bof())
        throw DbError(DbErrorKind::NoCurrentRecord);
    return m_result.rows[size_t(m_position)];
}

QVariant Recordset::value(int index) const
{
    requireOpen();
    if (index < 0 || index >= m_result.columns.size())
        throw DbError(DbErrorKind::ItemNotFound);
    return currentRow()[size_t(index)];
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
