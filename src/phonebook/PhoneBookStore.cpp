#include "phonebook/PhoneBookStore.h"

#include "core/ModuleState.h"

#include "platform/db/Recordset.h"
#include "platform/runtime/Conversions.h"

namespace phonebook {

QString PhoneBookStore::connectionText()
{
    return QStringLiteral("Data Source=") + core::gstrServerName + QStringLiteral(";USER ID=") + core::gstrDBUser
           + QStringLiteral(";PASSWORD=") + core::gstrDBPassword + QStringLiteral(";INITIAL CATALOG= ZELADMINDB");
}

void PhoneBookStore::open()
{
    m_connection.setProvider(core::gstrProvider);
    m_connection.open(connectionText());
}

void PhoneBookStore::close()
{
    if (isOpen())
        m_connection.close();
}

void PhoneBookStore::read(db::Recordset& rs, const QString& sql)
{
    rs.open(sql, m_connection, db::CursorType::Dynamic, db::LockType::Optimistic);
}

qint64 PhoneBookStore::write(const QString& sql)
{
    m_connection.beginTrans();
    qint64 changed = 0;
    try {
        changed = m_connection.execute(sql);
    } catch (...) {
        m_connection.rollbackTrans();
        throw;
    }
    m_connection.commitTrans();
    return changed;
}

ContactValues PhoneBookStore::contactOf(const db::Recordset& rs)
{
    ContactValues values;
    for (int c = 0; c < kColumnCount; ++c)
        values[std::size_t(c)] = runtime::CellText(rs.value(columnName(c)));
    return values;
}

} // namespace phonebook
