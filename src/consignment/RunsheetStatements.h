#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// The statements on the month's delivery runsheets. A number parameter is the consignment
// number as the statements write it (statementNumber); origins are taken as the window holds
// them and trimmed here.
namespace consignment {

// The origins under which a printed runsheet of the date lists the number.
QString printedOriginsStatement(const QString& number, const QDate& date);
// The number's runsheet line of the date and origin with its area and staff names.
QString runsheetLineStatement(const QString& number, const QDate& date, const QString& origin);
// The origins under which the month knows the number: runsheets, both incoming manifests and the
// incoming misroutes.
QString knownOriginsStatement(const QString& number);
// The dates of the printed runsheets that list the number under the origin.
QString printedRunsheetDatesStatement(const QString& number, const QString& origin);
// Every runsheet line of the number and origin in date order, of one runsheet date when given,
// with the runsheet's branch and the area name.
QString runsheetHistoryStatement(const QString& number, const QString& origin,
                                 const std::optional<QDateTime>& runsheetDate);
// The returned-POD master row of a DRS number (written as statementNumber writes a stored number).
QString returnPodMasterStatement(const QString& drsNo);
// The runsheet lines whose mobile number begins with the typed text, newest runsheet first, numbered.
QString mobileMatchesStatement(const QString& typed);

} // namespace consignment
