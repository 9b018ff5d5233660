#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// The statements on the month's manifests and incoming misroutes. A number parameter is the
// consignment number as the statements write it (statementNumber); origins are taken as the
// window holds them and trimmed here. An empty origin and no runsheet date narrow nothing.
namespace consignment {

// The number's incoming manifest line of the date and origin.
QString manifestLineStatement(const QString& number, const QDate& date, const QString& origin);
// The local manifests made of the number, with the making user's branch, in date and serial order.
QString localManifestStatement(const QString& number, const QString& origin,
                               const std::optional<QDateTime>& runsheetDate);
// The branch local manifests of the number in date and serial order.
QString branchLocalManifestStatement(const QString& number, const QString& origin,
                                     const std::optional<QDateTime>& runsheetDate);
// The number's incoming manifest lines, and those of the over-the-counter manifests.
QString incomingManifestStatement(const QString& number, const QString& origin);
QString counterManifestStatement(const QString& number, const QString& origin);
// The number's incoming misroute entries with the recording user's branch, in transaction order.
QString incomingMisrouteStatement(const QString& number, const QString& origin,
                                  const std::optional<QDateTime>& runsheetDate);

} // namespace consignment
