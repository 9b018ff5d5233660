// The consignment statements for their inputs, with the exact text the statement log shows:
// quoting of text, trimming of origins, clauses left out for empty filters, numbers unquoted.

#include "consignment/HeadOfficeStatements.h"
#include "consignment/ManifestStatements.h"
#include "consignment/NonDeliveryStatements.h"
#include "consignment/QueryLogStatements.h"
#include "consignment/RegisterStatements.h"
#include "consignment/RunsheetStatements.h"

#include "support/StatementCases.h"

#include <gtest/gtest.h>

using namespace consignment;

namespace {

using testsupport::expectTexts;

const QDate kJune5(2026, 6, 5);
const QDateTime kJune7(QDate(2026, 6, 7), QTime(0, 0));
const QString kNone;

TEST(ConsignmentStatements, Runsheets)
{
    const QString line = " Select R.*,A.AreaName,S.StaffName from RunsheetDetails R,run_AreaMaster A,run_StaffMaster S"
                         " where  R.RunsheetDate='2026-06-05' and R.AreaCode=A.AreaCode and R.StaffCode=S.StaffCode "
                         " and R.ConsignmentNo=";
    const QString history =
        "SELECT RD.RUNSHEETDATE,RD.RUNSHEETNO,RD.SerialNo,AM.AREANAME,RD.STAFFCODE,RD.RUNSHEETMODE,BAR_RSNO,"
        "Contact_Name,Contact_No,RM.BRANCHCODE AS BCODE, DRSNo,RD.BranchCode,ReturnPODDate,Origin,ConsignmentNo,"
        "DRSNo,RD.AreaName AS RTN_AREANAME,ReasonCode,Mobile_No,RD.LoadDetails,PODScanTime,RD.CreateDate, "
        "RD.CreateUser,RD.MachineId FROM RUNSHEETDETAILS RD LEFT OUTER JOIN RUNSHEETMASTER RM ON "
        "RD.RUNSHEETNO=RM.RUNSHEETNO LEFT OUTER JOIN RUN_AREAMASTER AM ON RD.AREACODE=AM.AREACODE  WHERE CONSIGNMENTNO=";
    const QString historyOrder = " Order by RunsheetDate,RD.LoadDetails";
    const QString mobile = "SELECT ROW_NUMBER() OVER(ORDER BY RUNSHEETDATE DESC,ORIGIN,CONSIGNMENTNO) AS 'SlNo',"
                           "Convert(Varchar(10),RunsheetDate,120) as RSDate,Origin,CONSIGNMENTNO AS [CONSIGN NO],"
                           "MOBILE_NO,ReasonCode AS REASON From RunsheetDetails WHERE MOBILE_NO<>'' AND MOBILE_NO LIKE ";
    const QString mobileOrder = "  ORDER BY RUNSHEETDATE DESC,ORIGIN,CONSIGNMENTNO";
    expectTexts({
        {"printed origins", printedOriginsStatement("940", kJune5),
         "Select distinct Origin from RunsheetDetails where ConsignmentNo=940 and RunsheetPrintStatus=1 and "
         "RunsheetDate='2026-06-05'"},
        {"line", runsheetLineStatement("940", kJune5, " VLM "), line + "940 and  r.Origin='VLM'"},
        {"line, apostrophe", runsheetLineStatement("941", kJune5, "O'R"), line + "941 and  r.Origin='O''R'"},
        {"known origins", knownOriginsStatement("123"),
         "Select distinct Origin from RunsheetDetails where ConsignmentNo=123  UNION select distinct Origin from "
         "Run_Manifest where ConsignmentNo=123 Union  select distinct Origin from Run_HOTCManifest where "
         "ConsignmentNo=123 UNION  select distinct Origin from tbl_Incoming_Misroute_Entry where ConNo=123"},
        {"printed dates", printedRunsheetDatesStatement("701", " OKM"),
         "Select Distinct RunsheetDate From RunsheetDetails Where ConsignmentNo=701 And Origin='OKM' And "
         "RunsheetPrintStatus=1"},
        {"printed dates, apostrophe", printedRunsheetDatesStatement("701", "O'K"),
         "Select Distinct RunsheetDate From RunsheetDetails Where ConsignmentNo=701 And Origin='O''K' And "
         "RunsheetPrintStatus=1"},
        {"history", runsheetHistoryStatement("5001", "MAA", {}), history + "5001 AND ORIGIN='MAA'" + historyOrder},
        {"history, date", runsheetHistoryStatement("5001", " MAA ", kJune7),
         history + "5001 AND ORIGIN='MAA' AND RD.RUNSHEETDATE='2026-06-07'" + historyOrder},
        {"history, date and time", runsheetHistoryStatement("5001", "MAA", QDateTime(kJune7.date(), QTime(14, 5, 9))),
         history + "5001 AND ORIGIN='MAA' AND RD.RUNSHEETDATE='2026-06-07 14:05:09'" + historyOrder},
        {"history, no origin", runsheetHistoryStatement("5001", "", {}), history + "5001 AND ORIGIN=''" + historyOrder},
        {"history, apostrophe", runsheetHistoryStatement("5001", "O'K", QDateTime(QDate(2026, 1, 1), QTime(0, 0))),
         history + "5001 AND ORIGIN='O''K' AND RD.RUNSHEETDATE='2026-01-01'" + historyOrder},
        {"returned POD master", returnPodMasterStatement("9001"), "Select * From tab_ReturnPODMaster Where RSNo=9001"},
        {"mobile", mobileMatchesStatement("98765"), mobile + "'98765%'" + mobileOrder},
        {"mobile, leading blanks", mobileMatchesStatement("  987"), mobile + "'987%'" + mobileOrder},
        {"mobile, inner blanks", mobileMatchesStatement("9 8 7"), mobile + "'9 8 7%'" + mobileOrder},
        {"mobile, apostrophe", mobileMatchesStatement("98'76"), mobile + "'98''76%'" + mobileOrder},
    });
}

TEST(ConsignmentStatements, Manifests)
{
    const QString local = "SELECT RL.*,LM.BranchCode AS FROM_BRANCH FROM Run_LocalManifest RL, "
                          "ZELADMINCONFIG..LoginMaster LM WHERE  ConsignmentNo=123 AND RL.CreateUser=LM.UserName";
    const QString branch = "SELECT * FROM Run_Branch_LocalManifest WHERE ConsignmentNo=123";
    const QString localOrder = " Order by Manifestdate,serialNo";
    const QString incoming = "Select *,RHM.CreateDate as CreatedDate,RHM.CREATEUSER AS ENTRY_USER from Run_Manifest RHM "
                             "WHERE ConsignmentNo=123";
    const QString counter = "Select *,RHM.CreateDate as CreatedDate,RHM.CREATEUSER AS ENTRY_USER FROM "
                            "Run_HotcManifest RHM WHERE ConsignmentNo=123";
    const QString misroute = "SELECT RL.*,LM.BranchCode AS FROM_BRANCH FROM tbl_Incoming_Misroute_Entry RL, "
                             "ZELADMINCONFIG..LoginMaster LM WHERE ConNo=123 AND RL.Create_User=LM.UserName";
    const QString misrouteOrder = " Order by Tran_Id";
    expectTexts({
        {"line", manifestLineStatement("940", kJune5, "VLM"),
         "Select * from Run_Manifest where ConsignmentNo=940 and Manifestdate='2026-06-05' and Origin='VLM'"},
        {"line, apostrophe", manifestLineStatement("941", kJune5, " O'R "),
         "Select * from Run_Manifest where ConsignmentNo=941 and Manifestdate='2026-06-05' and Origin='O''R'"},
        {"local", localManifestStatement("123", "", {}), local + localOrder},
        {"local, blank origin", localManifestStatement("123", "  ", {}), local + localOrder},
        {"local, origin", localManifestStatement("123", " ZEL ", {}), local + " And Origin='ZEL'" + localOrder},
        {"local, origin and date", localManifestStatement("123", "ZEL", kJune7),
         local + " And Origin='ZEL' And ManifestDate='2026-06-07'" + localOrder},
        {"local, date", localManifestStatement("123", "", kJune7), local + " And ManifestDate='2026-06-07'" + localOrder},
        {"local, apostrophe", localManifestStatement("123", "O'K", {}), local + " And Origin='O''K'" + localOrder},
        {"branch local", branchLocalManifestStatement("123", "  ", {}), branch + localOrder},
        {"branch local, origin and date", branchLocalManifestStatement("123", " ZEL ", kJune7),
         branch + " And Origin='ZEL' And ManifestDate='2026-06-07'" + localOrder},
        {"branch local, apostrophe", branchLocalManifestStatement("123", "O'K", {}),
         branch + " And Origin='O''K'" + localOrder},
        {"incoming", incomingManifestStatement("123", "  "), incoming},
        {"incoming, origin", incomingManifestStatement("123", " ZEL "), incoming + " And Origin='ZEL'"},
        {"counter", counterManifestStatement("123", ""), counter},
        {"counter, apostrophe", counterManifestStatement("123", "O'K"), counter + " and Origin='O''K'"},
        {"misroute", incomingMisrouteStatement("123", "", {}), misroute + misrouteOrder},
        {"misroute, blank origin", incomingMisrouteStatement("123", "  ", {}), misroute + misrouteOrder},
        {"misroute, origin", incomingMisrouteStatement("123", " ZEL ", {}), misroute + " And Origin='ZEL'" + misrouteOrder},
        {"misroute, origin and date", incomingMisrouteStatement("123", "ZEL", kJune7),
         misroute + " And Origin='ZEL' And IMF_Date='2026-06-07'" + misrouteOrder},
        {"misroute, date", incomingMisrouteStatement("123", "", kJune7), misroute + " And IMF_Date='2026-06-07'" + misrouteOrder},
        {"misroute, apostrophe", incomingMisrouteStatement("123", "O'K", {}), misroute + " And Origin='O''K'" + misrouteOrder},
    });
}

TEST(ConsignmentStatements, NonDeliveries)
{
    const QString history = "Select A.*,LM.BranchCode AS Entry_Branch From (Select ROW_NUMBER() OVER(PARTITION BY "
                            "NDDATE,STATUS ORDER BY NDDATE,REFERENCENO) AS 'SlNo',* from tab_NonDelivery) A LEFT OUTER "
                            "JOIN ZELADMINCONFIG..LoginMaster LM ON A.CreateUser=LM.UserName Where ConsignNo=";
    const QString returned = "Select * from Run_NonDel_Received_Details where ConsignmentNo=123";
    expectTexts({
        {"entry", nonDeliveryEntryStatement(kJune5, "940", "Velmora"),
         "Select * from Tab_NonDelivery where NDDate='2026-06-05' and ConsignNo=940 and Destination='Velmora'"},
        {"entry, apostrophe", nonDeliveryEntryStatement(kJune5, "941", "O'Hara"),
         "Select * from Tab_NonDelivery where NDDate='2026-06-05' and ConsignNo=941 and Destination='O''Hara'"},
        {"history", nonDeliveryHistoryStatement("123", "Northfield"), history + "123 and Destination='Northfield'"},
        {"history, apostrophe", nonDeliveryHistoryStatement("77", "O'Hara"), history + "77 and Destination='O''Hara'"},
        {"history, no city", nonDeliveryHistoryStatement("5", ""), history + "5 and Destination=''"},
        {"destinations", nonDeliveryDestinationsStatement("601"),
         "Select Distinct Destination From tab_NonDelivery Where ConsignNo=601"},
        {"city code", cityCodeStatement("O'HARA"), "Select CityCode From CityMaster Where CityName='O''HARA'"},
        {"reason name", reasonNameStatement("D'L"), "Select ReasonName from run_ReasonMaster where Reasoncode='D''L'"},
        {"reason", reasonStatement("DLK"), "Select * From Run_ReasonMaster Where ReasonCode='DLK'"},
        {"reason, stored statement text", reasonStatement("'; DROP TABLE x --"),
         "Select * From Run_ReasonMaster Where ReasonCode='''; DROP TABLE x --'"},
        {"returned", returnedDocumentsStatement("123", " ZEL "), returned + "  and Origin='ZEL'"},
        {"returned, apostrophe", returnedDocumentsStatement("123", "O'B"), returned + "  and Origin='O''B'"},
        {"returned, blank origin", returnedDocumentsStatement("123", "  "), returned},
    });
}

TEST(ConsignmentStatements, Registers)
{
    const QString sms = "Select Convert(Varchar(10),Tran_Date,105) as TRAN_Date,TO_MOBILE_NO,BODY_TEXT,SENT_DATETIME,"
                        "SENT_MESSAGE FROM ZELADMINCONFIG..TBL_SMS_CONSIGNMENT_DETAILS WHERE 1=1";
    const QString smsOrder = " Order By Tran_Id";
    expectTexts({
        {"pending", pendingDocumentsStatement("987"),
         "SELECT * FROM PendingDoc WHERE ConsignmentNo=987 Order by PendingDate,serialNo"},
        {"miscellaneous", miscellaneousStatement("987"),
         "SELECT * FROM Misscellaneous WHERE ConsignmentNo=987 Order by PendingDate,serialNo"},
        {"sms", smsStatement("701", "  OKM "), sms + " AND CONSIGNMENTNO=701 AND ORIGIN='OKM'" + smsOrder},
        {"sms, number", smsStatement("701", ""), sms + " AND CONSIGNMENTNO=701" + smsOrder},
        {"sms, origin", smsStatement(kNone, "O'K"), sms + " AND ORIGIN='O''K'" + smsOrder},
        {"sms, neither", smsStatement(kNone, "  "), sms + smsOrder},
    });
}

TEST(ConsignmentStatements, HeadOffice)
{
    const QString link = "[KWDHO,2301].KWD32Server.dbo.";
    const QString runsheets = "select Convert(Varchar(10),tdate,120) as Date,Origin,CNo,StnCode+'/'+bcode As Destn,"
                              "DR.Rcode as Status,RM.Descp As Description, DRSNo,SNo,CNee,RcvdBy,DTime,Staff,Route as "
                              "DlyRoute From ";
    expectTexts({
        {"runsheets", headOfficeRunsheetStatement("KWDHO", " 00123 "),
         runsheets + link + "DrFile DR Left Outer Join " + link + "status RM ON DR.Rcode=RM.Rcode where cno='00123'"
             " order by dtime"},
        {"scans", headOfficeScanStatement("KWDHO", "1'2"),
         "select Convert(Varchar(10),tdate,120) as Date,Origin,SNo,CNo,StnCode+'/'+OPCode As OPCode,Case When "
         "Type='O' Then 'OutBound' Else 'InBound' End As INOUT, Destn,MFNo,Weight,Pcs,RmKs,AR As AddlRmks,Hub,State,"
         "MTime from " + link + "CnFile where cno='1''2' order by tdate,mtime"},
        {"point to point", headOfficePointStatement("KWDHO", "00123"),
         "select Convert(Varchar(10),tdate,120) as Date,ptime,Origin,SlNo,CNo,StnCode+'/'+OPCode As Scanned@,Case "
         "When Type='O' Then 'OutBound' Else 'InBound' End As INOUT, Bcode,PntNo,Weight,Pcs,Rmks As Remarks,TLoad As "
         "LoadN From " + link + "PointPod where cno='00123' order by tdate,ptime"},
        {"over the counter", headOfficeCounterStatement("KWDHO", "00123"),
         "select Convert(Varchar(10),tdate,120) as Date,Origin,Mfno,StnCode+'/'+OPCode As Scanned@,Case When "
         "Type='O' Then 'OutBound' Else 'InBound' End As INOUT, Destn,OTime,OTCNo,SNo,Weight,Pcs,Rmks As Remarks,Ar "
         "As AddlRemarks From " + link + "OTCFile where mfno='00123' Order by tdate,OTime"},
        {"server name with a bracket", headOfficeRunsheetStatement("KW]DHO", "1"),
         runsheets + "[KW]]DHO,2301].KWD32Server.dbo.DrFile DR Left Outer Join [KW]]DHO,2301].KWD32Server.dbo.status "
                     "RM ON DR.Rcode=RM.Rcode where cno='1' order by dtime"},
        {"server name holding statement text",
         headOfficeCounterStatement("KWDHO,2301].KWD32Server.dbo.status RM ON 1=1; DELETE FROM Invoice; --", "1")
             .section(" From ", 1),
         "[KWDHO,2301]].KWD32Server.dbo.status RM ON 1=1; DELETE FROM Invoice; --,2301].KWD32Server.dbo.OTCFile where "
         "mfno='1' Order by tdate,OTime"},
        {"server name with an apostrophe", headOfficeScanStatement("O'Hare", "1").section(" from ", 1),
         "[O'Hare,2301].KWD32Server.dbo.CnFile where cno='1' order by tdate,mtime"},
    });
}

TEST(ConsignmentStatements, QueryLog)
{
    const QueryLogEntry shown{.queryDate = QDate(2026, 6, 17),
                              .created = QDateTime(QDate(2026, 6, 17), QTime(9, 30, 5)),
                              .number = "5001",
                              .origin = "MAA",
                              .monthDatabase = "ZELJUN26",
                              .runsheetDate = kJune7,
                              .runsheetNo = 302,
                              .reasonCode = "DLK",
                              .statusText = "Consignee's door locked",
                              .drsNo = 9001,
                              .branchCode = "VLR",
                              .userName = "d'souza",
                              .computerName = "COUNTER-3"};
    QueryLogEntry nullLine = shown; // a runsheet line whose values are Null
    nullLine.runsheetDate = QDateTime();
    nullLine.runsheetNo = 0;
    nullLine.reasonCode.clear();
    nullLine.statusText = "Taken For Delivery";
    nullLine.drsNo = 0;
    nullLine.branchCode.clear();
    const QString admin = "INSERT INTO ZELADMINCONFIG..tbl_Qry_Details(QueryDate,QueryType,Origin,ConsignmentNo,DBName,"
                          "RunsheetDate,RunsheetNo,ReasonCode, Reason_Desc,DRSNo,BranchName,System_Name,Create_User,"
                          "Create_Date) Values ('2026-06-17','INCOMING','MAA',5001, 'ZELJUN26',";
    expectTexts({
        {"tracking", trackingLogStatement(shown),
         "INSERT INTO Tracking..Incoming_Queries_Details Values ('2026-06-17',5001,'MAA', 'ZELJUN26','2026-06-07',302,"
         "'DLK','Consignee''s door locked', 9001,'VLR','d''souza','2026-06-17 09:30:05',NULL,NULL) "},
        {"tracking, null line", trackingLogStatement(nullLine),
         "INSERT INTO Tracking..Incoming_Queries_Details Values ('2026-06-17',5001,'MAA', 'ZELJUN26','',0,'',"
         "'Taken For Delivery', 0,'','d''souza','2026-06-17 09:30:05',NULL,NULL) "},
        {"admin", adminLogStatement(shown),
         admin + "'2026-06-07',302,'DLK','Consignee''s door locked', 9001,'VLR','COUNTER-3','d''souza',"
                 "'2026-06-17 09:30:05') "},
        {"admin, null line", adminLogStatement(nullLine),
         admin + "'',0,'','Taken For Delivery', 0,'','COUNTER-3','d''souza','2026-06-17 09:30:05') "},
        {"registered workstation", registeredWorkstationStatement("COUNTER-3"),
         "Select System_Name From ZELADMINCONFIG..tbl_User_System Where System_Name='COUNTER-3' And Cancel_Status=0"},
        {"registered workstation, apostrophe", registeredWorkstationStatement("O'NEIL-PC"),
         "Select System_Name From ZELADMINCONFIG..tbl_User_System Where System_Name='O''NEIL-PC' And Cancel_Status=0"},
    });
}

} // namespace
