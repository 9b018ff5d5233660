#include "consignment/QueryLogStatements.h"

#include "consignment/StatementValues.h"

#include "platform/db/SqlText.h"

namespace consignment {
namespace {

// The runsheet line's values as both rows write them, from the month database's name to the
// branch code.
QString loggedLine(const QueryLogEntry& e)
{
    return QStringLiteral(" ") + db::sqlQuote(e.monthDatabase) + QStringLiteral(",")
           + db::sqlQuote(statementDate(e.runsheetDate)) + QStringLiteral(",") + QString::number(e.runsheetNo)
           + QStringLiteral(",") + db::sqlQuote(e.reasonCode) + QStringLiteral(",") + db::sqlQuote(e.statusText)
           + QStringLiteral(", ") + QString::number(e.drsNo) + QStringLiteral(",") + db::sqlQuote(e.branchCode)
           + QStringLiteral(",");
}

} // namespace

QString trackingLogStatement(const QueryLogEntry& e)
{
    return QStringLiteral("INSERT INTO Tracking..Incoming_Queries_Details Values (") + db::sqlDate(e.queryDate)
           + QStringLiteral(",") + e.number + QStringLiteral(",") + db::sqlQuote(e.origin) + QStringLiteral(",")
           + loggedLine(e) + db::sqlQuote(e.userName) + QStringLiteral(",") + db::sqlDateTime(e.created)
           + QStringLiteral(",NULL,NULL) ");
}

QString adminLogStatement(const QueryLogEntry& e)
{
    return QStringLiteral("INSERT INTO ZELADMINCONFIG..tbl_Qry_Details(QueryDate,QueryType,Origin,ConsignmentNo,"
                          "DBName,RunsheetDate,RunsheetNo,ReasonCode,"
                          " Reason_Desc,DRSNo,BranchName,System_Name,Create_User,Create_Date) Values (")
           + db::sqlDate(e.queryDate) + QStringLiteral(",'INCOMING',") + db::sqlQuote(e.origin) + QStringLiteral(",")
           + e.number + QStringLiteral(",") + loggedLine(e) + db::sqlQuote(e.computerName) + QStringLiteral(",")
           + db::sqlQuote(e.userName) + QStringLiteral(",") + db::sqlDateTime(e.created) + QStringLiteral(") ");
}

QString registeredWorkstationStatement(const QString& computerName)
{
    return QStringLiteral("Select System_Name From ZELADMINCONFIG..tbl_User_System Where System_Name=")
           + db::sqlQuote(computerName) + QStringLiteral(" And Cancel_Status=0");
}

} // namespace consignment
