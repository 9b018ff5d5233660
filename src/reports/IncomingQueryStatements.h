#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The statements of the incoming query-log report over the tracking database's enquiry log.
namespace reports {

// The report's choices as the window holds them (texts untrimmed).
struct IncomingQueryFilter {
    QDate fromDate;
    QDate toDate;
    QString origin;
    QString order; // one of incomingQueryOrders(); empty: the order of logging
};

// The sort orders the clerk may pick, the empty one (the order of logging) first.
const QStringList& incomingQueryOrders();

// The distinct origins logged on the dates, in order.
QString incomingOriginsStatement(const QDate& fromDate, const QDate& toDate);
// The enquiries logged on the dates, narrowed to the origin when one is chosen (quoted), in the
// chosen order or else by QueryId.
QString incomingQueriesStatement(const IncomingQueryFilter& filter);

} // namespace reports
