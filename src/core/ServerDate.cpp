#include "core/ServerDate.h"

#include "core/ModuleState.h"
#include "core/StartupStatements.h"
#include "platform/runtime/Conversions.h"

namespace core {
namespace {

// The first column of the first row of a statement on the month connection.
QVariant FirstValue(const QString& sql)
{
    db::Recordset rs;
    rs.open(sql, gcnnMonth, db::CursorType::Dynamic, db::LockType::Optimistic);
    const QVariant value = rs.value(0);
    rs.close();
    return value;
}

} // namespace

QDate GetServerDate()
{
    return runtime::CDate(FirstValue(serverDateStatement())).date();
}

QDateTime GetServerDateTime() { return runtime::CDate(FirstValue(serverDateTimeStatement())); }

} // namespace core
