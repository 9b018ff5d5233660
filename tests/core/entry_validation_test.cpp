#include "support/QtPrinters.h"

#include "core/Validation.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using core::EnterAction;

namespace {

struct FilterCase {
    const char* text;
    int key;
    int expected;
    EnterAction enter = EnterAction::None;
};

TEST(AlphaKeyFilter, LettersSlashSpaceAndControlKeysOnly)
{
    const FilterCase cases[] = {
        {"", 'A', 'A'},  {"", 'Z', 'Z'},  {"", 'a', 'a'}, {"", 'z', 'z'}, {"", '[', '['},
        {"", '`', '`'},  {"", '_', '_'},  {"", '/', '/'}, {"", ' ', ' '}, {"AB", 8, 8},
        {"AB", 27, 27},  {"", '@', 0},    {"", '{', 0},   {"", '0', 0},   {"", '9', 0},
        {"", '.', 0},    {"", '\'', 0},   {"", '-', 0},
        {"", 13, 13, EnterAction::Blank}, {"   ", 13, 13, EnterAction::Blank},
        {" A ", 13, 13, EnterAction::MoveOn},
    };
    for (const FilterCase& c : cases) {
        const core::FilteredKey key = core::alphaKeyFilter(c.text, c.key);
        EXPECT_EQ(key.keyAscii, c.expected) << c.text << " key " << c.key;
        EXPECT_EQ(key.enter, c.enter) << c.text << " key " << c.key;
    }
}

TEST(NumericKeyFilter, DigitsOnePointAndTwoPlaces)
{
    const FilterCase cases[] = {
        {"", '0', '0'},       {"12", '9', '9'},    {"12", '.', '.'},  {"12.3", '4', '4'},
        {"12.34", '5', 0},    {"1.", '5', '5'},    {".12", '3', 0},   {"12.3", '.', 0},
        {"12.34", 8, 8},      {"12.34", ' ', ' '}, {"12.34", 27, 27}, {"12", 'a', 0},
        {"12", '-', 0},       {"12", '/', 0},
        {"", 13, 13, EnterAction::Blank}, {"12.34", 13, 13, EnterAction::MoveOn},
    };
    for (const FilterCase& c : cases) {
        const core::FilteredKey key = core::numericKeyFilter(c.text, c.key);
        EXPECT_EQ(key.keyAscii, c.expected) << c.text << " key " << c.key;
        EXPECT_EQ(key.enter, c.enter) << c.text << " key " << c.key;
    }
}

// An address line (letters) and a PIN box (numeric) followed by a next box, wired as the phone
// book's entry window wires them.
class FilteredFields : public ::testing::Test {
protected:

    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&window);
        for (QLineEdit* box : {&address, &pin, &next})
            layout->addWidget(box);
        ui::attachHandlers(&address, {.keyPress = [this](int& k) { movedOn = core::ValidateAlphaKey(k, &address, &pin); },
                                      .gotFocus = [this] { core::FieldGotFocus(&address); },
                                      .lostFocus = [this] { core::FieldLostFocus(&address); }});
        ui::attachHandlers(&pin, {.keyPress = [this](int& k) { core::ValidateNumericKey(k, &pin, &next); }});
        ui::MessageBoxSeam::startAnswering();
        ui::MessageBoxSeam::clearShown();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void TearDown() override { ui::MessageBoxSeam::stopAnswering(); }

    QWidget window;
    QLineEdit address;
    QLineEdit pin;
    QLineEdit next;
    bool movedOn = false;
};

TEST_F(FilteredFields, LetterFieldFiltersHighlightsAndEnablesNextOnEnter)
{
    pin.setEnabled(false);
    address.setFocus();
    EXPECT_EQ(ui::backColor(&address), QColor(0xC0, 0xFF, 0xFF));
    QTest::keyClicks(&address, "Main 12/b.");
    EXPECT_EQ(address.text(), "Main /b");
    QTest::keyClick(&address, Qt::Key_Return);
    EXPECT_TRUE(movedOn);
    EXPECT_TRUE(pin.isEnabled());
    EXPECT_TRUE(pin.hasFocus());
    EXPECT_EQ(ui::backColor(&address), QColor(Qt::white));
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
}

TEST_F(FilteredFields, EnterOnBlankLetterFieldWarnsAndKeepsFocus)
{
    address.setFocus();
    QTest::keyClicks(&address, "  ");
    QTest::keyClick(&address, Qt::Key_Return);
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
    const ui::ShownMessage& message = ui::MessageBoxSeam::shown().front();
    EXPECT_EQ(message.prompt, "TextBox should not be blank");
    EXPECT_EQ(message.title, "Tessvik Tech");
    EXPECT_EQ(message.icon(), ui::vbInformation);
    EXPECT_EQ(message.buttons(), ui::vbOKOnly);
    EXPECT_EQ(address.text(), "");
    EXPECT_TRUE(address.hasFocus());
    EXPECT_FALSE(movedOn);
}

TEST_F(FilteredFields, NumericFieldKeepsTwoPlacesAndMovesOnWithoutEnabling)
{
    pin.setFocus();
    QTest::keyClicks(&pin, "4a1.2.345");
    EXPECT_EQ(pin.text(), "41.23");
    QTest::keyClick(&pin, Qt::Key_Return);
    EXPECT_TRUE(next.hasFocus());

    next.setEnabled(false);
    pin.setFocus();
    QTest::keyClick(&pin, Qt::Key_Return);
    EXPECT_FALSE(next.isEnabled());
    EXPECT_TRUE(pin.hasFocus());
}

} // namespace
