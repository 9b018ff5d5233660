#include "support/QtPrinters.h"
#include "support/RuntimeErrors.h"

#include "platform/runtime/WallClock.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/runtime/Val.h"

#include <gtest/gtest.h>

using namespace runtime;
using testsupport::errorOf;

namespace {

TEST(RuntimeVal, ReadsTheLeadingNumber)
{
    struct Case {
        const char* text;
        QVariant want; // qlonglong for an exact integer, double otherwise
    };
    const Case cases[] = {
        {"12 34abc", qlonglong(1234)},
        {"  -12", qlonglong(-12)},
        {"+7", qlonglong(7)},
        {"\t 42", qlonglong(42)},
        {"0012", qlonglong(12)},
        {"3-4", qlonglong(3)},
        {"12E", qlonglong(12)},
        {"12345678901234", qlonglong(12345678901234)},
        {"1234567 8901234", qlonglong(12345678901234)},
        {"123456789012345678", qlonglong(123456789012345678)},
        {"99999999999999999999", 1e20},
        {"2.5", 2.5},
        {".5", 0.5},
        {"1.2.3", 1.2},
        {"1 2 . 5", 12.5},
        {"12.", 12.0},
        {"1E3", 1000.0},
        {"1e-2", 0.01},
        {"1D2", 100.0},
        {"2.5E+1x", 25.0},
        {"1E-400", 0.0},
        {"&HFF", qlonglong(255)},
        {"&hff", qlonglong(255)},
        {"&HFFFF", qlonglong(-1)},
        {"&H8000", qlonglong(-32768)},
        {"&H10000", qlonglong(65536)},
        {"&HFFFFFFFF", qlonglong(-1)},
        {"&H", qlonglong(0)},
        {"", qlonglong(0)},
        {"abc", qlonglong(0)},
        {"-", qlonglong(0)},
        {".", qlonglong(0)},
        {"2,5", qlonglong(2)},
    };
    for (const Case& c : cases) {
        const QVariant got = Val(QString::fromUtf8(c.text)).toVariant();
        EXPECT_EQ(got.typeId(), c.want.typeId()) << c.text;
        EXPECT_EQ(got, c.want) << c.text;
    }
}

TEST(RuntimeVal, TooLargeNumbersOverflow)
{
    EXPECT_EQ(errorOf([] { Val("1E400"); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([] { Val("&H100000000"); }), ErrorNumber::Overflow);
    EXPECT_EQ(errorOf([] { ValLong("1E30"); }), ErrorNumber::Overflow);
}

TEST(RuntimeVal, ValLongRoundsHalfToEven)
{
    EXPECT_EQ(ValLong("12345678901234"), 12345678901234);
    EXPECT_EQ(ValLong("2.5"), 2);
    EXPECT_EQ(ValLong("3.5"), 4);
    EXPECT_EQ(ValLong("-2.5"), -2);
    EXPECT_EQ(ValLong("2.51"), 3);
    EXPECT_EQ(ValLong("x"), 0);
}

TEST(RuntimeIsNumeric, Text)
{
    const std::pair<const char*, bool> cases[] = {
        {"12", true},    {" 12 ", true},   {"-1.5", true},   {"+.5", true},   {"- 5", true},
        {"5.", true},    {"1E5", true},    {"1e-5", true},   {"1D2", true},   {"&H1F", true},
        {" &hff ", true}, {"", false},     {"   ", false},   {"abc", false},  {"12a", false},
        {"1.2.3", false}, {".", false},    {"-", false},     {"&H", false},   {"1E", false},
        {"&HG", false},  {"1 2", false},
    };
    for (const auto& [text, want] : cases)
        EXPECT_EQ(IsNumeric(QString::fromUtf8(text)), want) << text;
}

TEST(RuntimeIsNumeric, Values)
{
    EXPECT_FALSE(IsNumeric(QVariant()));
    EXPECT_FALSE(IsNumeric(QVariant(QMetaType(QMetaType::Int))));
    EXPECT_TRUE(IsNumeric(5));
    EXPECT_TRUE(IsNumeric(2.5));
    EXPECT_TRUE(IsNumeric(true));
    EXPECT_FALSE(IsNumeric(QDate(2026, 6, 7)));
}

TEST(RuntimeCStr, ValuesAsText)
{
    struct Case {
        QVariant value;
        const char* want;
    };
    const Case cases[] = {
        {2.5, "2.5"},
        {2.50, "2.5"},
        {0.1 + 0.2, "0.3"},
        {qlonglong(12345678901234), "12345678901234"},
        {12345678901234.0, "12345678901234"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E+15"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {-3, "-3"},
        {-0.0, "0"},
        {2.5f, "2.5"},
        {0.1f, "0.1"},
        {true, "True"},
        {false, "False"},
        {QDate(2026, 6, 7), "2026-06-07"},
        {runtime::WallDateTime(QDate(2026, 6, 7), QTime(0, 0)), "2026-06-07"},
        {runtime::WallDateTime(QDate(2026, 6, 7), QTime(15, 5, 9)), "2026-06-07 15:05:09"},
        {runtime::WallDateTime(QDate(2026, 6, 7), QTime(0, 0, 1)), "2026-06-07 00:00:01"},
        {QString("text"), "text"},
        {QString(""), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CStr(c.value), QString::fromUtf8(c.want)) << c.want;
        EXPECT_EQ(CellText(c.value), QString::fromUtf8(c.want)) << c.want;
    }
}

TEST(RuntimeCStr, NullIsAnErrorButAnEmptyCell)
{
    EXPECT_EQ(errorOf([] { CStr(QVariant()); }), ErrorNumber::InvalidUseOfNull);
    EXPECT_EQ(errorOf([] { CStr(QVariant(QMetaType(QMetaType::QString))); }), ErrorNumber::InvalidUseOfNull);
    EXPECT_EQ(CellText(QVariant()), QString());
    EXPECT_EQ(CellText(QVariant(QMetaType(QMetaType::QDateTime))), QString());
    EXPECT_EQ(CellText(QDate()), QString());
    EXPECT_EQ(CellText(QVariant(QMetaType(QMetaType::LongLong))), QString());
}

TEST(RuntimeCDate, ProgramDateTexts)
{
    struct Case {
        const char* text;
        QDateTime want; // invalid: not a date
    };
    const QDate june7(2026, 6, 7);
    const Case cases[] = {
        {"2026-06-07", QDateTime(june7, QTime(0, 0))},
        {"2026-6-7", QDateTime(june7, QTime(0, 0))},
        {" 2026-06-07 ", QDateTime(june7, QTime(0, 0))},
        {"2026-06-07 15:05:09", QDateTime(june7, QTime(15, 5, 9))},
        {"2026-06-07 15:05", QDateTime(june7, QTime(15, 5))},
        {"07-Jun-2026", QDateTime(june7, QTime(0, 0))},
        {"7-JUN-2026", QDateTime(june7, QTime(0, 0))},
        {"07-jun-2026 08:00:00", QDateTime(june7, QTime(8, 0))},
        {"07/06/2026", QDateTime(june7, QTime(0, 0))},
        {"7/6/2026", QDateTime(june7, QTime(0, 0))},
        {"", {}},
        {"abc", {}},
        {"12345", {}},
        {"2026-02-30", {}},
        {"2026-06-07 25:00:00", {}},
        {"2026-06-07 noon", {}},
        {"07-Foo-2026", {}},
        {"31/12/20266", {}},
    };
    for (const Case& c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(IsDate(text), c.want.isValid()) << c.text;
        if (c.want.isValid())
            EXPECT_EQ(CDate(text), c.want) << c.text;
        else
            EXPECT_EQ(errorOf([&] { CDate(text); }), ErrorNumber::TypeMismatch) << c.text;
    }
}

TEST(RuntimeCDate, OtherValues)
{
    EXPECT_EQ(CDate(QDate(2026, 6, 7)), runtime::WallDateTime(QDate(2026, 6, 7), QTime(0, 0)));
    EXPECT_EQ(CDate(46180.5), runtime::WallDateTime(QDate(2026, 6, 7), QTime(12, 0)));
    EXPECT_EQ(errorOf([] { CDate(QVariant()); }), ErrorNumber::InvalidUseOfNull);
    EXPECT_TRUE(IsDate(QDate(2026, 6, 7)));
    EXPECT_FALSE(IsDate(46180));
    EXPECT_FALSE(IsDate(QVariant()));
}

} // namespace
