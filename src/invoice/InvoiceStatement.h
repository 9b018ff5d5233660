#pragma once

#include <QDate>
#include <QString>

// The statement of the invoice query: the bookings of a date range narrowed by the window's filters.
namespace invoice {

// The window's filter values as typed (texts untrimmed).
struct InvoiceFilter {
    QDate fromDate;
    QDate toDate;
    QString consignNo;
    QString tranMode;
    QString destination;
    QString branchCode;
    QString partyCode;
    QString weightFrom;
    QString weightTo;
    QString partyName;
    QString toAddress;
    bool searchAddress2 = false; // "Search Address1, 2": both address searches take the second line too
    bool centralMode = false;    // every branch's bookings, not only the login branch's
    QString userBranchCode;
};

// The 25-column select of the bookings, ordered by booking date and consignment number. Each
// filter is added only when its value is not empty. A consignment number is sent only when it is
// all digits; text values are quoted (db::sqlQuote); weight bounds of value 0 add no clause.
QString invoiceQueryStatement(const InvoiceFilter& filter);

} // namespace invoice
