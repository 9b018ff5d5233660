#pragma once

#include <QDate>
#include <QString>

// The statements on the non-delivery register, the documents returned to it, and the city and
// reason masters its entries name. A number parameter is the consignment number as the
// statements write it (statementNumber).
namespace consignment {

// The number's non-delivery entries of the date for the destination city (by name).
QString nonDeliveryEntryStatement(const QDate& date, const QString& number, const QString& cityName);
// The number's non-delivery entries for the destination city (by name), each with its serial among
// all entries of its date and action type and the entering user's branch.
QString nonDeliveryHistoryStatement(const QString& number, const QString& cityName);
// The destinations the register names for the number.
QString nonDeliveryDestinationsStatement(const QString& number);
// The code of a city by its name.
QString cityCodeStatement(const QString& cityName);
// The name of a reason code.
QString reasonNameStatement(const QString& reasonCode);
// The reason master's row of a reason code.
QString reasonStatement(const QString& reasonCode);
// The received non-delivery documents of the number, of the origin unless it is empty (the origin
// as the window holds it, trimmed here).
QString returnedDocumentsStatement(const QString& number, const QString& origin);

} // namespace consignment
