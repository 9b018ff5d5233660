#pragma once

#include <QDate>
#include <QString>

// The statements of the query-log report by type, over the administration database's query log
// tbl_Qry_Details. Dates go in as the server reads them whatever its language ('yyyy-MM-dd'),
// both ends of the range inclusive; texts chosen in the lists go in quoted and trimmed.
namespace reports {

// The distinct origins logged in the range, in order.
QString queryLogOriginsStatement(const QDate& from, const QDate& to);

// Every log record of the range and query type, of one origin when it is not blank, ordered by
// consignment number, then runsheet (for outgoing records: manifest) date.
QString queryLogReportStatement(const QDate& from, const QDate& to, const QString& origin, const QString& queryType);

} // namespace reports
