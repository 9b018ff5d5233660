#pragma once

#include <QString>
#include <functional>

// Message boxes as the windows ask for them: a prompt, the button-and-icon code and a title.
// In the program they are QMessageBoxes; a test answers them instead of a person and reads what
// was shown.
namespace ui {

enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// Shows the message and returns the button chosen. An empty title shows the application title
// (QCoreApplication::applicationName()).
int MsgBox(const QString& prompt, int style = vbOKOnly, const QString& title = QString());

// One message as it was shown.
struct ShownMessage {
    QString prompt;
    QString title; // as displayed (the application title when none was given)
    int style = 0;
    int buttons() const { return style & 0x0F; }
    int icon() const { return style & 0xF0; }
};

// The seam for tests: while answering is on, no box is shown; each message is recorded and
// answered by the next queued answer, else by the answerer, else by its default button.
class MessageBoxSeam {
public:
    static void startAnswering();
    static void stopAnswering();
    static bool answering();
    static void setNextAnswer(int answer);
    static void setAnswerer(std::function<int(const ShownMessage&)> answerer);
    static const QList<ShownMessage>& shown();
    static void clearShown();
};

} // namespace ui
