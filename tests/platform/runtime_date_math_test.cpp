#include "support/QtPrinters.h"

#include "platform/runtime/WallClock.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/DateMath.h"
#include "platform/runtime/RuntimeError.h"

#include <gtest/gtest.h>

using namespace runtime;

namespace {

TEST(RuntimeDateMath, DateSerialRollsOver)
{
    struct Case {
        int year, month, day;
        QDate want;
    };
    const Case cases[] = {
        {2026, 6, 7, QDate(2026, 6, 7)},
        {2025, 2, 31, QDate(2025, 3, 3)},
        {2025, 13, 1, QDate(2026, 1, 1)},
        {2025, 3, 0, QDate(2025, 2, 28)},
        {2024, 3, 0, QDate(2024, 2, 29)},
        {2025, 0, 1, QDate(2024, 12, 1)},
        {2025, 1, -1, QDate(2024, 12, 30)},
        {2025, -13, 1, QDate(2023, 11, 1)},
        {2025, 12, 32, QDate(2026, 1, 1)},
        {26, 6, 7, QDate(2026, 6, 7)},
        {99, 1, 1, QDate(1999, 1, 1)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateSerial(c.year, c.month, c.day), c.want) << c.year << "-" << c.month << "-" << c.day;
}

TEST(RuntimeDateMath, DateAdd)
{
    struct Case {
        const char* interval;
        int number;
        QDate from, want;
    };
    const Case cases[] = {
        {"d", 1, QDate(2025, 12, 31), QDate(2026, 1, 1)},
        {"D", -7, QDate(2026, 6, 7), QDate(2026, 5, 31)},
        {"m", 1, QDate(2025, 1, 31), QDate(2025, 2, 28)},
        {"m", -1, QDate(2024, 3, 31), QDate(2024, 2, 29)},
        {"M", 12, QDate(2025, 6, 7), QDate(2026, 6, 7)},
        {"yyyy", 1, QDate(2024, 2, 29), QDate(2025, 2, 28)},
        {"YYYY", -1, QDate(2026, 6, 7), QDate(2025, 6, 7)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DateAdd(c.interval, c.number, c.from), c.want) << c.interval << c.number;

    const QDateTime evening(QDate(2026, 6, 7), QTime(18, 30));
    EXPECT_EQ(DateAdd("d", 1, evening), runtime::WallDateTime(QDate(2026, 6, 8), QTime(18, 30)));
    EXPECT_THROW(DateAdd("q", 1, QDate(2026, 6, 7)), RuntimeError);
}

TEST(RuntimeDateMath, Weekday)
{
    const QDate sunday(2026, 6, 7);
    EXPECT_EQ(Weekday(sunday), 1);
    EXPECT_EQ(Weekday(QDate(2026, 6, 13)), 7);
    EXPECT_EQ(Weekday(QDate(2026, 6, 8)), 2);
    EXPECT_EQ(Weekday(sunday, 2), 7);
    EXPECT_EQ(Weekday(QDate(2026, 6, 8), 2), 1);
}

TEST(RuntimeDateMath, MonthName)
{
    EXPECT_EQ(MonthName(6), "June");
    EXPECT_EQ(MonthName(6, true), "Jun");
    EXPECT_EQ(MonthName(9, true), "Sep");
    EXPECT_EQ(MonthName(1).toUpper(), "JANUARY");
    EXPECT_THROW(MonthName(0), RuntimeError);
    EXPECT_THROW(MonthName(13), RuntimeError);
}

TEST(RuntimeDateMath, SerialNumbers)
{
    EXPECT_EQ(DateFromSerial(0), runtime::WallDateTime(QDate(1899, 12, 30), QTime(0, 0)));
    EXPECT_EQ(DateFromSerial(2.5), runtime::WallDateTime(QDate(1900, 1, 1), QTime(12, 0)));
    EXPECT_EQ(DateFromSerial(-1.25), runtime::WallDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    EXPECT_EQ(DateFromSerial(46180.999999), runtime::WallDateTime(QDate(2026, 6, 8), QTime(0, 0)));
    EXPECT_DOUBLE_EQ(SerialFromDate(runtime::WallDateTime(QDate(2026, 6, 7), QTime(18, 0))), 46180.75);
    EXPECT_DOUBLE_EQ(SerialFromDate(runtime::WallDateTime(QDate(1899, 12, 29), QTime(6, 0))), -1.25);
}

TEST(RuntimeClock, FixedAndLive)
{
    const QDateTime pinned(QDate(2026, 6, 7), QTime(9, 15, 0));
    Clock::setFixed(pinned);
    EXPECT_EQ(Clock::now(), pinned);
    EXPECT_EQ(Clock::today(), QDate(2026, 6, 7));
    Clock::reset();

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    const QDateTime live = Clock::now();
    EXPECT_GE(live, before);
    EXPECT_LE(live, QDateTime::currentDateTime());
    EXPECT_EQ(live.time().msec(), 0);
    EXPECT_EQ(Clock::today(), QDate::currentDate());
}

} // namespace
