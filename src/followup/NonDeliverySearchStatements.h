#pragma once

#include "followup/NumberDigits.h"

#include <QDate>
#include <QString>

// The non-delivery search: the statement of the search and those of its three pick lists, all
// over tab_NonDelivery for a range of non-delivery dates (db::sqlDate, both ends included). A
// filter adds its condition only when its trimmed text is not empty; texts go in through
// db::sqlQuote, numbers as their digits (numberDigits).
namespace followup {

// The filters as the window holds them (untrimmed).
struct NDSearchFilters {
    QDate fromDate;
    QDate toDate;
    QString consignNo;
    QString referenceNo;
    QString status;
    QString destination;
    QString branchCode;
    QString name;      // a beginning of the consignor's first address line
    QString toAddress; // a beginning of the consignee's first address line
};


// Every record of the range that passes the filters, ordered by reference number, date and
// destination.
QString ndSearchStatement(const NDSearchFilters& filters);

// The pick lists in the order Enter fills them: the types of the range, the destinations of the
// range (of one type when one is given), the branches of the range (of one destination when one
// is given).
enum class NDPickList { Statuses, Destinations, Branches };

// The distinct values of one list, narrowed by the field before it (ignored for the types).
QString ndPickListStatement(NDPickList list, const QDate& fromDate, const QDate& toDate, const QString& narrowing);
// The one column a list's values come in.
QString ndPickListColumn(NDPickList list);

} // namespace followup
