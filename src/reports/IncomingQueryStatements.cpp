#include "reports/IncomingQueryStatements.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Strings.h"

namespace reports {

namespace {

QString dateRange(const QDate& fromDate, const QDate& toDate)
{
    return QStringLiteral("QueryDate>=") + db::sqlDate(fromDate) + QStringLiteral(" And QueryDate<=")
           + db::sqlDate(toDate);
}

} // namespace

const QStringList& incomingQueryOrders()
{
    static const QStringList orders{
        QString(),
        QStringLiteral("QueryDate,Origin,ConsignmentNo"),
        QStringLiteral("RunsheetDate,Origin,ConsignmentNo"),
        QStringLiteral("Origin,ConsignmentNo"),
        QStringLiteral("ReasonCode"),
        QStringLiteral("ReasonCode,Origin,ConsignmentNo"),
        QStringLiteral("ReasonCode,RunsheetDate,Origin,ConsignmentNo"),
    };
    return orders;
}

QString incomingOriginsStatement(const QDate& fromDate, const QDate& toDate)
{
    return QStringLiteral("Select Distinct Origin From TRACKING..Incoming_Queries_Details WHERE ")
           + dateRange(fromDate, toDate) + QStringLiteral(" ORDER BY Origin");
}

QString incomingQueriesStatement(const IncomingQueryFilter& filter)
{
    QString sql = QStringLiteral("Select * From TRACKING..Incoming_Queries_Details Where ")
                  + dateRange(filter.fromDate, filter.toDate);
    const QString origin = runtime::Trim(filter.origin);
    if (!origin.isEmpty())
        sql += QStringLiteral(" And Origin=") + db::sqlQuote(origin);
    const QString order = runtime::Trim(filter.order);
    sql += QStringLiteral(" Order By ") + (order.isEmpty() ? QStringLiteral("QueryId") : order);
    return sql;
}

} // namespace reports
