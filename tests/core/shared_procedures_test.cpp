#include "platform/runtime/WallClock.h"
#include "core/KeyTests.h"
#include "core/ModuleState.h"
#include "core/MonthDates.h"
#include "core/ServerDate.h"
#include "core/TextBoxFocus.h"

#include "platform/db/DbError.h"
#include "platform/db/ServerClock.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DatePicker.h"
#include "support/TempServer.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class SharedProceduresTest : public ::testing::Test {
protected:
    void TearDown() override { core::gstrMonthDB.clear(); }
};

TEST_F(SharedProceduresTest, LimitDayToMonthCapsShortMonths)
{
    struct Case {
        int day;
        const char* month;
        int limited;
    } cases[] = {
        {31, "apr", 30}, {30, "APR", 30}, {31, "JUN", 30}, {31, "Sep", 30}, {31, "NOV", 30},
        {29, "FEB", 28}, {28, "FEB", 28}, {27, "FEB", 27}, {31, "feb", 28}, {31, "JAN", 31},
        {31, "DEC", 31}, {32, "JAN", 32}, {32, "APR", 32}, {31, "", 31},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::LimitDayToMonth(c.day, c.month), c.limited) << c.day << " " << c.month;
}

TEST_F(SharedProceduresTest, ClampPickerToMonthMovesIntoTheMonthDatabasesMonth)
{
    struct Case {
        QDate shown;
        const char* monthDB;
        QDate clamped;
    } cases[] = {
        {QDate(2025, 3, 31), "ZELSEP24", QDate(2024, 9, 30)},
        {QDate(2024, 1, 29), "ZELFEB24", QDate(2024, 2, 28)},
        {QDate(2026, 1, 5), "ZELDEC29", QDate(2029, 12, 5)},
        {QDate(2024, 6, 15), "ZELJAN30", QDate(1930, 1, 15)},
        {QDate(2026, 5, 31), "ZELAPR26", QDate(2026, 4, 30)},
        {QDate(2026, 4, 12), "ZELAPR26", QDate(2026, 4, 12)},
    };
    ui::DatePicker picker;
    for (const Case& c : cases) {
        picker.setValue(c.shown);
        core::gstrMonthDB = c.monthDB;
        core::ClampPickerToMonth(&picker);
        EXPECT_EQ(picker.value(), QDateTime(c.clamped, QTime(0, 0))) << c.monthDB;
    }

    // A month database name that names no month leaves the picker and reaches the caller.
    picker.setValue(QDate(2026, 4, 12));
    core::gstrMonthDB = "ZEL";
    EXPECT_THROW(core::ClampPickerToMonth(&picker), runtime::RuntimeError);
    EXPECT_EQ(picker.value().date(), QDate(2026, 4, 12));
}

TEST_F(SharedProceduresTest, SelectAllTextSelectsTheTrimmedLength)
{
    struct Case {
        const char* text;
        int length;
    } cases[] = {{"  AB", 2}, {"AB  ", 2}, {" A B ", 3}, {"ABC", 3}, {"\tAB", 3}, {"   ", 0}, {"", 0}};
    QLineEdit box;
    for (const Case& c : cases) {
        box.setText(c.text);
        box.selectAll();
        core::SelectAllText(&box);
        EXPECT_EQ(box.selectionStart(), c.length ? 0 : -1) << c.text;
        EXPECT_EQ(box.selectedText(), QString(c.text).left(c.length)) << c.text;
        EXPECT_EQ(box.cursorPosition(), c.length) << c.text;
    }
    EXPECT_EQ(ui::backColor(&box), QColor(106, 251, 248));
    core::ResetColors(&box);
    EXPECT_EQ(ui::backColor(&box), QApplication::palette().color(QPalette::Base));
}

TEST_F(SharedProceduresTest, GreenSchemeTakesAnyControl)
{
    QLineEdit box("  AB ");
    core::SelectAllTextGreen(&box);
    EXPECT_EQ(box.selectedText(), "  AB ");
    EXPECT_EQ(ui::backColor(&box), QColor(192, 255, 192));
    core::ResetColorsWhite(&box);
    EXPECT_EQ(ui::backColor(&box), QColor(255, 255, 255));

    QComboBox combo;
    combo.setEditable(true);
    combo.setEditText("KWD");
    core::SelectAllTextGreen(&combo);
    EXPECT_EQ(combo.lineEdit()->selectedText(), "KWD");

    QLabel label("Status");
    QPushButton button("Find");
    for (QWidget* control : std::initializer_list<QWidget*>{&label, &button}) {
        core::SelectAllTextGreen(control);
        EXPECT_EQ(ui::backColor(control), QColor(192, 255, 192));
        core::ResetColorsWhite(control);
        EXPECT_EQ(ui::backColor(control), QColor(255, 255, 255));
    }
    core::SelectAllTextGreen(nullptr);
    core::ResetColorsWhite(nullptr);
}

TEST_F(SharedProceduresTest, IsNumericKeyPassesDigitsBackspaceAndEnter)
{
    for (int key = 0; key < 256; ++key) {
        const bool expected = (key >= '0' && key <= '9') || key == 8 || key == 13;
        EXPECT_EQ(core::IsNumericKey(key), expected) << key;
    }
    for (int key : {46, 45, 9, 27, 47, 58, 0x30 + 256, -1})
        EXPECT_FALSE(core::IsNumericKey(key)) << key;
}

// The month connection open on a throw-away server whose clock differs from the workstation's.
class ServerDateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        server.addDatabase("ZELSERVER", "ZELJUN26", "CREATE TABLE Manifest(ConsignmentNo INTEGER);");
        core::gcnnMonth.open(testsupport::TempServer::connectionText("ZELSERVER", "ZELJUN26"));
        db::ServerClock::setFixed(runtime::WallDateTime(QDate(2026, 6, 9), QTime(14, 5, 6)));
        runtime::Clock::setFixed(runtime::WallDateTime(QDate(2031, 12, 25), QTime(8, 0)));
    }
    void TearDown() override
    {
        if (core::gcnnMonth.state() == db::ObjectState::Open)
            core::gcnnMonth.close();
        db::ServerClock::reset();
        runtime::Clock::reset();
    }

    testsupport::TempServer server;
};

TEST_F(ServerDateTest, ServerDateFollowsTheServersClock)
{
    EXPECT_EQ(core::GetServerDate(), QDate(2026, 6, 9));
    EXPECT_EQ(core::GetServerDateTime(), runtime::WallDateTime(QDate(2026, 6, 9), QTime(14, 5, 6)));

    db::ServerClock::setFixed(runtime::WallDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)));
    EXPECT_EQ(core::GetServerDate(), QDate(2024, 2, 29));
    EXPECT_EQ(core::GetServerDateTime(), runtime::WallDateTime(QDate(2024, 2, 29), QTime(23, 59, 59)));
}

TEST_F(ServerDateTest, ClosedConnectionReachesTheCaller)
{
    core::gcnnMonth.close();
    EXPECT_THROW(core::GetServerDate(), db::DbError);
    EXPECT_THROW(core::GetServerDateTime(), db::DbError);
}

} // namespace
