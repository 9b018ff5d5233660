#include "invoice/PendingPodStatements.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/Val.h"

namespace invoice {

QString originsStatement(const QDate& fromDate, const QDate& toDate)
{
    return QStringLiteral("Select Distinct Origin from DummyPOD Where PODDate>=") + db::sqlDate(fromDate)
           + QStringLiteral(" And PODDate<=") + db::sqlDate(toDate) + QStringLiteral(" Order By Origin");
}

QString dummyPodStatement(const DummyPodFilter& filter)
{
    QString sql = QStringLiteral("Select * from DummyPod WHERE Poddate>=") + db::sqlDate(filter.fromDate)
                  + QStringLiteral(" and PodDate<=") + db::sqlDate(filter.toDate);
    const QString origin = runtime::Trim(filter.origin);
    if (!origin.isEmpty())
        sql += QStringLiteral(" and Origin=") + db::sqlQuote(origin);
    const QString number = runtime::Trim(filter.consignNo);
    if (!number.isEmpty())
        sql += QStringLiteral(" and ConsignmentNo=") + runtime::CStr(runtime::Val(number).toVariant());
    const QString toAddress = runtime::Trim(filter.toAddress);
    if (!toAddress.isEmpty())
        sql += QStringLiteral(" And ToAddress1 Like ") + db::sqlQuote(toAddress + u'%');
    return sql;
}

} // namespace invoice
