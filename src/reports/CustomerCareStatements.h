#pragma once

#include <QDate>
#include <QString>

// The customer-care priority report: the statements of its four pick lists and of the report,
// and the name and titles of its workbook. Every statement reads the uncancelled priority
// bookings of the date range (dates through db::sqlDate); a choice adds its condition only when
// its trimmed text is not empty, and its value goes in through db::sqlQuote.
namespace reports {

// The pick lists in the order the clerk fills them; each is narrowed by the lists before it.
enum class CareList { Branches, TransactionModes, Destinations, ManifestDestinations };

// The dates and the lists' texts as the window holds them (untrimmed).
struct CareChoices {
    QDate fromDate;
    QDate toDate;
    QString branch;
    QString transactionMode;
    QString destination;
    QString manifestDestination;
};

// The distinct values of one list; the one column they come in is careListColumn(list).
QString careListStatement(CareList list, const CareChoices& choices);
QString careListColumn(CareList list);

// The report's ten columns in booking date order; the date comes as "dd-mm-yyyy" text under the
// name BookingDate, which is also the name the order follows. The manifest destination keeps the
// bookings whose city code occurs as a destination anywhere in the month's manifests.
QString careReportStatement(const CareChoices& choices);

// The workbook's name without folder and extension: the booking destination (characters a file
// name cannot hold replaced by "_") before the dates, as "CCare_Priority_Rpt_05-Dec_06-Dec".
QString careWorkbookName(const CareChoices& choices);
// The workbook's two titles: the range, and the branch, mode and destination chosen.
QString careRangeTitle(const CareChoices& choices);
QString careChoicesTitle(const CareChoices& choices);

} // namespace reports
