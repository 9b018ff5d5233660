#include "support/QtPrinters.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/WallClock.h"
#include "platform/runtime/Format.h"

#include <QDateTime>
#include <QLocale>
#include <gtest/gtest.h>

using runtime::Format;

namespace {

// Sunday 7 June 2026, 15:05:09.
const QDateTime afternoon(QDate(2026, 6, 7), QTime(15, 5, 9));

struct Case {
    QVariant value;
    const char* pattern;
    const char* want;
};

void expectAll(const std::vector<Case>& cases)
{
    for (const Case& c : cases)
        EXPECT_EQ(Format(c.value, QString::fromUtf8(c.pattern)), QString::fromUtf8(c.want))
            << "value " << c.value.toString().toStdString() << " pattern " << c.pattern;
}

TEST(RuntimeFormat, DateTokensAnyCase)
{
    expectAll({
        {afternoon, "dd-MMM-yyyy", "07-Jun-2026"},
        {afternoon, "dd-MMM-yy", "07-Jun-26"},
        {afternoon, "DD-MM-YY", "07-06-26"},
        {afternoon, "dd-mm-yy", "07-06-26"},
        {afternoon, "DD-MMM", "07-Jun"},
        {afternoon, "dd", "07"},
        {afternoon, "d/m", "7/6"},
        {afternoon, "ddd", "Sun"},
        {afternoon, "dddd", "Sunday"},
        {afternoon, "yyyy-mm-dd", "2026-06-07"},
        {afternoon, "yyyy-MM-dd", "2026-06-07"},
        {afternoon, "MMMyy", "Jun26"},
        {afternoon, "ddMMM", "07Jun"},
        {afternoon, "MMM-yyyy", "Jun-2026"},
        {afternoon, "MMM-YYYY", "Jun-2026"},
        {afternoon, "MMMM", "June"},
        {afternoon, "yy", "26"},
        {afternoon, "y", "158"},
    });
}

// The windows' date patterns over every day of two years at several times, against Qt's English
// texts for the same pattern.
TEST(RuntimeFormat, DatePatternsGiveQtsEnglishTexts)
{
    const struct {
        const char* pattern;
        const char* qtPattern;
    } cases[] = {
        {"dd-MMM-yyyy", "dd-MMM-yyyy"}, {"DD-MMM", "dd-MMM"}, {"dd-mm-yy", "dd-MM-yy"},
        {"dd/mm/yyyy hh:nn:ss", "dd/MM/yyyy HH:mm:ss"}, {"dddd, mmmm d, yyyy", "dddd, MMMM d, yyyy"},
        {"ddd d-m-yyyy h:n AM/PM", "ddd d-M-yyyy h:m AP"},
    };
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    for (QDate day(2025, 1, 1); day.year() < 2027; day = day.addDays(1))
        for (const QTime time : {QTime(0, 0), QTime(9, 5, 7), QTime(12, 0), QTime(23, 59, 59)}) {
            const QDateTime moment(day, time);
            for (const auto& c : cases)
                ASSERT_EQ(Format(moment, c.pattern), english.toString(moment, c.qtPattern)) << c.pattern;
            ASSERT_EQ(runtime::CStr(moment), moment.toString(time == QTime(0, 0) ? "yyyy-MM-dd" : "yyyy-MM-dd HH:mm:ss"));
        }
}

TEST(RuntimeFormat, TimeTokensAndMinutesAfterHour)
{
    expectAll({
        {afternoon, "dd-MMM-yyyy hh:mm:ss", "07-Jun-2026 15:05:09"},
        {afternoon, "hh:mm", "15:05"},
        {afternoon, "h:m:s", "15:5:9"},
        {afternoon, "hh:nn", "15:05"},
        {afternoon, "mm hh mm", "06 15 05"},
        {afternoon, "hh mmm", "15 Jun"},
    });
}

TEST(RuntimeFormat, TwelveHourClock)
{
    const QDateTime morning(QDate(2026, 6, 7), QTime(0, 30));
    const QDateTime noon(QDate(2026, 6, 7), QTime(12, 0));
    expectAll({
        {afternoon, "ddd. mmm. d, yyyy \\@ h:mm ampm", "Sun. Jun. 7, 2026 @ 3:05 PM"},
        {afternoon, "h:mm AM/PM", "3:05 PM"},
        {afternoon, "h:mm am/pm", "3:05 pm"},
        {afternoon, "hh:nn a/p", "03:05 p"},
        {morning, "h:mm AM/PM", "12:30 AM"},
        {morning, "h:mm A/P", "12:30 A"},
        {noon, "hh:mm AMPM", "12:00 PM"},
        {afternoon, "hh", "15"},
    });
}

TEST(RuntimeFormat, LiteralsInDatePatterns)
{
    expectAll({
        {afternoon, "\"Day\" d", "Day 7"},
        {afternoon, "\\d\\d d", "dd 7"},
        {afternoon, "dd.MM.yyyy", "07.06.2026"},
        {afternoon, "dd \"of\" mmmm", "07 of June"},
    });
}

TEST(RuntimeFormat, DateValuesArriveInEveryShape)
{
    expectAll({
        {QDate(2026, 6, 7), "dd-MMM-yyyy hh:mm", "07-Jun-2026 00:00"},
        {QString("2026-06-07"), "dd-MMM-yyyy", "07-Jun-2026"},
        {QString("2026-06-07 15:05:09"), "DD-MM-YY hh:mm:ss", "07-06-26 15:05:09"},
        {QString("07-Jun-2026"), "yyyy-mm-dd", "2026-06-07"},
        {46180, "dd-MMM-yyyy", "07-Jun-2026"},
        {46180.75, "dd-MMM-yyyy hh:mm", "07-Jun-2026 18:00"},
    });
}

TEST(RuntimeFormat, NullEmptyAndNonMatchingText)
{
    expectAll({
        {QVariant(), "dd-MMM-yyyy", ""},
        {QVariant(), "0.000", ""},
        {QVariant(QMetaType(QMetaType::QDate)), "dd-MMM-yyyy", ""},
        {QVariant(QMetaType(QMetaType::Double)), "0.000", ""},
        {QString(""), "dd-MMM-yyyy", ""},
        {QString(""), "0.000", ""},
        {QString("N/A"), "dd-MMM-yyyy", "N/A"},
        {QString("heavy"), "0.000", "heavy"},
        {QString("2026-02-30"), "dd-MMM-yyyy", "2026-02-30"},
    });
}

TEST(RuntimeFormat, EmptyPatternGivesTheValueAsText)
{
    expectAll({
        {2.5, "", "2.5"},
        {QDate(2026, 6, 7), "", "2026-06-07"},
        {afternoon, "", "2026-06-07 15:05:09"},
        {true, "", "True"},
    });
}

TEST(RuntimeFormat, DigitPlaceholders)
{
    expectAll({
        {2.5, "0.000", "2.500"},
        {0.0005, "0.000", "0.001"},
        {2.0005, "0.000", "2.001"},
        {1.0005, "0.000", "1.001"},
        {0.0004999, "0.000", "0.000"},
        {0.00001, "0.000", "0.000"},
        {9.9996, "0.000", "10.000"},
        {999.9995, "0.000", "1000.000"},
        {0.0, "0.000", "0.000"},
        {2.5, "0", "3"},
        {3.5, "0", "4"},
        {0.4, "0", "0"},
        {-2.5, "0", "-3"},
        {-1.23456, "0.000", "-1.235"},
        {-393579075078524.5, "0", "-393579075078525"}, // a tie at the 15th digit rounds away from zero
        {-0.0001, "0.000", "-0.000"},
        {1234.5, "####0.000", "1234.500"},
        {0.25, "####0.000", "0.250"},
        {123456789.125, "#########0.00", "123456789.13"},
        {12345678901.5, "#########0.00", "12345678901.50"},
        {2.5, "#########0.000", "2.500"},
        {0.0, "#########0.00", "0.00"},
        {7, "00.00", "07.00"},
        {2.5, "#.##", "2.5"},
        {0.5, "#.##", ".5"},
        {1e20, "0", "100000000000000000000"},
        {2.5, "0.000 kg", "2.500 kg"},
    });
}

TEST(RuntimeFormat, WholeNumbersStayExact)
{
    expectAll({
        {qlonglong(12345678901234), "0", "12345678901234"},
        {qlonglong(123456789012345678), "0.00", "123456789012345678.00"},
        {QString("12345678901234"), "0", "12345678901234"},
        {12345678901234.0, "0", "12345678901234"},
        {qlonglong(-42), "0.0", "-42.0"},
    });
}

TEST(RuntimeFormat, OtherValuesWithNumberPatterns)
{
    expectAll({
        {true, "0", "-1"},
        {false, "0.00", "0.00"},
        {QString(" 2.5 "), "0.000", "2.500"},
        {QString("&H10"), "0", "16"},
        {QDate(2026, 6, 7), "0", "46180"},
        {runtime::WallDateTime(QDate(2026, 6, 7), QTime(6, 0)), "0.00", "46180.25"},
    });
}

// A "," among the whole-number placeholders groups the whole digits by thousands; elsewhere in the
// pattern it is text.
TEST(RuntimeFormat, ThousandsSeparator)
{
    expectAll({
        {2762.6, "#,##0.00", "2,762.60"},
        {-2762.6, "#,##0.00", "-2,762.60"},
        {0, "#,##0.00", "0.00"},
        {0.5, "#,##0.00", "0.50"},
        {999.995, "#,##0.00", "1,000.00"},
        {123, "#,##0.00", "123.00"},
        {1234567890123.0, "#,##0.00", "1,234,567,890,123.00"},
        {qlonglong(9223372036854775807), "#,##0", "9,223,372,036,854,775,807"},
        {1000, "#,##0", "1,000"},
        {-1000000, "#,##0", "-1,000,000"},
        {999, "#,##0", "999"},
        {0, "#,##0", "0"},
        {1234.5, "#,###", "1,235"},
        {0, "#,###", ""},
        {QString("2762.6"), "#,##0.00", "2,762.60"},
        {12345.6789, "(#,##0.00)", "(12,345.68)"},
        {12345, ",0", ",12345"},
        {12345.6789, "#########0.000", "12345.679"},
        {1234567890.5, "#########0.000", "1234567890.500"},
    });
}

} // namespace
