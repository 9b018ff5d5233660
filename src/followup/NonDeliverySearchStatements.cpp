#include "followup/NonDeliverySearchStatements.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Strings.h"

namespace followup {

namespace {

QString dateRange(const QDate& fromDate, const QDate& toDate)
{
    return QStringLiteral("NDDate>=") + db::sqlDate(fromDate) + QStringLiteral(" and NDDate<=") + db::sqlDate(toDate);
}

// "<keyword>'<value>'" when the trimmed text is not empty.
QString textClause(const QString& keyword, const QString& text, const QString& suffix = QString())
{
    const QString value = runtime::Trim(text);
    return value.isEmpty() ? QString() : keyword + db::sqlQuote(value + suffix);
}

QString numberClause(const QString& keyword, const QString& typed)
{
    return runtime::Trim(typed).isEmpty() ? QString() : keyword + numberDigits(typed);
}

} // namespace

QString ndSearchStatement(const NDSearchFilters& filters)
{
    return QStringLiteral("select * from tab_NonDelivery where ") + dateRange(filters.fromDate, filters.toDate)
           + numberClause(QStringLiteral(" and ConsignNo="), filters.consignNo)
           + numberClause(QStringLiteral(" And ReferenceNo="), filters.referenceNo)
           + textClause(QStringLiteral(" and Status="), filters.status)
           + textClause(QStringLiteral(" and Destination="), filters.destination)
           + textClause(QStringLiteral(" and BranchCode="), filters.branchCode)
           + textClause(QStringLiteral(" And FromAddr1 Like "), filters.name, QStringLiteral("%"))
           + textClause(QStringLiteral(" And ToAddr1 Like "), filters.toAddress, QStringLiteral("%"))
           + QStringLiteral(" order by ReferenceNo,NDDate,Destination");
}

QString ndPickListColumn(NDPickList list)
{
    switch (list) {
    case NDPickList::Statuses: return QStringLiteral("Status");
    case NDPickList::Destinations: return QStringLiteral("Destination");
    case NDPickList::Branches: break;
    }
    return QStringLiteral("BranchCode");
}

QString ndPickListStatement(NDPickList list, const QDate& fromDate, const QDate& toDate, const QString& narrowing)
{
    QString sql = QStringLiteral("select distinct ") + ndPickListColumn(list) + QStringLiteral(" from tab_NonDelivery where ")
                  + dateRange(fromDate, toDate);
    if (list == NDPickList::Destinations)
        sql += textClause(QStringLiteral(" and Status="), narrowing);
    else if (list == NDPickList::Branches)
        sql += textClause(QStringLiteral(" and Destination="), narrowing);
    return sql;
}

} // namespace followup
