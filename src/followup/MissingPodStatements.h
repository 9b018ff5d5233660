#pragma once

#include <QDate>
#include <QString>
#include <array>

// The statements of the missing-POD window. A number parameter is written as the statements write
// numbers (consignment::statementNumber): plain decimal digits, never box text. Every text goes
// through db::sqlQuote and every date through db::sqlDate.
namespace followup {

// The saved missing-POD row of a consignment.
QString missingPodStatement(const QString& number);
// The consignment's booking.
QString bookingStatement(const QString& number);
// The consignment's manifest rows.
QString manifestStatement(const QString& number);
// The administration's row of a branch code.
QString branchStatement(const QString& branchCode);
// The consignment's outgoing non-delivery rows by transaction date.
QString outgoingNonDeliveryStatement(const QString& number);
// The city name of a destination code.
QString cityNameStatement(const QString& cityCode);

// A missing-POD row as the window saves it: texts trimmed, numbers as plain digits.
struct MissingPodRecord {
    QString consignNo;
    QDate bookingDate;
    std::array<QString, 4> fromAddress;
    std::array<QString, 4> toAddress;
    QDate manifestDate;
    QString destination;
    QString manifestNo;
    QString serialNo;
    QString packetNo;
};

QString insertMissingPodStatement(const MissingPodRecord& record);
// Rewrites every column but the number of the consignment's row.
QString updateMissingPodStatement(const MissingPodRecord& record);

} // namespace followup
