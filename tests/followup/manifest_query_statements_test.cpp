// The manifest query's statement: the date range, then the consignment number alone when it is
// above 0, else the destination and the status where they are not blank; the number as the digits
// typed, never rounded, the texts trimmed and quoted.

#include "followup/ManifestQueryStatements.h"

#include "support/StatementCases.h"

using namespace followup;

namespace {

QString statementFor(const QString& destination, const QString& status, const QString& consignNo)
{
    return manifestQueryStatement({.fromDate = QDate(2026, 12, 1), .toDate = QDate(2026, 12, 6),
                                   .destination = destination, .status = status, .consignNo = consignNo});
}

TEST(ManifestQueryStatements, TextForEachCombinationOfFields)
{
    const QString range = "Select * from Run_Manifest where ManifestDate>='2026-12-01' and ManifestDAte<='2026-12-06'";
    const QString byNumber = " Order by ConsignmentNo,Destination";
    const QString byDestination = " Order by Destination,ConsignmentNo";
    testsupport::expectTexts({
        {"number only", statementFor("", "", "10000000003801"), range + " and consignmentno=10000000003801" + byNumber},
        {"number beats destination and status", statementFor("ABC", "DAMAGED", "42"),
         range + " and consignmentno=42" + byNumber},
        {"destination only", statementFor("ABC", "", ""), range + " and Destination='ABC'" + byDestination},
        {"status only", statementFor("", "NOT RECEIVED", ""), range + " and status='NOT RECEIVED'" + byDestination},
        {"destination and status", statementFor("ABC", "RETURN", ""),
         range + " and Destination='ABC' and Status='RETURN'" + byDestination},
        {"nothing", statementFor("", "", ""), range + byDestination},
        {"blank texts are no filter", statementFor("   ", " ", "  "), range + byDestination},
        {"texts trimmed", statementFor(" ABC ", " NORMAL ", ""),
         range + " and Destination='ABC' and Status='NORMAL'" + byDestination},
        {"apostrophe doubled", statementFor("O'K", "", ""), range + " and Destination='O''K'" + byDestination},
        {"number 0 is no number", statementFor("ABC", "", "000"), range + " and Destination='ABC'" + byDestination},
        {"no digits is no number", statementFor("ABC", "", "A12"), range + " and Destination='ABC'" + byDestination},
        {"leading zeros dropped", statementFor("", "", "0042"), range + " and consignmentno=42" + byNumber},
        {"blanks skipped", statementFor("", "", " 4 2 "), range + " and consignmentno=42" + byNumber},
        {"digits up to another sign", statementFor("", "", "12E3"), range + " and consignmentno=12" + byNumber},
        {"beyond a double's exact range", statementFor("", "", "9007199254740993"),
         range + " and consignmentno=9007199254740993" + byNumber},
    });
}

} // namespace
