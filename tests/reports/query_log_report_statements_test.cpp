// The query-log report's statements: the date range in ISO form with both ends inclusive, the
// origin only when one is chosen, the chosen texts trimmed and quoted.

#include "reports/QueryLogReportStatements.h"

#include "support/StatementCases.h"

using namespace reports;

namespace {

using testsupport::expectTexts;

const QDate kFrom(2026, 12, 1);
const QDate kTo(2026, 12, 6);

TEST(QueryLogReportStatements, TextForEachChoice)
{
    const QString select = "Select * From ZELADMINCONFIG..tbl_Qry_Details Where QueryDate>='2026-12-01' And "
                           "QueryDate<='2026-12-06'";
    const QString order = " Order By Consignmentno,Runsheetdate";
    expectTexts({
        {"origins of the range", queryLogOriginsStatement(kFrom, kTo),
         "Select Distinct Origin From ZELADMINCONFIG..tbl_Qry_Details WHERE QueryDate>='2026-12-01' And "
         "QueryDate<='2026-12-06' ORDER BY Origin"},
        {"origins of one day", queryLogOriginsStatement(kTo, kTo),
         "Select Distinct Origin From ZELADMINCONFIG..tbl_Qry_Details WHERE QueryDate>='2026-12-06' And "
         "QueryDate<='2026-12-06' ORDER BY Origin"},
        {"origin and type", queryLogReportStatement(kFrom, kTo, "ABC", "OUTGOING"),
         select + " And Origin='ABC' And QueryType='OUTGOING'" + order},
        {"no origin", queryLogReportStatement(kFrom, kTo, "", "INCOMING"),
         select + " And QueryType='INCOMING'" + order},
        {"blank origin", queryLogReportStatement(kFrom, kTo, "   ", "INCOMING"),
         select + " And QueryType='INCOMING'" + order},
        {"texts trimmed", queryLogReportStatement(kFrom, kTo, " ABC ", " OUTGOING "),
         select + " And Origin='ABC' And QueryType='OUTGOING'" + order},
        {"apostrophe doubled", queryLogReportStatement(kFrom, kTo, "O'K", "OUTGOING"),
         select + " And Origin='O''K' And QueryType='OUTGOING'" + order},
    });
}

} // namespace
