#pragma once

// Statement builders checked by one table: each case names the input, the text built and the text
// expected.

#include <QString>
#include <gtest/gtest.h>

#include <initializer_list>

namespace testsupport {

struct StatementCase {
    const char* name;
    QString statement;
    QString expected;
};

inline void expectTexts(std::initializer_list<StatementCase> cases)
{
    for (const StatementCase& c : cases)
        EXPECT_EQ(c.statement, c.expected) << c.name;
}

} // namespace testsupport
