// The window runtime: message boxes a test answers, the key-event order of the controls, the
// window host and the guard around handlers.

#include "support/QtPrinters.h"

#include "platform/db/DbError.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowHost.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class WindowRuntime : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setApplicationName("Quorvel");
        ui::MessageBoxSeam::startAnswering();
        ui::WindowHost::setNonBlocking(true);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override { ui::MessageBoxSeam::stopAnswering(); }

    QWidget window;
};

TEST_F(WindowRuntime, MessageBoxesAreRecordedAndAnswered)
{
    EXPECT_EQ(ui::MsgBox("Saved", ui::vbInformation), ui::vbOK);
    EXPECT_EQ(ui::MsgBox("Replace?", ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2, "Phone Book"), ui::vbNo);
    ui::MessageBoxSeam::setNextAnswer(ui::vbYes);
    EXPECT_EQ(ui::MsgBox("Replace?", ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2), ui::vbYes);
    const auto& shown = ui::MessageBoxSeam::shown();
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[0].title, "Quorvel");
    EXPECT_EQ(shown[0].icon(), ui::vbInformation);
    EXPECT_EQ(shown[1].title, "Phone Book");
    EXPECT_EQ(shown[1].buttons(), ui::vbYesNo);
    EXPECT_EQ(shown[1].icon(), ui::vbQuestion);
}

TEST_F(WindowRuntime, KeyPressMayReplaceOrRefuseTheCharacter)
{
    auto* box = new QLineEdit(&window);
    ui::attachHandlers(box, {.keyPress = [](int& KeyAscii) {
                                 if (KeyAscii == '\'')
                                     KeyAscii = 0;
                                 else
                                     KeyAscii = QChar(KeyAscii).toUpper().unicode();
                             }});
    box->setFocus();
    QTest::keyClicks(box, "o'brien 7");
    EXPECT_EQ(box->text(), "OBRIEN 7");
}

TEST_F(WindowRuntime, EventsArriveInTheRuntimesOrder)
{
    auto* first = new QLineEdit(&window);
    auto* second = new QLineEdit(&window);
    first->show();
    second->move(0, 40);
    second->show();
    QStringList events;
    ui::attachHandlers(first, {.keyDown = [&](int& code, int shift) { events << QString("down %1 %2").arg(code).arg(shift); },
                               .keyPress =
                                   [&](int& ascii) {
                                       events << QString("press %1").arg(ascii);
                                       if (ascii == ui::vbKeyReturn)
                                           second->setFocus();
                                   },
                               .keyUp = [&](int& code, int) { events << QString("first up %1").arg(code); },
                               .gotFocus = [&] { events << "first got"; },
                               .lostFocus = [&] { events << "first lost"; }});
    ui::attachHandlers(second, {.keyUp = [&](int& code, int) { events << QString("second up %1").arg(code); },
                                .gotFocus = [&] { events << "second got"; }});
    first->setFocus();
    QTest::keyClick(first, 'A');
    QTest::keyClick(first, Qt::Key_Up);
    // Enter moves the focus in KeyPress, so the key's release reaches the next field
    QTest::keyPress(first, Qt::Key_Return);
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(events, (QStringList{"first got", "down 65 0", "press 65", "first up 65", "down 38 0", "first up 38", "down 13 0",
                                   "press 13", "first lost", "second got", "second up 13"}));
    EXPECT_EQ(first->text(), "A");
}

// The clerk answers a box with a key: the box takes its press, and its release lands in the
// control that has the focus again. Releasing a key pressed before a modal window closed, or in
// it, runs no KeyUp handler; a key pressed after it works as ever.
TEST_F(WindowRuntime, AKeyPressedBeforeOrInAModalWindowGivesNoKeyUpAfterIt)
{
    auto* field = new QLineEdit(&window);
    int ups = 0;
    ui::attachHandlers(field, {.keyUp = [&](int&, int) { ++ups; }});
    QWidget box; // the message box while it is open
    field->setFocus();

    struct Case {
        const char* name;
        std::function<void()> betweenPressAndRelease;
        int keyUps;
    };
    const Case cases[] = {
        {"a message box", [] { ui::MsgBox("Saved"); }, 0},
        {"a modal window", [] {
             QWidget modal;
             ui::WindowHost::showModal(&modal);
             modal.hide();
         }, 0},
        {"a box answered by the key", [&] {
             ui::MessageBoxSeam::setAnswerer([&](const ui::ShownMessage&) {
                 QTest::keyPress(&box, Qt::Key_Return);
                 return ui::vbOK;
             });
             ui::MsgBox("Overflow");
         }, 0},
        {"no modal window", [] {}, 1},
    };
    for (const Case& c : cases) {
        ups = 0;
        QTest::keyPress(field, Qt::Key_Return);
        c.betweenPressAndRelease();
        QTest::keyRelease(field, Qt::Key_Return);
        EXPECT_EQ(ups, c.keyUps) << c.name;
    }
}

// QWidget's destructor takes the focus from a focused control when the control's own class is
// already gone: deleting a window inside the active main window runs none of the control's
// handlers on what is left of it.
TEST_F(WindowRuntime, DeletingAWindowRunsNoHandlerOfItsFocusedControl)
{
    struct Case {
        const char* name;
        std::function<QWidget*(QWidget*)> make;
    };
    const Case cases[] = {
        {"text box", [](QWidget* parent) { return new QLineEdit("12", parent); }},
        {"editable combo", [](QWidget* parent) {
             auto* combo = new QComboBox(parent);
             combo->setEditable(true);
             combo->addItems({"AB", "CD"});
             return combo;
         }},
        {"date picker", [](QWidget* parent) { return new ui::DatePicker(parent); }},
    };
    for (const Case& c : cases) {
        auto* dying = new QWidget(&window);
        QWidget* control = c.make(dying);
        int handled = 0;
        ui::attachHandlers(control, {.lostFocus = [&] { ++handled; }, .change = [&] { ++handled; }});
        dying->show();
        control->setFocus();
        ASSERT_TRUE(control->hasFocus()) << c.name;
        delete dying;
        EXPECT_EQ(handled, 0) << c.name;
    }
}

TEST_F(WindowRuntime, KeyDownCancelsKeysThatTypeNothing)
{
    auto* combo = new QComboBox(&window);
    combo->setEditable(true);
    combo->addItems({"AB", "CD"});
    combo->setCurrentIndex(-1);
    ui::attachHandlers(combo, {.keyDown = [](int& code, int) {
                                   if (code == ui::vbKeyDown)
                                       code = 0;
                               }});
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(combo->currentIndex(), -1);
    QTest::keyClicks(combo, "x");
    EXPECT_EQ(combo->currentText(), "x");
}

TEST_F(WindowRuntime, AFailingHandlerShowsTheErrorAndTheWindowGoesOn)
{
    auto* button = new QPushButton("Go", &window);
    int runs = 0;
    ui::attachHandlers(button, {.click = [&] {
                                    ++runs;
                                    throw db::DbError(db::DbErrorKind::Provider, "Invalid object name 'Nowhere'.");
                                }});
    button->click();
    button->click();
    EXPECT_EQ(runs, 2);
    ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 2);
    EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, "Invalid object name 'Nowhere'.");
}

// A window's report: the pattern takes the number and the description once (a "%2" inside the
// description stays as it is), with the report's icon and title; the guard says whether the handler
// ran to its end and lets the end of the program pass. (Reports chosen by kind: the start-up tests.)
TEST_F(WindowRuntime, AFailureIsShownAsTheWindowsReportSays)
{
    const db::DbError provider(db::DbErrorKind::Provider, "Invalid object name 'a%2%1'.");
    const runtime::RuntimeError invalidCall(runtime::ErrorNumber::InvalidProcedureCall);
    const struct {
        ui::FailureReport report;
        std::function<void()> fail;
        QString prompt;
        int style;
        QString title;
    } cases[] = {
        {{}, [&] { throw provider; }, "Invalid object name 'a%2%1'.", ui::vbInformation, "Quorvel"},
        {{"Error %1 %2", ui::vbExclamation}, [&] { throw provider; },
         "Error -2147467259 Invalid object name 'a%2%1'.", ui::vbExclamation, "Quorvel"},
        {{"%1 : %2     ", ui::vbCritical, "Orvane"}, [&] { throw invalidCall; },
         "5 : Invalid procedure call or argument     ", ui::vbCritical, "Orvane"},
        {{"Not available: 100%", ui::vbOKOnly, "Change"}, [&] { throw invalidCall; }, "Not available: 100%",
         ui::vbOKOnly, "Change"},
    };
    for (const auto& c : cases) {
        ui::MessageBoxSeam::clearShown();
        EXPECT_FALSE(ui::guarded(c.report, c.fail));
        ASSERT_EQ(ui::MessageBoxSeam::shown().size(), 1);
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].prompt, c.prompt);
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].style, c.style);
        EXPECT_EQ(ui::MessageBoxSeam::shown()[0].title, c.title);
    }
    EXPECT_TRUE(ui::guarded(cases[1].report, [] {}));
    EXPECT_THROW(ui::guarded(cases[1].report, [] { ui::endProgram(); }), ui::ProgramEnd);
    ui::resetProgramEnded();
}

TEST_F(WindowRuntime, EndingTheProgramUnwindsAndIsObserved)
{
    ui::resetProgramEnded();
    bool after = false;
    EXPECT_THROW(
        {
            ui::endProgram();
            after = true;
        },
        ui::ProgramEnd);
    EXPECT_FALSE(after);
    EXPECT_TRUE(ui::programEnded());
}

class Probe : public QWidget {
public:
    Probe() { ++made; }
    static int made;
};
int Probe::made = 0;

TEST_F(WindowRuntime, AWindowHasOneInstanceUntilUnloaded)
{
    Probe& a = ui::DefaultInstance<Probe>::get();
    Probe& b = ui::DefaultInstance<Probe>::get();
    EXPECT_EQ(&a, &b);
    EXPECT_EQ(Probe::made, 1);
    ui::WindowHost::showModal(&a);
    EXPECT_TRUE(a.isVisible());
    EXPECT_EQ(a.windowModality(), Qt::ApplicationModal);
    ui::DefaultInstance<Probe>::unload();
    EXPECT_FALSE(ui::DefaultInstance<Probe>::loaded());
    ui::DefaultInstance<Probe>::get();
    EXPECT_EQ(Probe::made, 2);
    ui::DefaultInstance<Probe>::unload();
}

} // namespace
