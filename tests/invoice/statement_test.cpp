// The invoice subsystem's statements: the invoice query's for combinations of filters with the
// exact text of each clause, the pick lists' and the dummy-POD query's.

#include "support/QtPrinters.h"

#include "invoice/InvoiceStatement.h"
#include "invoice/PendingPodStatements.h"
#include "invoice/PickListStatements.h"

#include <gtest/gtest.h>

using invoice::InvoiceFilter;
using invoice::invoiceQueryStatement;

namespace {

const QString kSelect = QStringLiteral(
    "SELECT BookingDate,ConsignmentNo,Destination,FromAddress1,FromAddress2,FromAddress3,FromAddress4,"
    "CASE WHEN ISNUMERIC(FromAddress5)=1 THEN 'XXXXXX' + RIGHT(FROMADDRESS5,4) ELSE FROMADDRESS5 END AS FROMADDRESS5,"
    " ToAddress1,ToAddress2,ToAddress3,ToAddress4,"
    "CASE WHEN ISNUMERIC(TOADDRESS5)=1 THEN 'XXXXXX' + RIGHT(TOADDRESS5,4) ELSE TOADDRESS5 END AS TOADDRESS5,"
    " Region,Weight,Amount,TransactionMode,PartyCode,BranchCode,Pieces,DocumentType,Contain1,Contain2,Contain3,"
    "ContainValue FROM Invoice where BookingDate>='2026-06-03' and BookingDate<='2026-06-12' and CancelStatus=0");
const QString kOrder = QStringLiteral(" order by BookingDate,ConsignmentNo");
const QString kBranch = QStringLiteral(" and Booked_Branch='ZEL'");

InvoiceFilter june()
{
    InvoiceFilter f;
    f.fromDate = QDate(2026, 6, 3);
    f.toDate = QDate(2026, 6, 12);
    f.userBranchCode = QStringLiteral(" ZEL ");
    return f;
}

struct Case {
    const char* name;
    std::function<void(InvoiceFilter&)> set;
    QString clauses; // between the date range and the ordering
};

class InvoiceStatement : public ::testing::TestWithParam<Case> {};

TEST_P(InvoiceStatement, WritesTheFiltersInTheirOrder)
{
    InvoiceFilter f = june();
    GetParam().set(f);
    EXPECT_EQ(invoiceQueryStatement(f), kSelect + GetParam().clauses + kOrder);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, InvoiceStatement,
    ::testing::Values(
        Case{"OnlyTheDates", [](InvoiceFilter&) {}, kBranch},
        Case{"CentralModeTakesEveryBranch", [](InvoiceFilter& f) { f.centralMode = true; }, QString()},
        Case{"ConsignmentNumberUnquoted", [](InvoiceFilter& f) { f.consignNo = QStringLiteral(" 50012345678 "); },
             kBranch + " and ConsignmentNo=50012345678"},
        Case{"ConsignmentNumberWithOtherThanDigitsIsLeftOut",
             [](InvoiceFilter& f) { f.consignNo = QStringLiteral("1 or 1=1"); }, kBranch},
        Case{"CodesInTheirOrder",
             [](InvoiceFilter& f) {
                 f.partyCode = QStringLiteral("P01 ");
                 f.branchCode = QStringLiteral("ZEL");
                 f.destination = QStringLiteral(" VLM");
                 f.tranMode = QStringLiteral("AIR");
             },
             kBranch + " and TransactionMode='AIR' and Destination='VLM' and BranchCode='ZEL' and PartyCode='P01'"},
        Case{"ApostropheInACodeIsDoubled", [](InvoiceFilter& f) { f.destination = QStringLiteral("O'R"); },
             kBranch + " and Destination='O''R'"},
        Case{"WeightsAsPlainDecimals",
             [](InvoiceFilter& f) {
                 f.weightFrom = QStringLiteral("2.500");
                 f.weightTo = QStringLiteral("10.000");
             },
             kBranch + " And Weight>=2.5 And Weight<=10"},
        Case{"ZeroWeightAddsNoClause",
             [](InvoiceFilter& f) {
                 f.weightFrom = QStringLiteral("0.000");
                 f.weightTo = QStringLiteral("0.125");
             },
             kBranch + " And Weight<=0.125"},
        Case{"AddressesOnTheFirstLine",
             [](InvoiceFilter& f) {
                 f.partyName = QStringLiteral(" RAMAN ");
                 f.toAddress = QStringLiteral("MILL");
             },
             kBranch + " and FromAddress1 like '%RAMAN%' and ToAddress1 like '%MILL%'"},
        Case{"AddressesOnTwoLinesWithTheCheckBox",
             [](InvoiceFilter& f) {
                 f.partyName = QStringLiteral("RAMAN");
                 f.toAddress = QStringLiteral("MILL");
                 f.searchAddress2 = true;
             },
             kBranch + " and (FromAddress1 like '%RAMAN%' OR FromAddress2 like '%RAMAN%')"
                       " and (ToAddress1 like '%MILL%' OR ToAddress2 like '%MILL%')"},
        Case{"PastedApostropheInAnAddressIsDoubled", [](InvoiceFilter& f) { f.toAddress = QStringLiteral("D'SOUZA"); },
             kBranch + " and ToAddress1 like '%D''SOUZA%'"},
        Case{"EveryFilter",
             [](InvoiceFilter& f) {
                 f.consignNo = QStringLiteral("77");
                 f.tranMode = QStringLiteral("SURFACE");
                 f.destination = QStringLiteral("VLM");
                 f.branchCode = QStringLiteral("ZEL");
                 f.partyCode = QStringLiteral("P9");
                 f.weightFrom = QStringLiteral("1.000");
                 f.weightTo = QStringLiteral("3.250");
                 f.partyName = QStringLiteral("A");
                 f.toAddress = QStringLiteral("B");
             },
             kBranch + " and ConsignmentNo=77 and TransactionMode='SURFACE' and Destination='VLM' and BranchCode='ZEL'"
                       " and PartyCode='P9' And Weight>=1 And Weight<=3.25 and FromAddress1 like '%A%'"
                       " and ToAddress1 like '%B%'"}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

struct Text {
    QString sql;
    QString expected;
};

TEST(PickListStatements, EachListIsNarrowedByTheChoicesBeforeIt)
{
    using invoice::PickList;
    const invoice::PickListChoices none{QDate(2026, 6, 1), QDate(2026, 6, 30)};
    const invoice::PickListChoices all{QDate(2026, 6, 1), QDate(2026, 6, 30), " AIR ", "VLM", "O'R"};
    const invoice::PickListChoices gap{QDate(2026, 6, 1), QDate(2026, 6, 30), "", " ", "P1"};
    const QString dates = "from Invoice where BookingDate>='2026-06-01' and BookingDate<='2026-06-30'";
    const Text cases[] = {
        {pickListStatement(PickList::TranModes, all),
         "select distinct TransactionMode " + dates + " Order By TransactionMode"},
        {pickListStatement(PickList::Destinations, none),
         "select distinct Destination " + dates + " Order By Destination"},
        {pickListStatement(PickList::Destinations, all),
         "select distinct Destination " + dates + " And TransactionMode='AIR' Order By Destination"},
        {pickListStatement(PickList::PartyCodes, all),
         "select distinct PartyCode " + dates + " And TransactionMode='AIR' And Destination='VLM' Order By PartyCode"},
        {pickListStatement(PickList::BranchCodes, all),
         "select distinct BranchCode " + dates
             + " And TransactionMode='AIR' And Destination='VLM' and PartyCode='O''R' Order By  BranchCode"},
        {pickListStatement(PickList::BranchCodes, gap),
         "select distinct BranchCode " + dates + " and PartyCode='P1' Order By  BranchCode"},
    };
    for (const Text& c : cases)
        EXPECT_EQ(c.sql, c.expected);
}

TEST(PendingPodStatements, TheFieldsGivenNarrowTheDummyPodsInTheirOrder)
{
    const auto pods = [](const char* origin, const char* number, const char* toAddress) {
        return invoice::dummyPodStatement({QDate(2026, 6, 2), QDate(2026, 6, 12), origin, number, toAddress});
    };
    const QString dates = "Select * from DummyPod WHERE Poddate>='2026-06-02' and PodDate<='2026-06-12'";
    const Text cases[] = {
        {invoice::originsStatement(QDate(2026, 6, 10), QDate(2026, 6, 10)),
         "Select Distinct Origin from DummyPOD Where PODDate>='2026-06-10' And PODDate<='2026-06-10' Order By Origin"},
        {pods("", "", ""), dates},
        {pods("  OKM ", "", ""), dates + " and Origin='OKM'"},
        {pods("", " 00123 ", ""), dates + " and ConsignmentNo=123"},
        {pods("", "1 23", ""), dates + " and ConsignmentNo=123"},
        {pods("", "", " RAM "), dates + " And ToAddress1 Like 'RAM%'"},
        {pods("OKM", "", "RAM"), dates + " and Origin='OKM' And ToAddress1 Like 'RAM%'"},
        {pods("OKM", "77", ""), dates + " and Origin='OKM' and ConsignmentNo=77"},
        {pods("", "77", "RAM"), dates + " and ConsignmentNo=77 And ToAddress1 Like 'RAM%'"},
        {pods("O'R", "77", "RAM"), dates + " and Origin='O''R' and ConsignmentNo=77 And ToAddress1 Like 'RAM%'"},
        {pods("OKM", "5", "O'NEIL"), dates + " and Origin='OKM' and ConsignmentNo=5 And ToAddress1 Like 'O''NEIL%'"},
    };
    for (const Text& c : cases)
        EXPECT_EQ(c.sql, c.expected);
}

} // namespace
