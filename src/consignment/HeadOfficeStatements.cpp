#include "consignment/HeadOfficeStatements.h"

#include "platform/db/SqlText.h"

namespace consignment {

QString headOfficeTablePrefix(const QString& server)
{
    return db::sqlName(server + QStringLiteral(",2301")) + QStringLiteral(".KWD32Server.dbo.");
}

namespace {

QString quotedNumber(const QString& number) { return db::sqlQuote(number.trimmed()); }

} // namespace

QString headOfficeRunsheetStatement(const QString& server, const QString& number)
{
    const QString prefix = headOfficeTablePrefix(server);
    return QStringLiteral("select Convert(Varchar(10),tdate,120) as Date,Origin,CNo,StnCode+'/'+bcode As Destn,"
                          "DR.Rcode as Status,RM.Descp As Description,"
                          " DRSNo,SNo,CNee,RcvdBy,DTime,Staff,Route as DlyRoute From ")
           + prefix + QStringLiteral("DrFile DR Left Outer Join ") + prefix
           + QStringLiteral("status RM ON DR.Rcode=RM.Rcode where cno=") + quotedNumber(number)
           + QStringLiteral(" order by dtime");
}

QString headOfficeScanStatement(const QString& server, const QString& number)
{
    return QStringLiteral("select Convert(Varchar(10),tdate,120) as Date,Origin,SNo,CNo,StnCode+'/'+OPCode As OPCode,"
                          "Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT,"
                          " Destn,MFNo,Weight,Pcs,RmKs,AR As AddlRmks,Hub,State,MTime from ")
           + headOfficeTablePrefix(server) + QStringLiteral("CnFile where cno=") + quotedNumber(number)
           + QStringLiteral(" order by tdate,mtime");
}

QString headOfficePointStatement(const QString& server, const QString& number)
{
    return QStringLiteral("select Convert(Varchar(10),tdate,120) as Date,ptime,Origin,SlNo,CNo,StnCode+'/'+OPCode As "
                          "Scanned@,Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT,"
                          " Bcode,PntNo,Weight,Pcs,Rmks As Remarks,TLoad As LoadN From ")
           + headOfficeTablePrefix(server) + QStringLiteral("PointPod where cno=") + quotedNumber(number)
           + QStringLiteral(" order by tdate,ptime");
}

QString headOfficeCounterStatement(const QString& server, const QString& number)
{
    return QStringLiteral("select Convert(Varchar(10),tdate,120) as Date,Origin,Mfno,StnCode+'/'+OPCode As Scanned@,"
                          "Case When Type='O' Then 'OutBound' Else 'InBound' End As INOUT,"
                          " Destn,OTime,OTCNo,SNo,Weight,Pcs,Rmks As Remarks,Ar As AddlRemarks From ")
           + headOfficeTablePrefix(server) + QStringLiteral("OTCFile where mfno=") + quotedNumber(number)
           + QStringLiteral(" Order by tdate,OTime");
}

} // namespace consignment
