#pragma once

#include <QString>

// The statements on the smaller registers that name a consignment: pending documents,
// miscellaneous entries and the SMS messages sent about it. A number parameter is the
// consignment number as the statements write it (statementNumber).
namespace consignment {

// The number's pending documents, and its miscellaneous entries, in date and serial order.
QString pendingDocumentsStatement(const QString& number);
QString miscellaneousStatement(const QString& number);
// The messages sent about the number (an empty number: every number's) and the origin (an origin
// empty after trimming: every origin's), in the order they were registered.
QString smsStatement(const QString& number, const QString& origin);

} // namespace consignment
