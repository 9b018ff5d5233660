// The POD query window's statements for their inputs, with the exact text the statement log shows:
// text values quoted, Null values as NULL, dates in ISO form, numbers unquoted.

#include "podquery/PodQueryStatements.h"

#include "support/StatementCases.h"

#include <gtest/gtest.h>

using namespace podquery;

namespace {

using testsupport::expectTexts;

OutgoingLogEntry shownEnquiry()
{
    return {.queryDate = QDate(2026, 6, 17),
            .created = QDateTime(QDate(2026, 6, 17), QTime(9, 30, 5)),
            .number = "5001",
            .monthDatabase = "ZELJUN26",
            .deliveryStatus = "D",
            .statusText = "DELIVERED",
            .branchName = "O'Hara Road",
            .computerName = "COUNTER-3",
            .userName = "d'souza",
            .bookingDate = QDate(2026, 6, 5),
            .cityCode = "VLR",
            .destination = "St John's Wood",
            .region = "SOUTH",
            .bookingMode = "CASH",
            .transactionMode = "AIR",
            .partyCode = "P'01",
            .weight = 12.5,
            .manifestFound = true,
            .manifestOrigin = "O'K",
            .manifestDate = QDateTime(QDate(2026, 6, 6), QTime(18, 40, 0)),
            .manifestNo = " 0042 ",
            .manifestDestination = "Dun'more"};
}

TEST(PodQueryStatements, Lookups)
{
    const QString detail = "Select VOL_METRIC_STATUS,PAR_LENGTH,PAR_WIDTH,PAR_HEIGHT,Weight_Type,SUB_BRANCH_NAME + ' - ' + "
                           "SUB_BRANCHCODE as [Sub Branch],PAYMENT_TYPE,PAYMENT_REFNO As [UPI Ref No],";
    const QString detailEnd = " CreateUser,MachineId,CancelStatus From Invoice I LEFT OUTER JOIN "
                              "ZELADMINCONFIG.dbo.TBL_SUB_BRANCH_MASTER SM ON I.SUB_BRANCHCODE=SM.SUB_BRANCH_CODE"
                              " Where ConsignmentNo=940";
    const QString manifests = "Select * from Manifest where ConsignmentNo";
    expectTexts({
        {"booking", bookingStatement("940"), "Select * FROM Invoice where ConsignmentNo=940 or Pro_ConsignNo=940"},
        {"detail, branch", bookingDetailStatement("940", false),
         detail + " CASE WHEN ISNUMERIC(MOBILE_No)=1 THEN 'XXXXXX' + RIGHT(MOBILE_No,4) ELSE MOBILE_No END AS "
                  "MOBILE_No,CASE WHEN ISNUMERIC(TOADDRESS5)=1 THEN 'XXXXXX' + RIGHT(TOADDRESS5,4) ELSE TOADDRESS5 END "
                  "AS To_MobileNo, ODA_CHARGE as [ODA Charge],CUST_GST_ID,SLAB_ID as [Disc Slab],ContainValue As "
                  "ContentValue," + detailEnd},
        {"detail, central", bookingDetailStatement("940", true),
         detail + " MOBILE_No,TOADDRESS5 AS To_MobileNo,ODA_CHARGE as [ODA Charge],CUST_GST_ID,SLAB_ID as [Disc Slab],"
                  "ContainValue As ContentValue," + detailEnd},
        {"branch", branchStatement("VLR"), "Select * from Branchmaster where branchcode='VLR'"},
        {"branch, apostrophe", branchStatement("V'R"), "Select * from Branchmaster where branchcode='V''R'"},
        {"manifests", manifestLinesStatement("940", "0"), manifests + "=940"},
        {"manifests, no pro number", manifestLinesStatement("940", ""), manifests + "=940"},
        {"manifests, pro number", manifestLinesStatement("940", "7001"), manifests + " In (940,7001)"},
        {"manifests, pro number that is no number", manifestLinesStatement("940", "7001) OR (1=1"), manifests + "=940"},
        {"non-deliveries", outgoingNonDeliveryStatement("940"),
         "Select * from OutgoingNonDelvy Where ConsignmentNo=940 Order By TransDate"},
        {"manifest returns", manifestReturnsStatement("940"),
         "Select * from MF_Rtn_Master Where ConsignNo=940 Order By EntryDate,ReceivedDate"},
        {"incoming", incomingManifestLinesStatement("940", "ZEL"),
         "Select * from Run_Manifest WHERE ConsignmentNo=940 and Origin='ZEL'"},
        {"incoming, apostrophe", incomingManifestLinesStatement("940", "Z'L"),
         "Select * from Run_Manifest WHERE ConsignmentNo=940 and Origin='Z''L'"},
        {"incoming OTC, apostrophe", incomingOtcLinesStatement("940", "Z'L"),
         "Select * from Run_HotcManifest WHERE ConsignmentNo=940 and Origin='Z''L'"},
        {"scanned document", scannedDocumentStatement("940"),
         "Select * From ZELADMINCONFIG..OUTGOING_SCANNED_PDF WHERE ConsignmentNo=940 And Remarks='Consignment "
         "Successfully Moved'"},
    });
}

// The head office's tables are named through the link to its server, whatever name the settings
// hold; the number is compared as text.
TEST(PodQueryStatements, HeadOffice)
{
    const QString link = "[KW]]DHO,2301].KWD32Server.dbo.";
    const QString scans = "Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT,";
    expectTexts({
        {"deliveries", headOfficeDeliveriesStatement("KW]DHO", "0940"),
         "select Convert(Varchar(10),tdate,120) as Date,Origin,CNo,StnCode+'/'+bcode As Destn,DR.Rcode as Status,"
         "RM.Descp As Description, DRSNo,SNo,CNee,RcvdBy,DTime,Staff,Route as DlyRoute From " + link + "DrFile DR"
         " Left Outer Join " + link + "status RM ON DR.Rcode=RM.Rcode where Origin='ZEL' And cno='0940' order by dtime"},
        {"inbound scans", headOfficeInboundScansStatement("KW]DHO", "0940"),
         "select Convert(Varchar(10),tdate,120) as Date,Origin,SNo,CNo,StnCode+'/'+OPCode As OPCode," + scans
             + " Destn,MFNo,Weight,Pcs,RmKs,AR As AddlRmks,Hub,State,MTime from " + link
             + "CnFile where cno='0940' And Origin='ZEL' And Type='I' order by tdate,mtime"},
        {"point scans", headOfficePointScansStatement("KW]DHO", "0940"),
         "select Convert(Varchar(10),tdate,120) as Date,ptime,Origin,SlNo,CNo,StnCode+'/'+OPCode As Scanned@," + scans
             + " Bcode,PntNo,Weight,Pcs,Rmks As Remarks,TLoad As LoadN From " + link
             + "PointPod where cno='0940' And Origin='ZEL' order by tdate,ptime"},
        {"OTC scans, number with apostrophe", headOfficeOtcScansStatement("KW]DHO", "9'4"),
         "select Convert(Varchar(10),tdate,120) as Date,Origin,Mfno,StnCode+'/'+OPCode As Scanned@," + scans
             + " Destn,OTime,OTCNo,SNo,Weight,Pcs,Rmks As Remarks,Ar As AddlRemarks From " + link
             + "OTCFile where mfno='9''4' AND ORIGIN='ZEL' Order by tdate,OTime"},
    });
}

TEST(PodQueryStatements, QueryLog)
{
    const OutgoingLogEntry shown = shownEnquiry();
    OutgoingLogEntry nulls = shown; // a booking and a manifest line whose values are Null
    for (QVariant* value : {&nulls.bookingDate, &nulls.cityCode, &nulls.destination, &nulls.region, &nulls.bookingMode,
                            &nulls.transactionMode, &nulls.manifestOrigin, &nulls.manifestDate,
                            &nulls.manifestDestination})
        *value = QVariant();
    // Nulls as the database gives them
    nulls.cityCode = QVariant(QMetaType::fromType<QString>());
    nulls.manifestDate = QVariant(QMetaType::fromType<QDateTime>());
    nulls.manifestNo = "";
    nulls.weight = 0;
    OutgoingLogEntry fraction = shown;
    fraction.manifestNo = "42.5";
    fraction.manifestDate = QDateTime(QDate(2026, 6, 6), QTime(0, 0));
    fraction.bookingDate = QString("2026-06-05"); // a date column as text
    OutgoingLogEntry noManifest = shown;
    noManifest.manifestFound = false;
    noManifest.deliveryStatus = "N";
    noManifest.statusText = "";
    OutgoingLogEntry noManifestNulls = nulls;
    noManifestNulls.manifestFound = false;

    const QString positional = "INSERT INTO ZELADMINCONFIG..tbl_Qry_Details Values ('2026-06-17','OUTGOING',";
    const QString enquiry = ",'D','DELIVERED', NULL,'O''Hara Road','COUNTER-3','d''souza','2026-06-17 09:30:05', ";
    const QString booking = "'2026-06-05','VLR','St John''s Wood','SOUTH','CASH', 'AIR','P''01',";
    const QString columns = "INSERT INTO ZELADMINCONFIG..tbl_Qry_Details (QueryDate,QueryType,Origin,ConsignmentNo,"
                            "DBName,ReasonCode,Reason_Desc,BranchName,System_Name,Create_User,Create_Date, BookingDate,"
                            "CityCode,Destination,Region,BookingMode,TransactionMode,PartyCode,Weight) Values "
                            "('2026-06-17','OUTGOING','ZEL',5001, 'ZELJUN26',";
    expectTexts({
        {"manifest line shown", outgoingLogStatement(shown),
         positional + "'O''K',5001, 'ZELJUN26','2026-06-06 18:40:00',42" + enquiry + booking + "'12.5','Dun''more')"},
        {"manifest line, Null values", outgoingLogStatement(nulls),
         positional + "NULL,5001, 'ZELJUN26',NULL,NULL" + enquiry
             + "NULL,NULL,NULL,NULL,NULL, NULL,'P''01','0',NULL)"},
        {"manifest number not whole, dates without time", outgoingLogStatement(fraction),
         positional + "'O''K',5001, 'ZELJUN26','2026-06-06',NULL" + enquiry + booking + "'12.5','Dun''more')"},
        {"no manifest line", outgoingLogStatement(noManifest),
         columns + "'N','', 'O''Hara Road','COUNTER-3','d''souza','2026-06-17 09:30:05', " + booking + "12.5)"},
        {"no manifest line, Null values", outgoingLogStatement(noManifestNulls),
         columns + "'D','DELIVERED', 'O''Hara Road','COUNTER-3','d''souza','2026-06-17 09:30:05', "
                   "NULL,NULL,NULL,NULL,NULL, NULL,'P''01',0)"},
    });
}

} // namespace
