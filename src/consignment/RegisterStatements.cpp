#include "consignment/RegisterStatements.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Strings.h"

namespace consignment {

QString pendingDocumentsStatement(const QString& number)
{
    return QStringLiteral("SELECT * FROM PendingDoc WHERE ConsignmentNo=") + number
           + QStringLiteral(" Order by PendingDate,serialNo");
}

QString miscellaneousStatement(const QString& number)
{
    return QStringLiteral("SELECT * FROM Misscellaneous WHERE ConsignmentNo=") + number
           + QStringLiteral(" Order by PendingDate,serialNo");
}

QString smsStatement(const QString& number, const QString& origin)
{
    QString sql = QStringLiteral(
        "Select Convert(Varchar(10),Tran_Date,105) as TRAN_Date,TO_MOBILE_NO,BODY_TEXT,SENT_DATETIME,SENT_MESSAGE FROM "
        "ZELADMINCONFIG..TBL_SMS_CONSIGNMENT_DETAILS WHERE 1=1");
    if (!number.isEmpty())
        sql += QStringLiteral(" AND CONSIGNMENTNO=") + number;
    if (const QString o = runtime::Trim(origin); !o.isEmpty())
        sql += QStringLiteral(" AND ORIGIN=") + db::sqlQuote(o);
    return sql + QStringLiteral(" Order By Tran_Id");
}

} // namespace consignment
