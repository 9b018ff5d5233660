// The incoming query-log report's statements for the window's choices, with the exact text the
// statement log shows: dates in ISO form, the origin trimmed and quoted, the chosen order as listed.

#include "reports/IncomingQueryStatements.h"

#include "support/StatementCases.h"

#include <gtest/gtest.h>

using namespace reports;

namespace {

using testsupport::expectTexts;

const QDate kFrom(2026, 12, 1);
const QDate kTo(2026, 12, 6);

QString enquiries(const QString& origin, const QString& order)
{
    return incomingQueriesStatement({.fromDate = kFrom, .toDate = kTo, .origin = origin, .order = order});
}

TEST(IncomingQueryStatements, OriginsAndEnquiriesForEachChoice)
{
    const QString select = "Select * From TRACKING..Incoming_Queries_Details Where QueryDate>='2026-12-01' And "
                           "QueryDate<='2026-12-06'";
    expectTexts({
        {"origins", incomingOriginsStatement(kFrom, kTo),
         "Select Distinct Origin From TRACKING..Incoming_Queries_Details WHERE QueryDate>='2026-12-01' And "
         "QueryDate<='2026-12-06' ORDER BY Origin"},
        {"origins of one day", incomingOriginsStatement(kTo, kTo),
         "Select Distinct Origin From TRACKING..Incoming_Queries_Details WHERE QueryDate>='2026-12-06' And "
         "QueryDate<='2026-12-06' ORDER BY Origin"},
        {"nothing chosen", enquiries("", ""), select + " Order By QueryId"},
        {"blank origin and order", enquiries("   ", "  "), select + " Order By QueryId"},
        {"origin trimmed", enquiries(" KWD ", ""), select + " And Origin='KWD' Order By QueryId"},
        {"origin with an apostrophe", enquiries("O'K", ""), select + " And Origin='O''K' Order By QueryId"},
        {"by query date", enquiries("KWD", "QueryDate,Origin,ConsignmentNo"),
         select + " And Origin='KWD' Order By QueryDate,Origin,ConsignmentNo"},
        {"by reason code", enquiries("", "ReasonCode"), select + " Order By ReasonCode"},
    });
}

} // namespace
