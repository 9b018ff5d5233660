// The search's statements for their inputs: the date in ISO form, text quoted, the typed prefix
// taken literally by LIKE, the whole party code.

#include "podquery/FindStatements.h"

#include "support/StatementCases.h"

#include <gtest/gtest.h>

using namespace podquery;

namespace {

using testsupport::expectTexts;

TEST(PodFindStatements, ForTheirInputs)
{
    const QDate day(2026, 6, 5);
    const QString find = "Select BookingDate,ConsignmentNo,ToAddress1 From Invoice Where CancelStatus=0 And "
                         "BookingDate='2026-06-05'";
    const QString parties = "Select Distinct PartyCode,FromAddress1 as PartyName From Invoice Where "
                            "BookingDate='2026-06-05' And TransactionMode='Acct. Party'";
    expectTexts({
        {"parties, every branch", partyCodesStatement(day, true, "VLM"), parties + " Order By PartyCode"},
        {"parties, the user's branch", partyCodesStatement(day, false, "V'M"),
         parties + " And BranchCode='V''M' Order By PartyCode"},
        {"any mode, empty box", findStatement(day, FindMode::Any, std::nullopt, ""),
         find + " And ToAddress1<>'' Order By ToAddress1"},
        {"cash, prefix", findStatement(day, FindMode::Cash, std::nullopt, "RA"),
         find + " And TransactionMode='Paid' And ToAddress1<>'' And ToAddress1 like 'RA%' Order By ToAddress1"},
        {"credit, no party", findStatement(day, FindMode::Credit, std::nullopt, ""),
         find + " And TransactionMode='Acct. Party' Order By ToAddress1"},
        {"credit, a code longer than 10", findStatement(day, FindMode::Credit, "GLOBALTRADE01", "O'"),
         find + " And TransactionMode='Acct. Party' And PartyCode='GLOBALTRADE01' And ToAddress1 like 'O''%' "
                "Order By ToAddress1"},
        {"credit, an empty code", findStatement(day, FindMode::Credit, "", ""),
         find + " And TransactionMode='Acct. Party' And PartyCode='' Order By ToAddress1"},
        {"wildcards typed", findStatement(day, FindMode::Any, std::nullopt, "50%_OFF [A]"),
         find + " And ToAddress1<>'' And ToAddress1 like '50[%][_]OFF [[]A]%' Order By ToAddress1"},
    });
}

} // namespace
