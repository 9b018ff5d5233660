#include "support/QtPrinters.h"

#include "core/DecimalEntry.h"
#include "platform/ui/ControlEvents.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

struct KeyCase {
    const char* text;
    int selStart;
    int selLength;
    int key;
    int decimals;
    int expected;
};

TEST(DecimalKeyFilter, AcceptsOrRefusesKeys)
{
    const KeyCase cases[] = {
        // decimals full: no digit or point anywhere while nothing is selected
        {"12.345", 6, 0, '6', 3, 0},
        {"12.345", 0, 0, '6', 3, 0},
        {"12.345", 6, 0, '.', 3, 0},
        {"1.23", 4, 0, '4', 2, 0},
        // a selection lets a digit replace it
        {"12.345", 0, 6, '7', 3, '7'},
        {"12.345", 5, 1, '9', 3, '9'},
        // room left after the point
        {"12.34", 5, 0, '5', 3, '5'},
        {"1.2", 3, 0, '4', 2, '4'},
        {"", 0, 0, '0', 3, '0'},
        // one point at most
        {"12", 2, 0, '.', 3, '.'},
        {"12.3", 4, 0, '.', 3, 0},
        {"1.25", 3, 1, '.', 3, 0},
        {"1.25", 1, 1, '.', 3, '.'},
        {"1.25", 0, 4, '.', 3, '.'},
        // Backspace always passes; everything else is refused
        {"12.345", 6, 0, 8, 3, 8},
        {"", 0, 0, 8, 2, 8},
        {"12", 2, 0, 'a', 3, 0},
        {"12", 2, 0, ' ', 3, 0},
        {"12", 2, 0, '-', 3, 0},
        {"12", 2, 0, 13, 3, 0},
    };
    for (const KeyCase& c : cases) {
        EXPECT_EQ(core::decimalKeyFilter(c.text, c.selStart, c.selLength, c.key, c.decimals), c.expected)
            << c.text << " sel " << c.selStart << "+" << c.selLength << " key " << c.key << " decimals " << c.decimals;
    }
}

TEST(DecimalPadding, PadsOnLeaving)
{
    const struct {
        const char* text;
        int decimals;
        const char* expected;
    } cases[] = {
        {"", 3, "0.000"},   {"   ", 3, "0.000"}, {"5", 3, "5.000"},       {".5", 3, "0.500"},
        {"12.", 3, "12.000"}, {"1.2", 3, "1.200"}, {"1.23", 3, "1.230"},   {"1.2345", 3, "1.2345"},
        {".", 3, "0.000"},  {"", 2, "0.00"},     {"5", 2, "5.00"},         {"1.5", 2, "1.50"},
        {"1.25", 2, "1.25"}, {"1.234", 2, "1.234"}, {".5", 2, "0.50"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(core::padDecimals(c.text, c.decimals), c.expected) << c.text << " decimals " << c.decimals;
}

TEST(DecimalPadding, ZeroValueOnEntryOnlyWhenEmpty)
{
    EXPECT_EQ(core::decimalEntryText("", 2), "0.00");
    EXPECT_EQ(core::decimalEntryText("", 3), "0.000");
    EXPECT_EQ(core::decimalEntryText("7.5", 3), "7.5");
}

// A window with two decimal boxes wired as a window wires them.
class DecimalBoxes : public ::testing::Test {
protected:

    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(&weight);
        layout->addWidget(&other);
        for (QLineEdit* box : {&weight, &other}) {
            ui::attachHandlers(box, {.keyPress = [box](int& k) { core::DecimalKeyPress(k, box, 3); },
                                     .gotFocus = [box] { core::DecimalGotFocus(box, 3); },
                                     .lostFocus = [box] { core::FormatDecimalText(box, 3); }});
        }
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        weight.setFocus();
    }

    QWidget window;
    QLineEdit weight;
    QLineEdit other;
};

TEST_F(DecimalBoxes, EntryShowsZeroSelectedAndTypingReplacesIt)
{
    EXPECT_EQ(weight.text(), "0.000");
    EXPECT_EQ(weight.selectedText(), "0.000");
    QTest::keyClicks(&weight, "12.3456");
    EXPECT_EQ(weight.text(), "12.345");
}

TEST_F(DecimalBoxes, LettersAndSecondPointRefusedAndLeavingPads)
{
    QTest::keyClicks(&weight, "7a.-5.");
    EXPECT_EQ(weight.text(), "7.5");
    other.setFocus();
    EXPECT_EQ(weight.text(), "7.500");
}

} // namespace
