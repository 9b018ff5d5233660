#include "consignment/RunsheetStatements.h"

#include "consignment/StatementValues.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Strings.h"

namespace consignment {

QString printedOriginsStatement(const QString& number, const QDate& date)
{
    return QStringLiteral("Select distinct Origin from RunsheetDetails where ConsignmentNo=") + number
           + QStringLiteral(" and RunsheetPrintStatus=1 and RunsheetDate=") + db::sqlDate(date);
}

QString runsheetLineStatement(const QString& number, const QDate& date, const QString& origin)
{
    return QStringLiteral(" Select R.*,A.AreaName,S.StaffName from RunsheetDetails R,run_AreaMaster A,run_StaffMaster S"
                          " where  R.RunsheetDate=")
           + db::sqlDate(date)
           + QStringLiteral(" and R.AreaCode=A.AreaCode and R.StaffCode=S.StaffCode  and R.ConsignmentNo=") + number
           + QStringLiteral(" and  r.Origin=") + db::sqlQuote(origin.trimmed());
}

QString knownOriginsStatement(const QString& number)
{
    return QStringLiteral("Select distinct Origin from RunsheetDetails where ConsignmentNo=") + number
           + QStringLiteral("  UNION select distinct Origin from Run_Manifest where ConsignmentNo=") + number
           + QStringLiteral(" Union  select distinct Origin from Run_HOTCManifest where ConsignmentNo=") + number
           + QStringLiteral(" UNION  select distinct Origin from tbl_Incoming_Misroute_Entry where ConNo=") + number;
}

QString printedRunsheetDatesStatement(const QString& number, const QString& origin)
{
    return QStringLiteral("Select Distinct RunsheetDate From RunsheetDetails Where ConsignmentNo=") + number
           + QStringLiteral(" And Origin=") + db::sqlQuote(origin.trimmed())
           + QStringLiteral(" And RunsheetPrintStatus=1");
}

QString runsheetHistoryStatement(const QString& number, const QString& origin,
                                 const std::optional<QDateTime>& runsheetDate)
{
    QString sql = QStringLiteral(
        "SELECT RD.RUNSHEETDATE,RD.RUNSHEETNO,RD.SerialNo,AM.AREANAME,RD.STAFFCODE,RD.RUNSHEETMODE,BAR_RSNO,"
        "Contact_Name,Contact_No,RM.BRANCHCODE AS BCODE,"
        " DRSNo,RD.BranchCode,ReturnPODDate,Origin,ConsignmentNo,DRSNo,RD.AreaName AS RTN_AREANAME,ReasonCode,"
        "Mobile_No,RD.LoadDetails,PODScanTime,RD.CreateDate,"
        " RD.CreateUser,RD.MachineId FROM RUNSHEETDETAILS RD LEFT OUTER JOIN RUNSHEETMASTER RM ON "
        "RD.RUNSHEETNO=RM.RUNSHEETNO"
        " LEFT OUTER JOIN RUN_AREAMASTER AM ON RD.AREACODE=AM.AREACODE "
        " WHERE CONSIGNMENTNO=");
    sql += number + QStringLiteral(" AND ORIGIN=") + db::sqlQuote(runtime::Trim(origin));
    if (runsheetDate)
        sql += QStringLiteral(" AND RD.RUNSHEETDATE=") + db::sqlQuote(statementDate(*runsheetDate));
    return sql + QStringLiteral(" Order by RunsheetDate,RD.LoadDetails");
}

QString returnPodMasterStatement(const QString& drsNo)
{
    return QStringLiteral("Select * From tab_ReturnPODMaster Where RSNo=") + drsNo;
}

QString mobileMatchesStatement(const QString& typed)
{
    return QStringLiteral("SELECT ROW_NUMBER() OVER(ORDER BY RUNSHEETDATE DESC,ORIGIN,CONSIGNMENTNO) AS 'SlNo',"
                          "Convert(Varchar(10),RunsheetDate,120) as RSDate,Origin,CONSIGNMENTNO AS [CONSIGN NO],"
                          "MOBILE_NO,ReasonCode AS REASON From RunsheetDetails WHERE MOBILE_NO<>''"
                          " AND MOBILE_NO LIKE ")
           + db::sqlQuote(runtime::Trim(typed) + u'%')
           + QStringLiteral("  ORDER BY RUNSHEETDATE DESC,ORIGIN,CONSIGNMENTNO");
}

} // namespace consignment
