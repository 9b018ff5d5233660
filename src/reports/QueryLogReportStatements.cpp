#include "reports/QueryLogReportStatements.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Strings.h"

namespace reports {

namespace {

QString dateRange(const QDate& from, const QDate& to)
{
    return QStringLiteral("QueryDate>=") + db::sqlDate(from) + QStringLiteral(" And QueryDate<=") + db::sqlDate(to);
}

} // namespace

QString queryLogOriginsStatement(const QDate& from, const QDate& to)
{
    return QStringLiteral("Select Distinct Origin From ZELADMINCONFIG..tbl_Qry_Details WHERE ") + dateRange(from, to)
           + QStringLiteral(" ORDER BY Origin");
}

QString queryLogReportStatement(const QDate& from, const QDate& to, const QString& origin, const QString& queryType)
{
    QString sql = QStringLiteral("Select * From ZELADMINCONFIG..tbl_Qry_Details Where ") + dateRange(from, to);
    if (const QString chosen = runtime::Trim(origin); !chosen.isEmpty())
        sql += QStringLiteral(" And Origin=") + db::sqlQuote(chosen);
    sql += QStringLiteral(" And QueryType=") + db::sqlQuote(runtime::Trim(queryType));
    return sql + QStringLiteral(" Order By Consignmentno,Runsheetdate");
}

} // namespace reports
