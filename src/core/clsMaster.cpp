#include "core/clsMaster.h"

#include "core/ModuleState.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/RuntimeError.h"

namespace core {

clsMaster::clsMaster()
{
    m_connection.setProvider(gstrProvider);
    m_connection.open(ConnectionText(gstrMonthDB));
}

clsMaster::~clsMaster()
{
    if (m_connection.state() == db::ObjectState::Open)
        m_connection.close();
}

QString clsMaster::DataStr(const QString& Value, bool IsLast) const
{
    return db::sqlQuote(Value) + (IsLast ? QString() : QStringLiteral(","));
}

QString clsMaster::DataFieldStr(const QString& Field, const QString& Value, bool IsLast) const
{
    return Field + QLatin1Char('=') + DataStr(Value, IsLast);
}

bool clsMaster::IsDataExists(const QString& Table, const QString& Field1, const QString& Value1, const QString& Field2,
                             const QString& Value2, const QString& Field3, const QString& Value3, const QString& Field4,
                             const QString& Value4)
{
    const QString fields[] = {Field1, Field2, Field3, Field4};
    const QString values[] = {Value1, Value2, Value3, Value4};
    int keys = 0;
    for (int i = 3; i >= 0 && keys == 0; --i)
        if (!fields[i].isEmpty())
            keys = i + 1;
    QList<MasterKey> given;
    for (int i = 0; i < keys; ++i) {
        if (fields[i].isEmpty())
            throw runtime::RuntimeError(runtime::ErrorNumber::InvalidProcedureCall);
        given.append({fields[i], values[i]});
    }
    m_statement = existsStatement(Table, given);
    m_recordset.open(m_statement, m_connection, db::CursorType::Dynamic, db::LockType::Optimistic);
    const bool exists = !m_recordset.eof();
    m_recordset.close();
    return exists;
}

std::optional<QList<MasterKey>> clsMaster::KeysOf(const QString& Field1, const QString& Value1, const QString& Field2,
                                                  const QString& Value2)
{
    if (Field1.isEmpty())
        return Field2.isEmpty() ? std::optional<QList<MasterKey>>(QList<MasterKey>()) : std::nullopt;
    QList<MasterKey> keys{{Field1, Value1}};
    if (!Field2.isEmpty())
        keys.append({Field2, Value2});
    return keys;
}

std::unique_ptr<db::Recordset> clsMaster::GetRecordInfo(const QString& Table, const QString& OrderBy, const QString& Field1,
                                                        const QString& Value1, const QString& Field2, const QString& Value2)
{
    const std::optional<QList<MasterKey>> keys = KeysOf(Field1, Value1, Field2, Value2);
    if (!keys)
        return nullptr;
    m_statement = recordInfoStatement(Table, OrderBy, *keys);
    try {
        auto rs = std::make_unique<db::Recordset>();
        rs->open(m_statement, m_connection);
        return rs;
    } catch (const std::exception&) {
        return nullptr;
    }
}

int clsMaster::DeleteRecord(const QString& Table, const QString& Field1, const QString& Value1, const QString& Field2,
                            const QString& Value2)
{
    // Without a key the statement would empty the table: refused.
    const std::optional<QList<MasterKey>> keys = KeysOf(Field1, Value1, Field2, Value2);
    if (!keys || keys->isEmpty())
        return 0;
    m_statement = deleteStatement(Table, *keys);
    try {
        m_connection.execute(m_statement);
        return 1;
    } catch (const std::exception&) {
        return 0;
    }
}

namespace {
std::unique_ptr<clsMaster>& sharedMaster()
{
    static std::unique_ptr<clsMaster> instance;
    return instance;
}
} // namespace

clsMaster& gobjMaster()
{
    if (!sharedMaster())
        sharedMaster() = std::make_unique<clsMaster>();
    return *sharedMaster();
}

void ReleaseMaster() { sharedMaster().reset(); }

} // namespace core
