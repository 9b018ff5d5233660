#pragma once

#include <QDate>
#include <QString>

// The delivery status report: the two processing calls, the totals, the pick lists and the report
// over the shared work table, and the name and titles of its workbook. A list's choice adds its
// condition only when its trimmed text is not empty, its value through db::sqlQuote.
namespace reports {

// The pick lists in the order the clerk fills them; each is narrowed by the choices before it.
enum class StatusList { Branches, TransactionModes, Destinations, Parties, Reasons };

// The choices as the window holds them (untrimmed): the lists' texts, the full code of the chosen
// party and the weight box's text.
struct StatusChoices {
    QString branch;
    QString transactionMode;
    QString destination;
    QString partyCode;
    QString weight;
    QString reason;
};

// Refills the work table from the bookings of a range of booking dates.
QString statusDatesCall(const QDate& from, const QDate& to);
// Refills it from the bookings numbered from..to (plain digits) in the month of bookingMonth.
QString statusNumbersCall(const QString& fromNumber, const QString& toNumber, const QDate& bookingMonth);

// The totals strip: the work table's bookings of the range, the work table's consignments in a
// download table, and the latest download run of a type ("DRS" or "PTP").
enum class StatusDownload { Runsheets, PointPods };
QString statusBookedCountStatement(const QDate& from, const QDate& to);
QString statusDownloadedCountStatement(StatusDownload download);
QString statusLatestDownloadStatement(StatusDownload download);

// The distinct values of one list.
QString statusListStatement(StatusList list, const StatusChoices& choices);
// The report's ten columns in booking date and number order; the date comes as "dd-mm-yyyy" text.
QString statusReportStatement(const StatusChoices& choices);

// The workbook: "Delivery_Status_Report_01-Dec_06-Dec", the range title, and the title of the
// branch, party item and reason chosen.
QString statusWorkbookName(const QDate& from, const QDate& to);
QString statusRangeTitle(const QDate& from, const QDate& to);
QString statusChoicesTitle(const QString& branch, const QString& partyItem, const QString& reason);

} // namespace reports
