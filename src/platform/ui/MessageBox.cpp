#include "platform/ui/MessageBox.h"

#include "platform/ui/ModalKeys.h"

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QQueue>

namespace ui {

namespace {

struct SeamState {
    bool answering = false;
    QQueue<int> answers;
    std::function<int(const ShownMessage&)> answerer;
    QList<ShownMessage> shown;
};

SeamState& seam()
{
    static SeamState state;
    return state;
}

// The buttons of a style, first to last, as the result codes they return.
QList<int> buttonsOf(int style)
{
    switch (style & 0x0F) {
    case vbOKCancel: return {vbOK, vbCancel};
    case vbAbortRetryIgnore: return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel: return {vbYes, vbNo, vbCancel};
    case vbYesNo: return {vbYes, vbNo};
    case vbRetryCancel: return {vbRetry, vbCancel};
    default: return {vbOK};
    }
}

int defaultAnswer(int style)
{
    const QList<int> buttons = buttonsOf(style);
    const int index = (style & 0xF00) >> 8;
    return buttons.value(index, buttons.first());
}

QMessageBox::StandardButton standardButton(int result)
{
    switch (result) {
    case vbCancel: return QMessageBox::Cancel;
    case vbAbort: return QMessageBox::Abort;
    case vbRetry: return QMessageBox::Retry;
    case vbIgnore: return QMessageBox::Ignore;
    case vbYes: return QMessageBox::Yes;
    case vbNo: return QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconOf(int style)
{
    switch (style & 0xF0) {
    case vbCritical: return QMessageBox::Critical;
    case vbQuestion: return QMessageBox::Question;
    case vbExclamation: return QMessageBox::Warning;
    case vbInformation: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

int showBox(const ShownMessage& message)
{
    QMessageBox box(iconOf(message.style), message.title, message.prompt, QMessageBox::NoButton, QApplication::activeWindow());
    const QList<int> buttons = buttonsOf(message.style);
    for (int result : buttons)
        box.addButton(standardButton(result));
    box.setDefaultButton(standardButton(defaultAnswer(message.style)));
    box.exec();
    const QMessageBox::StandardButton clicked = box.standardButton(box.clickedButton());
    for (int result : buttons)
        if (standardButton(result) == clicked)
            return result;
    // closed with Esc or the title bar: Cancel where there is one, else the only button
    return buttons.contains(vbCancel) ? int(vbCancel) : (buttons.size() == 1 ? buttons.first() : defaultAnswer(message.style));
}

// The answer of the person at the counter, or of the test answering in their place.
int answerOf(const ShownMessage& message)
{
    SeamState& s = seam();
    if (!s.answering)
        return showBox(message);
    s.shown.append(message);
    if (!s.answers.isEmpty())
        return s.answers.dequeue();
    if (s.answerer)
        return s.answerer(message);
    return defaultAnswer(message.style);
}

} // namespace

int MsgBox(const QString& prompt, int style, const QString& title)
{
    const int answer = answerOf({prompt, title.isEmpty() ? QCoreApplication::applicationName() : title, style});
    noteModalWindowClosed();
    return answer;
}

void MessageBoxSeam::startAnswering()
{
    seam() = SeamState();
    seam().answering = true;
}

void MessageBoxSeam::stopAnswering() { seam() = SeamState(); }

bool MessageBoxSeam::answering() { return seam().answering; }

void MessageBoxSeam::setNextAnswer(int answer) { seam().answers.enqueue(answer); }

void MessageBoxSeam::setAnswerer(std::function<int(const ShownMessage&)> answerer) { seam().answerer = std::move(answerer); }

const QList<ShownMessage>& MessageBoxSeam::shown() { return seam().shown; }

void MessageBoxSeam::clearShown() { seam().shown.clear(); }

} // namespace ui
