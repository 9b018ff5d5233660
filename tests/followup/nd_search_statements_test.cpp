// The non-delivery search's statements for the window's filters: each filter only when it holds
// text, texts trimmed and quoted, numbers as their exact digits, dates in ISO form.

#include "followup/NonDeliverySearchStatements.h"

#include "support/StatementCases.h"

#include <gtest/gtest.h>

using namespace followup;

namespace {

using testsupport::expectTexts;

NDSearchFilters range() { return {.fromDate = QDate(2026, 12, 5), .toDate = QDate(2026, 12, 6)}; }

NDSearchFilters with(QString NDSearchFilters::*member, const QString& text)
{
    NDSearchFilters f = range();
    f.*member = text;
    return f;
}

NDSearchFilters everything()
{
    NDSearchFilters f = range();
    f.consignNo = "000123";
    f.referenceNo = "9007199254740993";
    f.status = " Remainder ";
    f.destination = "O'KARA ";
    f.branchCode = " HO";
    f.name = "ABC ";
    f.toAddress = " D'SOUZA";
    return f;
}

TEST(NDSearchStatements, SearchForEachFilter)
{
    const QString base = "select * from tab_NonDelivery where NDDate>='2026-12-05' and NDDate<='2026-12-06'";
    const QString order = " order by ReferenceNo,NDDate,Destination";
    expectTexts({
        {"only the range", ndSearchStatement(range()), base + order},
        {"blanks are no filter", ndSearchStatement(with(&NDSearchFilters::status, "   ")), base + order},
        {"consignment without leading zeros", ndSearchStatement(with(&NDSearchFilters::consignNo, "000123")),
         base + " and ConsignNo=123" + order},
        {"reference beyond a double's exact range",
         ndSearchStatement(with(&NDSearchFilters::referenceNo, "9007199254740993")),
         base + " And ReferenceNo=9007199254740993" + order},
        {"name is a beginning", ndSearchStatement(with(&NDSearchFilters::name, "ABC")),
         base + " And FromAddr1 Like 'ABC%'" + order},
        {"every filter, in order", ndSearchStatement(everything()),
         base + " and ConsignNo=123 And ReferenceNo=9007199254740993 and Status='Remainder' and Destination='O''KARA'"
                " and BranchCode='HO' And FromAddr1 Like 'ABC%' And ToAddr1 Like 'D''SOUZA%'" + order},
    });
}

TEST(NDSearchStatements, PickLists)
{
    const QDate from(2026, 12, 5);
    const QDate to(2026, 12, 6);
    const QString range = " from tab_NonDelivery where NDDate>='2026-12-05' and NDDate<='2026-12-06'";
    expectTexts({
        {"types", ndPickListStatement(NDPickList::Statuses, from, to, "Remainder"), "select distinct Status" + range},
        {"destinations of every type", ndPickListStatement(NDPickList::Destinations, from, to, "  "),
         "select distinct Destination" + range},
        {"destinations of a type", ndPickListStatement(NDPickList::Destinations, from, to, " RE'TURN "),
         "select distinct Destination" + range + " and Status='RE''TURN'"},
        {"branches of every destination", ndPickListStatement(NDPickList::Branches, from, to, ""),
         "select distinct BranchCode" + range},
        {"branches of a destination", ndPickListStatement(NDPickList::Branches, from, to, "DUNMORE"),
         "select distinct BranchCode" + range + " and Destination='DUNMORE'"},
    });
}

TEST(NDSearchStatements, NumberOfATypedText)
{
    expectTexts({
        {"empty", numberDigits(""), "0"},
        {"zeros", numberDigits("000"), "0"},
        {"leading zeros", numberDigits("000123"), "123"},
        {"blanks skipped", numberDigits(" 12 3"), "123"},
        {"up to the first other character", numberDigits("12-34"), "12"},
        {"no exponent", numberDigits("12E3"), "12"},
        {"no leading digit", numberDigits("A12"), "0"},
        {"sixteen digits exact", numberDigits("9007199254740993"), "9007199254740993"},
        {"beyond 64 bits exact", numberDigits("123456789012345678901"), "123456789012345678901"},
    });
}

} // namespace
