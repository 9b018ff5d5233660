#include "followup/MissingPodStatements.h"

#include "platform/db/SqlText.h"

#include <QStringList>

namespace followup {
namespace {

// The columns after the number and their values, in the table's order.
QList<std::pair<QString, QString>> savedColumns(const MissingPodRecord& r)
{
    return {
        {QStringLiteral("BookingDate"), db::sqlDate(r.bookingDate)},
        {QStringLiteral("FromAddress1"), db::sqlQuote(r.fromAddress[0])},
        {QStringLiteral("FromAddress2"), db::sqlQuote(r.fromAddress[1])},
        {QStringLiteral("FromAddress3"), db::sqlQuote(r.fromAddress[2])},
        {QStringLiteral("FromAddress4"), db::sqlQuote(r.fromAddress[3])},
        {QStringLiteral("ToAddress1"), db::sqlQuote(r.toAddress[0])},
        {QStringLiteral("ToAddress2"), db::sqlQuote(r.toAddress[1])},
        {QStringLiteral("ToAddress3"), db::sqlQuote(r.toAddress[2])},
        {QStringLiteral("ToAddress4"), db::sqlQuote(r.toAddress[3])},
        {QStringLiteral("ManifestDate"), db::sqlDate(r.manifestDate)},
        {QStringLiteral("MFDestination"), db::sqlQuote(r.destination)},
        {QStringLiteral("ManifestNo"), r.manifestNo},
        {QStringLiteral("MFSlNo"), r.serialNo},
        {QStringLiteral("MFPacketNo"), r.packetNo},
    };
}

} // namespace

QString missingPodStatement(const QString& number)
{
    return QStringLiteral("Select * From MissingPOD Where ConsignmentNo=") + number;
}

QString bookingStatement(const QString& number)
{
    return QStringLiteral("Select * from Invoice where ConsignmentNo=") + number;
}

QString manifestStatement(const QString& number)
{
    return QStringLiteral("Select * from Manifest where ConsignmentNo=") + number;
}

QString branchStatement(const QString& branchCode)
{
    return QStringLiteral("Select * from Branchmaster where branchcode=") + db::sqlQuote(branchCode);
}

QString outgoingNonDeliveryStatement(const QString& number)
{
    return QStringLiteral("Select * from OutgoingNonDelvy Where ConsignmentNo=") + number
           + QStringLiteral(" Order By TransDate");
}

QString cityNameStatement(const QString& cityCode)
{
    return QStringLiteral("Select CityName From CityMaster Where CityCode=") + db::sqlQuote(cityCode);
}

QString insertMissingPodStatement(const MissingPodRecord& record)
{
    QStringList columns{QStringLiteral("ConsignmentNo")};
    QStringList values{record.consignNo};
    for (const auto& [column, value] : savedColumns(record)) {
        columns << column;
        values << value;
    }
    return QStringLiteral("Insert into MissingPOD(") + columns.join(QLatin1Char(',')) + QStringLiteral(") Values (")
           + values.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString updateMissingPodStatement(const MissingPodRecord& record)
{
    QStringList assignments;
    for (const auto& [column, value] : savedColumns(record))
        assignments << column + QLatin1Char('=') + value;
    return QStringLiteral("Update MissingPod Set ") + assignments.join(QLatin1Char(','))
           + QStringLiteral(" Where ConsignmentNo=") + record.consignNo;
}

} // namespace followup
