#include "support/QtPrinters.h"

#include "core/AutoComplete.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/MessageBox.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

namespace core {
inline void PrintTo(const ComboEditState& s, std::ostream* os)
{
    *os << '"' << s.text.toStdString() << "\" sel " << s.selStart << "+" << s.selLength;
}
} // namespace core

using core::ComboEditState;

namespace {

struct CompletionCase {
    QStringList items;
    ComboEditState typed;
    std::optional<ComboEditState> expected;
};

TEST(Completion, CompletesFromFirstQualifyingItem)
{
    const QStringList abc = {"AB", "ABC"};
    const CompletionCase cases[] = {
        {abc, {"A", 1, 0}, ComboEditState{"AB", 1, 1}},
        {abc, {"a", 1, 0}, ComboEditState{"aB", 1, 1}},
        // the whole text equal to an item skips that item
        {abc, {"AB", 2, 0}, ComboEditState{"ABC", 2, 1}},
        {abc, {"ab", 2, 0}, ComboEditState{"abC", 2, 1}},
        {abc, {"ABC", 3, 0}, std::nullopt},
        {abc, {"X", 1, 0}, std::nullopt},
        {abc, {"", 0, 0}, std::nullopt},
        // text after the caret stays behind the completed part, all of it selected
        {abc, {"AX", 1, 0}, ComboEditState{"ABX", 1, 2}},
        {{"DELHI", "DEHRADUN"}, {"DEH", 3, 0}, ComboEditState{"DEHRADUN", 3, 5}},
    };
    for (const CompletionCase& c : cases)
        EXPECT_EQ(core::completeFromList(c.typed, c.items), c.expected) << c.typed.text.toStdString();
}

TEST(Completion, TypedTextIsLiteralNotAPattern)
{
    const QStringList items = {"AXB", "A?B", "12", "1#2", "AB", "*STAR", "[X]", "A[B"};
    const CompletionCase cases[] = {
        {items, {"A?", 2, 0}, ComboEditState{"A?B", 2, 1}},
        {items, {"1#", 2, 0}, ComboEditState{"1#2", 2, 1}},
        {items, {"*", 1, 0}, ComboEditState{"*STAR", 1, 4}},
        {items, {"[", 1, 0}, ComboEditState{"[X]", 1, 2}},
        {items, {"a[", 2, 0}, ComboEditState{"a[B", 2, 1}},
        {items, {"[Y", 2, 0}, std::nullopt},
    };
    for (const CompletionCase& c : cases)
        EXPECT_EQ(core::completeFromList(c.typed, c.items), c.expected) << c.typed.text.toStdString();
}

TEST(Completion, DeleteAndLeaving)
{
    EXPECT_EQ(core::removeSelection({"ABC", 2, 1}), (ComboEditState{"AB", 2, 0}));
    EXPECT_EQ(core::removeSelection({"AB", 2, 0}), (ComboEditState{"AB", 2, 0}));
    const QStringList items = {"Abc", "AB", "ab"};
    EXPECT_EQ(core::matchingItem("ab", items), QString("AB"));
    EXPECT_EQ(core::matchingItem("ABC", items), QString("Abc"));
    EXPECT_EQ(core::matchingItem("a", items), std::nullopt);
}

// An editable combo holding AB and ABC and a second control, wired as the invoice window wires
// its completing combos.
class CompletingCombo : public ::testing::Test {
protected:

    void SetUp() override
    {
        combo.setEditable(true);
        combo.setCompleter(nullptr);
        combo.addItems({"AB", "ABC"});
        combo.setEditText(QString());
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(&combo);
        layout->addWidget(&other);
        ui::attachHandlers(&combo, {.keyDown =
                                        [this](int& code, int) {
                                            if (code == ui::vbKeyBack || code == ui::vbKeyDelete)
                                                core::AutoCompleteDelete(&combo);
                                        },
                                    .keyPress =
                                        [this](int& k) {
                                            if (upperCase)
                                                k = QChar(k).toUpper().unicode();
                                        },
                                    .lostFocus = [this] { core::AutoCompleteLostFocus(&combo); },
                                    .change = [this] { core::AutoCompleteChange(&combo); }});
        ui::MessageBoxSeam::startAnswering();
        ui::MessageBoxSeam::clearShown();
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        combo.setFocus();
    }

    void TearDown() override { ui::MessageBoxSeam::stopAnswering(); }

    QWidget window;
    QComboBox combo;
    QLineEdit other;
    bool upperCase = false;
};

TEST_F(CompletingCombo, TypingCompletesDeleteRemovesTailLeavingTakesItemLetters)
{
    QTest::keyClicks(&combo, "a");
    EXPECT_EQ(combo.currentText(), "aB");
    EXPECT_EQ(combo.lineEdit()->selectedText(), "B");
    QTest::keyClicks(&combo, "b");
    EXPECT_EQ(combo.currentText(), "abC");
    EXPECT_EQ(combo.lineEdit()->selectedText(), "C");
    QTest::keyClick(&combo, Qt::Key_Delete);
    EXPECT_EQ(combo.currentText(), "ab");
    other.setFocus();
    EXPECT_EQ(combo.currentText(), "AB");
    EXPECT_FALSE(core::gblnAutoCompleting);
}

TEST_F(CompletingCombo, UpperCasedKeysComplete)
{
    upperCase = true;
    QTest::keyClicks(&combo, "ab");
    EXPECT_EQ(combo.currentText(), "ABC");
    EXPECT_EQ(combo.lineEdit()->selectedText(), "C");
}

TEST_F(CompletingCombo, PatternCharactersAndUnknownTextStayAsTyped)
{
    QTest::keyClicks(&combo, "[a?*#");
    EXPECT_EQ(combo.currentText(), "[a?*#");
    EXPECT_TRUE(ui::MessageBoxSeam::shown().isEmpty());
    other.setFocus();
    EXPECT_EQ(combo.currentText(), "[a?*#");
}

} // namespace
