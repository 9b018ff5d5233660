#include "podquery/PodQueryStatements.h"

#include "consignment/HeadOfficeStatements.h"
#include "consignment/StatementValues.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/ValueKind.h"

namespace podquery {
namespace {

const QString kNull = QStringLiteral("NULL");

// A value read from the database: quoted text, NULL when it is Null.
QString storedText(const QVariant& value)
{
    return runtime::IsNull(value) ? kNull : db::sqlQuote(runtime::CStr(value));
}

// A date read from the database: with its time of day when it has one, NULL when it is Null or
// reads as no date.
QString storedDate(const QVariant& value)
{
    if (!runtime::IsDate(value))
        return kNull;
    const QDateTime moment = runtime::CDate(value);
    return moment.time() == QTime(0, 0) ? db::sqlDate(moment.date()) : db::sqlDateTime(moment);
}

// A manifest number as a number: NULL when it is empty or not a whole number.
QString manifestNumber(const QString& manifestNo)
{
    bool whole = false;
    const qlonglong number = manifestNo.toLongLong(&whole);
    return whole ? QString::number(number) : kNull;
}

QString weightText(double weight)
{
    return QString::number(weight, 'g', 15);
}

// The enquiry's values both log rows share, from the delivery status to the server's date and
// time; `beforeBranch` is what stands between the status text and the branch name.
QString enquiryValues(const OutgoingLogEntry& e, const QString& beforeBranch)
{
    return QStringLiteral(",") + db::sqlQuote(e.deliveryStatus) + QStringLiteral(",") + db::sqlQuote(e.statusText)
           + beforeBranch + db::sqlQuote(e.branchName) + QStringLiteral(",") + db::sqlQuote(e.computerName)
           + QStringLiteral(",") + db::sqlQuote(e.userName) + QStringLiteral(",") + db::sqlDateTime(e.created);
}

// The booking's values both log rows share, from the booking date to the party code.
QString bookingValues(const OutgoingLogEntry& e)
{
    return QStringLiteral(", ") + storedDate(e.bookingDate) + QStringLiteral(",") + storedText(e.cityCode)
           + QStringLiteral(",") + storedText(e.destination) + QStringLiteral(",") + storedText(e.region)
           + QStringLiteral(",") + storedText(e.bookingMode) + QStringLiteral(", ") + storedText(e.transactionMode)
           + QStringLiteral(",") + db::sqlQuote(e.partyCode);
}

} // namespace

QString bookingStatement(const QString& number)
{
    return QStringLiteral("Select * FROM Invoice where ConsignmentNo=") + number + QStringLiteral(" or Pro_ConsignNo=")
           + number;
}

QString bookingDetailStatement(const QString& number, bool centralMode)
{
    const QString mobiles =
        centralMode ? QStringLiteral(" MOBILE_No,TOADDRESS5 AS To_MobileNo,ODA_CHARGE as [ODA Charge],CUST_GST_ID,"
                                     "SLAB_ID as [Disc Slab],ContainValue As ContentValue,")
                    : QStringLiteral(" CASE WHEN ISNUMERIC(MOBILE_No)=1 THEN 'XXXXXX' + RIGHT(MOBILE_No,4) ELSE "
                                     "MOBILE_No END AS MOBILE_No,CASE WHEN ISNUMERIC(TOADDRESS5)=1 THEN 'XXXXXX' + "
                                     "RIGHT(TOADDRESS5,4) ELSE TOADDRESS5 END AS To_MobileNo,"
                                     " ODA_CHARGE as [ODA Charge],CUST_GST_ID,SLAB_ID as [Disc Slab],ContainValue As "
                                     "ContentValue,");
    return QStringLiteral("Select VOL_METRIC_STATUS,PAR_LENGTH,PAR_WIDTH,PAR_HEIGHT,Weight_Type,SUB_BRANCH_NAME + ' - ' "
                          "+ SUB_BRANCHCODE as [Sub Branch],PAYMENT_TYPE,PAYMENT_REFNO As [UPI Ref No],")
           + mobiles
           + QStringLiteral(" CreateUser,MachineId,CancelStatus From Invoice I LEFT OUTER JOIN "
                            "ZELADMINCONFIG.dbo.TBL_SUB_BRANCH_MASTER SM ON I.SUB_BRANCHCODE=SM.SUB_BRANCH_CODE"
                            " Where ConsignmentNo=")
           + number;
}

QString branchStatement(const QString& branchCode)
{
    return QStringLiteral("Select * from Branchmaster where branchcode=") + db::sqlQuote(branchCode);
}

QString manifestLinesStatement(const QString& number, const QString& proNumber)
{
    const std::optional<QString> pro = consignment::statementNumber(QVariant(proNumber));
    if (!pro || *pro == QLatin1String("0"))
        return QStringLiteral("Select * from Manifest where ConsignmentNo=") + number;
    return QStringLiteral("Select * from Manifest where ConsignmentNo In (") + number + QStringLiteral(",") + *pro
           + QStringLiteral(")");
}

QString outgoingNonDeliveryStatement(const QString& number)
{
    return QStringLiteral("Select * from OutgoingNonDelvy Where ConsignmentNo=") + number
           + QStringLiteral(" Order By TransDate");
}

QString manifestReturnsStatement(const QString& number)
{
    return QStringLiteral("Select * from MF_Rtn_Master Where ConsignNo=") + number
           + QStringLiteral(" Order By EntryDate,ReceivedDate");
}

QString incomingManifestLinesStatement(const QString& number, const QString& stationCode)
{
    return QStringLiteral("Select * from Run_Manifest WHERE ConsignmentNo=") + number + QStringLiteral(" and Origin=")
           + db::sqlQuote(stationCode);
}

QString incomingOtcLinesStatement(const QString& number, const QString& stationCode)
{
    return QStringLiteral("Select * from Run_HotcManifest WHERE ConsignmentNo=") + number
           + QStringLiteral(" and Origin=") + db::sqlQuote(stationCode);
}

QString headOfficeDeliveriesStatement(const QString& server, const QString& number)
{
    const QString prefix = consignment::headOfficeTablePrefix(server);
    return QStringLiteral("select Convert(Varchar(10),tdate,120) as Date,Origin,CNo,StnCode+'/'+bcode As Destn,"
                          "DR.Rcode as Status,RM.Descp As Description,"
                          " DRSNo,SNo,CNee,RcvdBy,DTime,Staff,Route as DlyRoute From ")
           + prefix + QStringLiteral("DrFile DR Left Outer Join ") + prefix
           + QStringLiteral("status RM ON DR.Rcode=RM.Rcode where Origin='ZEL' And cno=") + db::sqlQuote(number)
           + QStringLiteral(" order by dtime");
}

QString headOfficeInboundScansStatement(const QString& server, const QString& number)
{
    return QStringLiteral("select Convert(Varchar(10),tdate,120) as Date,Origin,SNo,CNo,StnCode+'/'+OPCode As OPCode,"
                          "Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT,"
                          " Destn,MFNo,Weight,Pcs,RmKs,AR As AddlRmks,Hub,State,MTime from ")
           + consignment::headOfficeTablePrefix(server) + QStringLiteral("CnFile where cno=") + db::sqlQuote(number)
           + QStringLiteral(" And Origin='ZEL' And Type='I' order by tdate,mtime");
}

QString headOfficePointScansStatement(const QString& server, const QString& number)
{
    return QStringLiteral("select Convert(Varchar(10),tdate,120) as Date,ptime,Origin,SlNo,CNo,StnCode+'/'+OPCode As "
                          "Scanned@,Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT,"
                          " Bcode,PntNo,Weight,Pcs,Rmks As Remarks,TLoad As LoadN From ")
           + consignment::headOfficeTablePrefix(server) + QStringLiteral("PointPod where cno=") + db::sqlQuote(number)
           + QStringLiteral(" And Origin='ZEL' order by tdate,ptime");
}

QString headOfficeOtcScansStatement(const QString& server, const QString& number)
{
    return QStringLiteral("select Convert(Varchar(10),tdate,120) as Date,Origin,Mfno,StnCode+'/'+OPCode As Scanned@,"
                          "Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT,"
                          " Destn,OTime,OTCNo,SNo,Weight,Pcs,Rmks As Remarks,Ar As AddlRemarks From ")
           + consignment::headOfficeTablePrefix(server) + QStringLiteral("OTCFile where mfno=") + db::sqlQuote(number)
           + QStringLiteral(" AND ORIGIN='ZEL' Order by tdate,OTime");
}

QString scannedDocumentStatement(const QString& number)
{
    return QStringLiteral("Select * From ZELADMINCONFIG..OUTGOING_SCANNED_PDF WHERE ConsignmentNo=") + number
           + QStringLiteral(" And Remarks='Consignment Successfully Moved'");
}

QString outgoingLogStatement(const OutgoingLogEntry& e)
{
    const QString numberAndDatabase = e.number + QStringLiteral(", ") + db::sqlQuote(e.monthDatabase);
    if (e.manifestFound)
        return QStringLiteral("INSERT INTO ZELADMINCONFIG..tbl_Qry_Details Values (") + db::sqlDate(e.queryDate)
               + QStringLiteral(",'OUTGOING',") + storedText(e.manifestOrigin) + QStringLiteral(",") + numberAndDatabase
               + QStringLiteral(",") + storedDate(e.manifestDate) + QStringLiteral(",") + manifestNumber(e.manifestNo)
               + enquiryValues(e, QStringLiteral(", NULL,")) + bookingValues(e) + QStringLiteral(",")
               + db::sqlQuote(weightText(e.weight)) + QStringLiteral(",") + storedText(e.manifestDestination)
               + QStringLiteral(")");
    return QStringLiteral("INSERT INTO ZELADMINCONFIG..tbl_Qry_Details (QueryDate,QueryType,Origin,ConsignmentNo,DBName,"
                          "ReasonCode,Reason_Desc,BranchName,System_Name,Create_User,Create_Date,"
                          " BookingDate,CityCode,Destination,Region,BookingMode,TransactionMode,PartyCode,Weight) Values (")
           + db::sqlDate(e.queryDate) + QStringLiteral(",'OUTGOING','ZEL',") + numberAndDatabase
           + enquiryValues(e, QStringLiteral(", ")) + bookingValues(e) + QStringLiteral(",") + weightText(e.weight)
           + QStringLiteral(")");
}

} // namespace podquery
