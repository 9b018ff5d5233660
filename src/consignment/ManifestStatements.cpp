#include "consignment/ManifestStatements.h"

#include "consignment/StatementValues.h"

#include "platform/db/SqlText.h"

namespace consignment {
namespace {

// " And Origin='...'" for an origin that is not empty after trimming; the keyword as given.
QString originClause(const QString& keyword, const QString& origin)
{
    const QString o = origin.trimmed();
    return o.isEmpty() ? QString() : keyword + db::sqlQuote(o);
}

QString dateClause(const QString& keyword, const std::optional<QDateTime>& date)
{
    return date ? keyword + db::sqlQuote(statementDate(*date)) : QString();
}

QString localManifestFilters(const QString& origin, const std::optional<QDateTime>& runsheetDate)
{
    return originClause(QStringLiteral(" And Origin="), origin)
           + dateClause(QStringLiteral(" And ManifestDate="), runsheetDate);
}

} // namespace

QString manifestLineStatement(const QString& number, const QDate& date, const QString& origin)
{
    return QStringLiteral("Select * from Run_Manifest where ConsignmentNo=") + number
           + QStringLiteral(" and Manifestdate=") + db::sqlDate(date) + QStringLiteral(" and Origin=")
           + db::sqlQuote(origin.trimmed());
}

QString localManifestStatement(const QString& number, const QString& origin,
                               const std::optional<QDateTime>& runsheetDate)
{
    return QStringLiteral("SELECT RL.*,LM.BranchCode AS FROM_BRANCH FROM Run_LocalManifest RL, "
                          "ZELADMINCONFIG..LoginMaster LM WHERE  ConsignmentNo=")
           + number + QStringLiteral(" AND RL.CreateUser=LM.UserName") + localManifestFilters(origin, runsheetDate)
           + QStringLiteral(" Order by Manifestdate,serialNo");
}

QString branchLocalManifestStatement(const QString& number, const QString& origin,
                                     const std::optional<QDateTime>& runsheetDate)
{
    return QStringLiteral("SELECT * FROM Run_Branch_LocalManifest WHERE ConsignmentNo=") + number
           + localManifestFilters(origin, runsheetDate) + QStringLiteral(" Order by Manifestdate,serialNo");
}

QString incomingManifestStatement(const QString& number, const QString& origin)
{
    return QStringLiteral("Select *,RHM.CreateDate as CreatedDate,RHM.CREATEUSER AS ENTRY_USER from Run_Manifest RHM "
                          "WHERE ConsignmentNo=")
           + number + originClause(QStringLiteral(" And Origin="), origin);
}

QString counterManifestStatement(const QString& number, const QString& origin)
{
    return QStringLiteral("Select *,RHM.CreateDate as CreatedDate,RHM.CREATEUSER AS ENTRY_USER FROM "
                          "Run_HotcManifest RHM WHERE ConsignmentNo=")
           + number + originClause(QStringLiteral(" and Origin="), origin);
}

QString incomingMisrouteStatement(const QString& number, const QString& origin,
                                  const std::optional<QDateTime>& runsheetDate)
{
    return QStringLiteral("SELECT RL.*,LM.BranchCode AS FROM_BRANCH FROM tbl_Incoming_Misroute_Entry RL, "
                          "ZELADMINCONFIG..LoginMaster LM WHERE ConNo=")
           + number + QStringLiteral(" AND RL.Create_User=LM.UserName")
           + originClause(QStringLiteral(" And Origin="), origin)
           + dateClause(QStringLiteral(" And IMF_Date="), runsheetDate) + QStringLiteral(" Order by Tran_Id");
}

} // namespace consignment
