#include "core/MasterStatements.h"

#include "platform/db/SqlText.h"

#include <QStringList>

namespace core {

namespace {

// " where F1='v1' and F2='v2'"; empty without keys.
QString wherePart(const QList<MasterKey>& keys)
{
    QStringList conditions;
    for (const MasterKey& key : keys)
        conditions << key.field + u'=' + db::sqlQuote(key.value);
    return keys.isEmpty() ? QString() : QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
}

} // namespace

QString existsStatement(const QString& table, const QList<MasterKey>& keys)
{
    if (keys.isEmpty())
        return QStringLiteral("Select * from ") + table;
    QStringList names;
    for (const MasterKey& key : keys)
        names << key.field;
    return QStringLiteral("Select ") + names.join(u',') + QStringLiteral(" from ") + table + wherePart(keys);
}

QString recordInfoStatement(const QString& table, const QString& orderBy, const QList<MasterKey>& keys)
{
    return QStringLiteral("Select * from ") + table + wherePart(keys)
           + (orderBy.isEmpty() ? QString() : QStringLiteral(" order by ") + orderBy);
}

QString deleteStatement(const QString& table, const QList<MasterKey>& keys)
{
    return QStringLiteral("Delete from ") + table + wherePart(keys);
}

} // namespace core
