#include "core/LoginStatements.h"

#include "platform/db/SqlText.h"

namespace core {

QString loginStatement(const QString& userName, const QString& password)
{
    return QStringLiteral("select UserName,BranchCode from LoginMaster where UserName=") + db::sqlQuote(userName)
           + QStringLiteral(" and Password=") + db::sqlQuote(password);
}

QString userCategoryStatement(const QString& userName)
{
    return QStringLiteral("SELECT Category,Paid,AccountParty,NotPaid,ToPay,IOC,PartyCreation,ConsignEntry,PODEntry,"
                          "AcctQuery,AcctReports,Billing,SalesLedger,AcctBackup FROM LoginMaster WHERE UserName=")
           + db::sqlQuote(userName);
}

} // namespace core
