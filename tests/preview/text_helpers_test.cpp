// The page engine's string helpers.

#include "support/QtPrinters.h"

#include "preview/TextHelpers.h"

#include <gtest/gtest.h>

using namespace preview;

namespace {

struct HelperCase {
    QString (*helper)(const QString&);
    const char* input;
    const char* expected;
};

TEST(PreviewTextHelpers, TransformTheirText)
{
    const HelperCase cases[] = {
        {removeLineBreaks, "a\rb\nc", "a bc"},        // the line feed goes: a return was replaced in that round
        {removeLineBreaks, "\nab\ncd", "ab cd"},      // a leading line feed is dropped, a later one is a blank
        {removeLineBreaks, "one\r\ntwo\r\nthree", "one two three"},
        {removeLineBreaks, "x\n\ny", "x  y"},
        {removeLineBreaks, "plain", "plain"},
        {stripQuotes, "\"", ""},
        {stripQuotes, "\"quoted\"", "quoted"},
        {stripQuotes, "\"\"twice\"\"", "\"twice\""},
        {stripQuotes, "half\"", "half"},
        {formalCase, "mcdonald o'brien-smith", "McDonald O'Brien-Smith"},
        {formalCase, "  JOHN a.b. SMITH", "John A.B. Smith"},
        {formalCase, "ends with mc", "Ends With Mc"},
        {formalCase, "", ""},
    };
    for (const HelperCase& c : cases)
        EXPECT_EQ(c.helper(QString::fromUtf8(c.input)), QString::fromUtf8(c.expected)) << c.input;
}

} // namespace
