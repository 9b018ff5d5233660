// The delivery status report's statements, workbook name and titles, and how it reads the party
// list and the consignment-number boxes: each list narrowed by the choices before it only,
// choices trimmed and quoted, the weight as a plain number, numbers as digits of at most 18.

#include "reports/DeliveryStatusEntry.h"
#include "reports/DeliveryStatusStatements.h"

#include "support/StatementCases.h"

#include <QLocale>
#include <gtest/gtest.h>

using namespace reports;

namespace {

using testsupport::expectTexts;

// Every choice made, with blanks around and an apostrophe in each text.
StatusChoices everything()
{
    return {.branch = " Z'L ",
            .transactionMode = "AIR'X ",
            .destination = " Dun'more",
            .partyCode = " P'-123456789012 ",
            .weight = "2.500",
            .reason = " DOOR'S LOCKED "};
}

TEST(DeliveryStatusStatements, CallsTotalsListsAndReport)
{
    const QString table = " From ZELADMINCONFIG..tbl_Consignment_Status_Temp";
    const QString all = " And Branch_Code='Z''L' And TransactionMode='AIR''X' And Destination='Dun''more'";
    const QString report = "Select Convert(Varchar(10),T.BookingDate,105) as BookingDate,ConsignmentNo,CityCode,"
                           "Destination,PartyCode,PartyName,Branch_Code,Weight,Reason_Name,Download_Time" + table
                           + " T Where 1=1";
    const QString order = " Order By T.BookingDate,T.ConsignmentNo";
    const auto weighing = [](const char* weight) { return statusReportStatement({.weight = weight}); };
    // the month's name does not follow the workstation's language
    const QLocale workstation;
    QLocale::setDefault(QLocale(QLocale::German));
    const QString numbersCall = statusNumbersCall("123", "10000000000101", QDate(2026, 12, 6));
    QLocale::setDefault(workstation);

    expectTexts({
        {"dates call", statusDatesCall(QDate(2026, 12, 1), QDate(2026, 12, 6)),
         "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det '2026-12-01','2026-12-06'"},
        {"numbers call", numbersCall,
         "EXEC ZELADMINCONFIG..SP_DRS_Consignment_Status_Det_CNo 123 ,10000000000101,'Dec26'"},
        {"booked count", statusBookedCountStatement(QDate(2026, 12, 1), QDate(2026, 12, 6)),
         "Select ISNULL(Count(ConsignmentNo),0)" + table + " WHERE BOOKINGDATE>='2026-12-01' AND BOOKINGDATE<='2026-12-06'"},
        {"runsheet count", statusDownloadedCountStatement(StatusDownload::Runsheets),
         "Select ISNULL(Count(Cno),0) From ZELADMINCONFIG..RO_DrFile Where CNo IN (Select "
         "convert(varchar(12),ConsignmentNo)" + table + ")"},
        {"point POD count", statusDownloadedCountStatement(StatusDownload::PointPods),
         "Select ISNULL(Count(Cno),0) From ZELADMINCONFIG..RO_PointPod Where CNo IN (Select "
         "convert(varchar(12),ConsignmentNo)" + table + ")"},
        {"latest runsheet download", statusLatestDownloadStatement(StatusDownload::Runsheets),
         "Select Top 1 * From ZELADMINCONFIG..tbl_RO_Download_Log Where Down_Type='DRS' order by Tran_Id Desc"},
        {"latest point POD download", statusLatestDownloadStatement(StatusDownload::PointPods),
         "Select Top 1 * From ZELADMINCONFIG..tbl_RO_Download_Log Where Down_Type='PTP' order by Tran_Id Desc"},
        {"branches ignore every choice", statusListStatement(StatusList::Branches, everything()),
         "Select Distinct Branch_Code" + table + " Order By Branch_code"},
        {"modes", statusListStatement(StatusList::TransactionModes, {}),
         "Select Distinct TransactionMode" + table + " Where 1=1 Order By TransactionMode"},
        {"modes of a branch", statusListStatement(StatusList::TransactionModes, everything()),
         "Select Distinct TransactionMode" + table + " Where 1=1 And Branch_Code='Z''L' Order By TransactionMode"},
        {"destinations of branch and mode", statusListStatement(StatusList::Destinations, everything()),
         "Select Distinct Destination" + table
             + " Where 1=1 And Branch_Code='Z''L' And TransactionMode='AIR''X' Order By Destination"},
        {"parties, blanks are no choice", statusListStatement(StatusList::Parties, {.branch = "  ", .destination = "VLR"}),
         "Select Distinct PartyCode,PartyName" + table + " Where 1=1 And Destination='VLR' Order By PARTYNAME,PARTYCODE"},
        {"parties leave party and weight out", statusListStatement(StatusList::Parties, everything()),
         "Select Distinct PartyCode,PartyName" + table + " Where 1=1" + all + " Order By PARTYNAME,PARTYCODE"},
        {"reasons, the whole party code", statusListStatement(StatusList::Reasons, everything()),
         "Select Distinct Reason_Name" + table + " Where 1=1" + all
             + " And PartyCode='P''-123456789012' And Weight>=2.5 Order By Reason_Name"},
        {"report, nothing chosen", statusReportStatement({}), report + order},
        {"report, every choice", statusReportStatement(everything()),
         report + all + " And PartyCode='P''-123456789012' And Weight>=2.5 And Reason_Name='DOOR''S LOCKED'" + order},
        {"weight of zero", weighing("0.000"), report + order},
        {"weight empty", weighing(""), report + order},
        {"whole weight", weighing("12.000"), report + " And Weight>=12" + order},
        {"weight below one", weighing(".250"), report + " And Weight>=0.25" + order},
    });
}

TEST(DeliveryStatusStatements, WorkbookNameAndTitles)
{
    const QDate first(2026, 12, 1);
    const QDate sixth(2026, 12, 6);
    const QString party = statusPartyItem("ANAND TEXTILES", "P-7");
    expectTexts({
        {"name", statusWorkbookName(first, sixth), "Delivery_Status_Report_01-Dec_06-Dec"},
        {"range title", statusRangeTitle(first, sixth), "Delivery Status Report From Date 01-Dec-26 - To Date 06-Dec-26"},
        {"nothing chosen", statusChoicesTitle("  ", "", ""), ""},
        {"branch, party item whole, reason", statusChoicesTitle(" ZEL ", party, " DOOR LOCKED"),
         "Branch : ZEL Party Name : ANAND TEXTILES                -P-7        Reason : DOOR LOCKED"},
        {"reason only", statusChoicesTitle("", "", "DOOR LOCKED"), " Reason : DOOR LOCKED"},
    });
}

TEST(DeliveryStatusEntry, PartyItemsAndConsignmentDigits)
{
    expectTexts({
        {"short name and code", statusPartyItem("ANAND", "P-7"), "ANAND                         -P-7       "},
        {"long name and code cut", statusPartyItem("NORTHFIELD TELECOM SERVICES PVT LTD", "P-123456789012"),
         "NORTHFIELD TELECOM SERVICES PV-P-12345678"},
        {"empty", statusPartyItem("", ""), QString(41, ' ').replace(30, 1, "-")},
    });
    EXPECT_EQ(statusPartyItem("NORTHFIELD TELECOM SERVICES PVT LTD", "P-123456789012").size(), 41);

    struct Number {
        const char* text;
        std::optional<QString> digits;
    } numbers[] = {
        {"000123", "123"},
        {" 12 34", "1234"},
        {"12a34", "12"},
        {"", "0"},
        {"000", "0"},
        {"123456789012345678", "123456789012345678"},
        {"000123456789012345678", "123456789012345678"},
        {"1234567890123456789", std::nullopt},
    };
    for (const Number& n : numbers)
        EXPECT_EQ(consignmentDigits(n.text), n.digits) << n.text;
}

} // namespace
