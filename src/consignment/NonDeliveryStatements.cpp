#include "consignment/NonDeliveryStatements.h"

#include "platform/db/SqlText.h"

namespace consignment {

QString nonDeliveryEntryStatement(const QDate& date, const QString& number, const QString& cityName)
{
    return QStringLiteral("Select * from Tab_NonDelivery where NDDate=") + db::sqlDate(date)
           + QStringLiteral(" and ConsignNo=") + number + QStringLiteral(" and Destination=") + db::sqlQuote(cityName);
}

QString nonDeliveryHistoryStatement(const QString& number, const QString& cityName)
{
    // The serial is numbered over the whole register, before the consignment and city filters.
    return QStringLiteral("Select A.*,LM.BranchCode AS Entry_Branch From (Select ROW_NUMBER() OVER(PARTITION BY "
                          "NDDATE,STATUS ORDER BY NDDATE,REFERENCENO) AS 'SlNo',* from tab_NonDelivery) A LEFT OUTER "
                          "JOIN ZELADMINCONFIG..LoginMaster LM ON A.CreateUser=LM.UserName Where ConsignNo=")
           + number + QStringLiteral(" and Destination=") + db::sqlQuote(cityName);
}

QString nonDeliveryDestinationsStatement(const QString& number)
{
    return QStringLiteral("Select Distinct Destination From tab_NonDelivery Where ConsignNo=") + number;
}

QString cityCodeStatement(const QString& cityName)
{
    return QStringLiteral("Select CityCode From CityMaster Where CityName=") + db::sqlQuote(cityName);
}

QString reasonNameStatement(const QString& reasonCode)
{
    return QStringLiteral("Select ReasonName from run_ReasonMaster where Reasoncode=") + db::sqlQuote(reasonCode);
}

QString reasonStatement(const QString& reasonCode)
{
    return QStringLiteral("Select * From Run_ReasonMaster Where ReasonCode=") + db::sqlQuote(reasonCode);
}

QString returnedDocumentsStatement(const QString& number, const QString& origin)
{
    QString sql = QStringLiteral("Select * from Run_NonDel_Received_Details where ConsignmentNo=") + number;
    if (const QString o = origin.trimmed(); !o.isEmpty())
        sql += QStringLiteral("  and Origin=") + db::sqlQuote(o);
    return sql;
}

} // namespace consignment
