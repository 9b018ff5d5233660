#include "support/QtPrinters.h"

#include "platform/runtime/WallClock.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateMath.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Val.h"

#include <QLocale>
#include <clocale>
#include <gtest/gtest.h>

using namespace runtime;

namespace {

// The workstation may run under any language; the helpers still write English names and a decimal point.
class RuntimeUnderGermanLocale : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override
    {
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
    }
};

TEST_F(RuntimeUnderGermanLocale, NamesStayEnglish)
{
    const QDateTime march(QDate(2026, 3, 1), QTime(21, 5));
    EXPECT_EQ(Format(march, "dd-MMM-yyyy"), "01-Mar-2026");
    EXPECT_EQ(Format(march, "dddd, mmmm d"), "Sunday, March 1");
    EXPECT_EQ(Format(march, "h:mm AMPM"), "9:05 PM");
    EXPECT_EQ(MonthName(3), "March");
    EXPECT_EQ(CDate("01-Mar-2026"), runtime::WallDateTime(QDate(2026, 3, 1), QTime(0, 0)));
}

TEST_F(RuntimeUnderGermanLocale, NumbersKeepThePoint)
{
    EXPECT_EQ(Format(2.5, "0.000"), "2.500");
    EXPECT_EQ(Format(QString("2.5"), "0.00"), "2.50");
    EXPECT_EQ(CStr(2.5), "2.5");
    EXPECT_EQ(CStr(1e15), "1E+15");
    EXPECT_EQ(Val("2.5").toDouble(), 2.5);
    EXPECT_EQ(Val("2,5").toDouble(), 2.0);
}

} // namespace
