#include "platform/runtime/WallClock.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/PickerDateText.h"
#include "platform/ui/PickerFormat.h"
#include "support/QtPrinters.h"
#include "support/RuntimeErrors.h"

#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using runtime::ErrorNumber;
using ui::DatePicker;
using testsupport::errorOf;

namespace {

class DatePickerTest : public ::testing::Test {
protected:
    // The workstation may run under any language; the picker still shows English names.
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(DatePickerTest, CustomFormatsShowEnglishNames)
{
    struct Case {
        const char* customFormat;
        const char* shown;
    } cases[] = {
        {"", "2025-01-05"},
        {"dd-MMM-yyyy", "05-Jan-2025"},
        {"MMM-yyyy", "Jan-2025"},
        {"d/M/yy", "5/1/25"},
        {"dddd, MMMM dd yyy", "Sunday, January 05 2025"},
        {"ddd dd-MM-yy", "Sun 05-01-25"},
        {"'Day' d 'of' MMM", "Day 5 of Jan"},
        {"dd-MMM y", "05-Jan 25"},
    };
    DatePicker picker;
    picker.setValue(QDate(2025, 1, 5));
    for (const Case& c : cases) {
        picker.setCustomFormat(c.customFormat);
        EXPECT_EQ(picker.customFormat(), c.customFormat);
        EXPECT_EQ(picker.text(), c.shown) << c.customFormat;
    }
}

TEST_F(DatePickerTest, CustomFormatLettersMapToDisplayTokens)
{
    struct Case {
        const char* customFormat;
        const char* display;
    } cases[] = {
        {"dd-MMM-yyyy", "dd-MMM-yyyy"},
        {"MM/dd/yy HH:mm", "MM/dd/yy HH:mm"},
        {"hh:mm:ss tt", "hh:mm:ss AP"},
        {"ddddd MMMMM yyyyy", "dddd MMMM yyyy"},
        {"dd 'at' hh", "dd 'at' hh"},
        {"dd z A", "dd 'z' 'A'"},
        {"dd 'open", "dd 'open'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::displayFormatOf(c.customFormat), c.display) << c.customFormat;
}

TEST_F(DatePickerTest, ReadsTheDateTextsWindowsAssign)
{
    struct Case {
        const char* text;
        QDateTime read;
    } cases[] = {
        {"5-JAN-25", runtime::WallDateTime(QDate(2025, 1, 5), QTime(0, 0))},
        {"05-Jan-2025", runtime::WallDateTime(QDate(2025, 1, 5), QTime(0, 0))},
        {"28-feb-24", runtime::WallDateTime(QDate(2024, 2, 28), QTime(0, 0))},
        {"29-FEB-24", runtime::WallDateTime(QDate(2024, 2, 29), QTime(0, 0))},
        {"31-DEC-29", runtime::WallDateTime(QDate(2029, 12, 31), QTime(0, 0))},
        {"1-JAN-30", runtime::WallDateTime(QDate(1930, 1, 1), QTime(0, 0))},
        {"Apr-2026", runtime::WallDateTime(QDate(2026, 4, 1), QTime(0, 0))},
        {"SEP-24", runtime::WallDateTime(QDate(2024, 9, 1), QTime(0, 0))},
        {"2025-01-05", runtime::WallDateTime(QDate(2025, 1, 5), QTime(0, 0))},
        {"2025-01-05 10:30:15", runtime::WallDateTime(QDate(2025, 1, 5), QTime(10, 30, 15))},
        {"05/01/2025", runtime::WallDateTime(QDate(2025, 1, 5), QTime(0, 0))},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ui::readPickerDate(c.text), c.read) << c.text;

    for (const char* refused : {"31-SEP-24", "29-FEB-25", "0-JAN-25", "5-XYZ-25", "JANUARY-25", "", "today"})
        EXPECT_EQ(errorOf([&] { ui::readPickerDate(refused); }), ErrorNumber::TypeMismatch) << refused;
}

TEST_F(DatePickerTest, ValueAndItsParts)
{
    DatePicker picker;
    picker.setValue(QString("5-JAN-25"));
    EXPECT_EQ(picker.value(), runtime::WallDateTime(QDate(2025, 1, 5), QTime(0, 0)));
    EXPECT_EQ(picker.day(), 5);
    EXPECT_EQ(picker.month(), 1);
    EXPECT_EQ(picker.year(), 2025);

    picker.setValue(runtime::WallDateTime(QDate(2025, 1, 31), QTime(10, 30)));
    picker.setYear(2024);
    picker.setDay(29);
    picker.setMonth(2);
    EXPECT_EQ(picker.value(), runtime::WallDateTime(QDate(2024, 2, 29), QTime(10, 30)));

    // A part that gives no date leaves the value as it was.
    EXPECT_EQ(errorOf([&] { picker.setDay(30); }), ErrorNumber::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { picker.setYear(2025); }), ErrorNumber::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { picker.setValue(QString("31-SEP-24")); }), ErrorNumber::TypeMismatch);
    EXPECT_EQ(picker.value(), runtime::WallDateTime(QDate(2024, 2, 29), QTime(10, 30)));
}

TEST_F(DatePickerTest, RangeRefusesDatesOutsideIt)
{
    DatePicker picker;
    EXPECT_EQ(picker.minDate(), QDate(1601, 1, 1));
    EXPECT_EQ(picker.maxDate(), QDate(9999, 12, 31));
    picker.setValue(QDate(2025, 6, 15));
    picker.setMinDate(QDate(2025, 6, 1));
    picker.setMaxDate(QDate(2025, 6, 30));
    picker.setValue(QDate(2025, 6, 30));
    EXPECT_EQ(errorOf([&] { picker.setValue(QDate(2025, 7, 1)); }), ErrorNumber::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { picker.setValue(QString("31-MAY-25")); }), ErrorNumber::InvalidProcedureCall);
    EXPECT_EQ(errorOf([&] { picker.setValue(QDate()); }), ErrorNumber::InvalidUseOfNull);
    EXPECT_EQ(picker.value().date(), QDate(2025, 6, 30));
}

// A window holding a picker and a text box, shown and active, with the picker focused.
class PickerWindow {
public:
    PickerWindow()
    {
        auto* layout = new QVBoxLayout(&window);
        picker = new DatePicker;
        other = new QLineEdit;
        layout->addWidget(picker);
        layout->addWidget(other);
        picker->setCustomFormat("dd-MMM-yyyy");
        picker->setValue(QDate(2025, 1, 5));
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // Keys go to whatever holds the focus, as they do when a person types.
    void type(Qt::Key key, const QString& text = {})
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }

    QWidget window;
    DatePicker* picker;
    QLineEdit* other;
};

TEST_F(DatePickerTest, KeysFocusAndChangeReachTheHandlers)
{
    PickerWindow w;
    QStringList events;
    bool cancelUp = false;
    ui::ControlHandlers handlers;
    handlers.keyDown = [&](int& code, int) {
        events << QStringLiteral("down %1").arg(code);
        if (code == ui::vbKeyUp && cancelUp)
            code = 0;
    };
    handlers.keyPress = [&](int& ascii) { events << QStringLiteral("press %1").arg(ascii); };
    handlers.keyUp = [&](int& code, int) { events << QStringLiteral("up %1").arg(code); };
    handlers.gotFocus = [&] { events << "got focus"; };
    handlers.lostFocus = [&] { events << "lost focus"; };
    handlers.change = [&] { events << QStringLiteral("change %1").arg(w.picker->text()); };
    ui::attachHandlers(w.picker, handlers);

    w.other->setFocus(Qt::TabFocusReason);
    events.clear();
    w.picker->setFocus(Qt::TabFocusReason);
    w.type(Qt::Key_Return, "\r");
    EXPECT_EQ(events, QStringList({"got focus", "down 13", "press 13", "up 13"}));

    events.clear();
    w.type(Qt::Key_Up);
    EXPECT_EQ(events, QStringList({"down 38", "change 06-Jan-2025", "up 38"}));

    events.clear();
    cancelUp = true;
    w.type(Qt::Key_Up);
    EXPECT_EQ(events, QStringList({"down 38", "up 38"}));
    EXPECT_EQ(w.picker->value().date(), QDate(2025, 1, 6));

    events.clear();
    w.picker->setValue(QString("5-JAN-25"));
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(events, QStringList({"change 05-Jan-2025", "lost focus"}));
}

// Digits typed into the year build it as in any date picker: the field shows the digits as typed
// and the value follows them; one or two digits give a year in 1930-2029, a year out of range
// leaves the date, and leaving the field shows the value again.
TEST_F(DatePickerTest, TypedYearDigitsBuildTheYear)
{
    struct Case {
        const char* customFormat;
        QDate start;
        const char* digits;
        QStringList shown; // after each digit
        QDate left;        // after leaving the field
    };
    const Case cases[] = {
        {"MMM-yyyy", {2026, 6, 1}, "2025", {"Jun-2", "Jun-20", "Jun-202", "Jun-2025"}, {2025, 6, 1}},
        {"MMM-yyyy", {2026, 12, 1}, "05", {"Dec-0", "Dec-05"}, {2005, 12, 1}},
        {"MMM-yyyy", {2026, 6, 1}, "25", {"Jun-2", "Jun-25"}, {2025, 6, 1}},
        {"MMM-yyyy", {2026, 6, 1}, "99", {"Jun-9", "Jun-99"}, {1999, 6, 1}},
        {"MMM-yyyy", {2026, 6, 1}, "0205", {"Jun-0", "Jun-02", "Jun-020", "Jun-2026"}, {2026, 6, 1}},
        {"dd-MMM-yyyy", {2024, 2, 29}, "2025", {"28-Feb-2", "29-Feb-20", "29-Feb-202", "28-Feb-2025"}, {2025, 2, 28}},
        {"dd-MMM-yyyy", {2025, 1, 5}, "3", {"05-Jan-3"}, {2003, 1, 5}},
        {"dd-MMM-yy", {2025, 1, 5}, "07", {"05-Jan-0", "05-Jan-07"}, {2007, 1, 5}},
        {"'Day' d 'of' yyyy", {2025, 1, 5}, "25", {"Day 5 of 2", "Day 5 of 25"}, {2025, 1, 5}},
        {"", {2025, 1, 5}, "1999", {"1-01-05", "19-01-05", "199-01-05", "1999-01-05"}, {1999, 1, 5}},
    };
    for (const Case& c : cases) {
        PickerWindow w;
        w.picker->setCustomFormat(c.customFormat);
        w.picker->setValue(c.start);
        w.picker->setFocus(Qt::TabFocusReason);
        w.picker->setSelectedSection(QDateTimeEdit::YearSection);
        QStringList shown;
        for (const char* digit = c.digits; *digit; ++digit) {
            w.type(Qt::Key(Qt::Key_0 + (*digit - '0')), QString(QChar(*digit)));
            shown << w.picker->text();
        }
        EXPECT_EQ(shown, c.shown) << c.customFormat << ' ' << c.digits;
        w.other->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(w.picker->value().date(), c.left) << c.customFormat << ' ' << c.digits;
        EXPECT_EQ(w.picker->text(), w.picker->value().toString(w.picker->displayFormat())) << c.digits;
    }
}

// A clerk who was in the month when a message box came up types the day next: the first key after
// the box starts from the first field, whichever of the picker's own handlers raised the box (one
// that lets Enter on, one that takes it, one on its release).
TEST_F(DatePickerTest, TheFirstKeyAfterAMessageBoxStartsFromTheFirstField)
{
    const auto box = [] { ui::MsgBox("To Date Should be Equal to or Greater than From Date"); };
    const ui::ControlHandlers raising[] = {
        {.keyDown = [&](int& code, int) {
             if (code == ui::vbKeyReturn)
                 box();
         }},
        {.keyPress = [&](int& ascii) {
             if (ascii == ui::vbKeyReturn) {
                 box();
                 ascii = 0;
             }
         }},
        {.keyUp = [&](int& code, int) {
             if (code == ui::vbKeyReturn)
                 box();
         }},
    };
    ui::MessageBoxSeam::startAnswering();
    for (const ui::ControlHandlers& handlers : raising) {
        PickerWindow w;
        ui::attachHandlers(w.picker, handlers);
        w.picker->setFocus(Qt::TabFocusReason);
        w.picker->setSelectedSection(QDateTimeEdit::MonthSection);
        w.type(Qt::Key_Return, "\r");
        w.type(Qt::Key_1, "1");
        w.type(Qt::Key_5, "5");
        EXPECT_EQ(w.picker->value().date(), QDate(2025, 1, 15));
    }
    PickerWindow w;
    ui::attachHandlers(w.picker, raising[0]);
    w.picker->setFocus(Qt::TabFocusReason);
    w.picker->setSelectedSection(QDateTimeEdit::MonthSection);
    w.type(Qt::Key_Return, "\r");
    w.type(Qt::Key_1, "1");
    w.type(Qt::Key_5, "5");
    // with no box in between the field stays where the clerk put it
    w.picker->setSelectedSection(QDateTimeEdit::YearSection);
    w.type(Qt::Key_2, "2");
    w.type(Qt::Key_4, "4");
    w.other->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(w.picker->value().date(), QDate(2024, 1, 15));
    ui::MessageBoxSeam::stopAnswering();
}

// Up and Down step the selected field round within itself; the other fields stay.
TEST_F(DatePickerTest, SteppedFieldsGoRoundWithinThemselves)
{
    struct Case {
        QDate start;
        QDateTimeEdit::Section field;
        Qt::Key key;
        QDate stepped;
    };
    const Case cases[] = {
        {{2025, 12, 5}, QDateTimeEdit::MonthSection, Qt::Key_Up, {2025, 1, 5}},
        {{2025, 1, 5}, QDateTimeEdit::MonthSection, Qt::Key_Down, {2025, 12, 5}},
        {{2025, 6, 5}, QDateTimeEdit::MonthSection, Qt::Key_Up, {2025, 7, 5}},
        {{2025, 1, 31}, QDateTimeEdit::DaySection, Qt::Key_Up, {2025, 1, 1}},
        {{2025, 3, 1}, QDateTimeEdit::DaySection, Qt::Key_Down, {2025, 3, 31}},
        {{2025, 6, 5}, QDateTimeEdit::YearSection, Qt::Key_Up, {2026, 6, 5}},
    };
    for (const Case& c : cases) {
        PickerWindow w;
        w.picker->setValue(c.start);
        w.picker->setFocus(Qt::TabFocusReason);
        w.picker->setSelectedSection(c.field);
        w.type(c.key);
        EXPECT_EQ(w.picker->value().date(), c.stepped) << c.start.toString(Qt::ISODate).toStdString();
    }
}

} // namespace
