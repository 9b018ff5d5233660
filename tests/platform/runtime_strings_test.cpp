#include "support/QtPrinters.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Strings.h"

#include <gtest/gtest.h>

using namespace runtime;

namespace {

TEST(RuntimeStrings, TrimRemovesSpacesOnly)
{
    EXPECT_EQ(Trim("  a b  "), "a b");
    EXPECT_EQ(LTrim("  a b  "), "a b  ");
    EXPECT_EQ(RTrim("  a b  "), "  a b");
    EXPECT_EQ(Trim("\ta\t"), "\ta\t");
    EXPECT_EQ(Trim("   "), "");
}

TEST(RuntimeStrings, LeftRightMid)
{
    EXPECT_EQ(Left("abcdef", 2), "ab");
    EXPECT_EQ(Left("abc", 5), "abc");
    EXPECT_EQ(Left("abc", 0), "");
    EXPECT_EQ(Right("9876543210", 4), "3210");
    EXPECT_EQ(Right("abc", 5), "abc");
    EXPECT_EQ(Mid("ZELJUN26", 4, 3), "JUN");
    EXPECT_EQ(Mid("ZELJUN26", 7, 2), "26");
    EXPECT_EQ(Mid("ZELJUN26", 7, 5), "26");
    EXPECT_EQ(Mid("abc", 2), "bc");
    EXPECT_EQ(Mid("abc", 4), "");
    EXPECT_EQ(Mid("abc", 9, 2), "");
    EXPECT_EQ(Len("abc"), 3);
    EXPECT_EQ(Len(""), 0);
}

TEST(RuntimeStrings, InvalidArgumentsRaise)
{
    EXPECT_THROW(Left("abc", -1), RuntimeError);
    EXPECT_THROW(Right("abc", -1), RuntimeError);
    EXPECT_THROW(Mid("abc", 0), RuntimeError);
    EXPECT_THROW(Mid("abc", 1, -1), RuntimeError);
    EXPECT_THROW(InStr(0, "abc", "a"), RuntimeError);
}

TEST(RuntimeStrings, InStr)
{
    EXPECT_EQ(InStr("abcabc", "c"), 3);
    EXPECT_EQ(InStr(4, "abcabc", "c"), 6);
    EXPECT_EQ(InStr(4, "abcabc", "a"), 4);
    EXPECT_EQ(InStr("abc", "x"), 0);
    EXPECT_EQ(InStr("ABC", "b"), 0);
    EXPECT_EQ(InStr("abc", ""), 1);
    EXPECT_EQ(InStr(3, "abc", ""), 3);
    EXPECT_EQ(InStr(4, "abc", ""), 0);
    EXPECT_EQ(InStr("", "a"), 0);
    EXPECT_EQ(InStr(7, "abc", "a"), 0);
}

} // namespace
