// The older POD enquiry window's own statement (the others it shares with the POD query window):
// the number by its value only.

#include "podquery/LabelQueryStatements.h"

#include "consignment/StatementValues.h"

#include "support/StatementCases.h"

#include <gtest/gtest.h>

namespace {

TEST(LabelQueryStatements, Booking)
{
    testsupport::expectTexts({
        {"number", podquery::labelBookingStatement("5001"), "Select * from Invoice where ConsignmentNo=5001"},
        {"number typed with zeros and a blank",
         podquery::labelBookingStatement(consignment::statementNumber(QStringLiteral(" 00 5001"))),
         "Select * from Invoice where ConsignmentNo=5001"},
    });
}

} // namespace
