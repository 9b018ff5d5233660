#pragma once

#include <QDate>
#include <QString>

// The statements of the invoice query's four pick lists: the distinct codes booked in the date
// range, each list narrowed by the choices of the lists before it.
namespace invoice {

// The lists in the order the clerk fills them.
enum class PickList { TranModes, Destinations, PartyCodes, BranchCodes };

// The dates and the earlier lists' choices as shown (texts untrimmed).
struct PickListChoices {
    QDate fromDate;
    QDate toDate;
    QString tranMode;
    QString destination;
    QString partyCode;
};

// A choice narrows only the lists after it, and only when it is not empty; its value is quoted
// (db::sqlQuote).
QString pickListStatement(PickList list, const PickListChoices& choices);

} // namespace invoice
