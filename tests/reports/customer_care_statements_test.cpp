// The customer-care priority report's statements, workbook name and titles for the window's
// choices: each list narrowed by the lists before it only, choices trimmed and quoted, dates in
// ISO form.

#include "reports/CustomerCareStatements.h"

#include "support/StatementCases.h"

#include <gtest/gtest.h>

using namespace reports;

namespace {

using testsupport::expectTexts;

CareChoices range() { return {.fromDate = QDate(2026, 12, 5), .toDate = QDate(2026, 12, 6)}; }

// Every list chosen, with blanks around and an apostrophe in each text.
CareChoices everything()
{
    CareChoices c = range();
    c.branch = " Z'L ";
    c.transactionMode = "AIR'X ";
    c.destination = " Dun'more";
    c.manifestDestination = " O'K ";
    return c;
}

CareChoices with(QString CareChoices::*member, const QString& text)
{
    CareChoices c = range();
    c.*member = text;
    return c;
}

TEST(CustomerCareStatements, ListsAndReport)
{
    const QString bookings = "BookingDate>='2026-12-05' And BookingDate<='2026-12-06' And CancelStatus=0 And CC_Priority=1";
    const QString all = " And BranchCode='Z''L' And TransactionMode='AIR''X' And Destination='Dun''more'";
    const QString report = "Select Convert(Varchar(10),BookingDate,105) as BookingDate,ConsignmentNo,CityCode,"
                           "Destination,PartyCode,FromAddress1,BranchCode,Weight,TransactionMode,Booking_Type From "
                           "Invoice Where " + bookings;
    const QString order = " Order By BookingDate,ConsignmentNo";
    const QString manifests = "Select Distinct Destination From Manifest Where ConsignmentNo In (Select ConsignmentNo "
                              "From Invoice Where " + bookings;
    expectTexts({
        {"branches", careListStatement(CareList::Branches, range()),
         "Select Distinct BranchCode From Invoice Where " + bookings + " Order By BranchCode"},
        {"branches ignore every choice", careListStatement(CareList::Branches, everything()),
         "Select Distinct BranchCode From Invoice Where " + bookings + " Order By BranchCode"},
        {"modes", careListStatement(CareList::TransactionModes, range()),
         "Select Distinct TransactionMode From Invoice Where " + bookings + " Order By TransactionMode"},
        {"modes of a branch", careListStatement(CareList::TransactionModes, everything()),
         "Select Distinct TransactionMode From Invoice Where " + bookings
             + " And BranchCode='Z''L' Order By TransactionMode"},
        {"destinations of a mode, blank branch", careListStatement(CareList::Destinations,
                                                                    with(&CareChoices::transactionMode, "SURFACE")),
         "Select Distinct Destination From Invoice Where " + bookings
             + " And TransactionMode='SURFACE' Order By Destination"},
        {"destinations of branch and mode", careListStatement(CareList::Destinations, everything()),
         "Select Distinct Destination From Invoice Where " + bookings
             + " And BranchCode='Z''L' And TransactionMode='AIR''X' Order By Destination"},
        {"manifest destinations", careListStatement(CareList::ManifestDestinations, range()),
         manifests + ") Order By Destination"},
        {"manifest destinations of every choice", careListStatement(CareList::ManifestDestinations, everything()),
         manifests + all + ") Order By Destination"},
        {"report, nothing chosen", careReportStatement(range()), report + order},
        {"report, blanks are no choice", careReportStatement(with(&CareChoices::manifestDestination, "   ")),
         report + order},
        {"report, destination only", careReportStatement(with(&CareChoices::destination, "VLR")),
         report + " And Destination='VLR'" + order},
        {"report, every choice", careReportStatement(everything()),
         report + all + " And CityCode IN (Select Distinct Destination From Manifest Where Destination='O''K')" + order},
    });
}

TEST(CustomerCareStatements, WorkbookNameAndTitles)
{
    const QString title = "Customer Care Priority Consignment Nos. Report From Date 05-Dec-26 - To Date 06-Dec-26";
    expectTexts({
        {"name", careWorkbookName(range()), "CCare_Priority_Rpt_05-Dec_06-Dec"},
        {"name with a destination", careWorkbookName(everything()), "CCare_Priority_Rpt_Dun'more05-Dec_06-Dec"},
        {"name with a destination no file name holds",
         careWorkbookName(with(&CareChoices::destination, " A/B\\C:D*E?\"<>|F ")),
         "CCare_Priority_Rpt_A_B_C_D_E_____F05-Dec_06-Dec"},
        {"range title", careRangeTitle(range()), title},
        {"choices title, nothing chosen", careChoicesTitle(range()), ""},
        {"choices title, mode only", careChoicesTitle(with(&CareChoices::transactionMode, " AIR ")), " Tran Mode : AIR"},
        {"choices title, destination only", careChoicesTitle(with(&CareChoices::destination, "VLR")),
         " Destination : VLR"},
        {"choices title, every choice", careChoicesTitle(everything()),
         "Branch : Z'L Tran Mode : AIR'X Destination : Dun'more"},
    });
}

} // namespace
