#include "followup/ManifestQueryStatements.h"

#include "platform/db/SqlText.h"
#include "platform/runtime/Strings.h"

namespace followup {

QString manifestQueryStatement(const ManifestFilter& filter)
{
    QString sql = QStringLiteral("Select * from Run_Manifest where ManifestDate>=") + db::sqlDate(filter.fromDate)
                  + QStringLiteral(" and ManifestDAte<=") + db::sqlDate(filter.toDate);
    if (const QString number = numberDigits(filter.consignNo); number != u"0")
        return sql + QStringLiteral(" and consignmentno=") + number + QStringLiteral(" Order by ConsignmentNo,Destination");

    const QString destination = runtime::Trim(filter.destination);
    const QString status = runtime::Trim(filter.status);
    if (!destination.isEmpty())
        sql += QStringLiteral(" and Destination=") + db::sqlQuote(destination);
    if (!status.isEmpty())
        sql += (destination.isEmpty() ? QStringLiteral(" and status=") : QStringLiteral(" and Status="))
               + db::sqlQuote(status);
    return sql + QStringLiteral(" Order by Destination,ConsignmentNo");
}

} // namespace followup
