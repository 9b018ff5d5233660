#include "platform/ui/WindowHost.h"

#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalKeys.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>

namespace ui {

namespace {
bool& nonBlockingFlag()
{
    static bool flag = false;
    return flag;
}
bool& endedFlag()
{
    static bool flag = false;
    return flag;
}

// Ends a modal window's loop when the window is hidden or closed.
class ModalLoopQuitter : public QObject {
public:
    ModalLoopQuitter(QWidget* window, QEventLoop* loop) : m_loop(loop) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide || event->type() == QEvent::Close || event->type() == QEvent::DeferredDelete)
            m_loop->quit();
        return false;
    }

private:
    QEventLoop* m_loop;
};

// Notes the end of a modal showing that has no loop of its own (tests): the window's hiding.
class ModalHideNote : public QObject {
public:
    explicit ModalHideNote(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide) {
            noteModalWindowClosed();
            deleteLater();
        }
        return false;
    }
};

// A window opens in the middle of the screen the first time it is shown.
void placeOnFirstShow(QWidget* window)
{
    if (window->parentWidget() || window->property("quorvelPlaced").toBool())
        return;
    window->setProperty("quorvelPlaced", true);
    if (const QScreen* screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
}

// Shows the window in front with the given modality.
void present(QWidget* window, Qt::WindowModality modality)
{
    window->setWindowModality(modality);
    placeOnFirstShow(window);
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

void WindowHost::setNonBlocking(bool nonBlocking) { nonBlockingFlag() = nonBlocking; }
bool WindowHost::nonBlocking() { return nonBlockingFlag(); }

void WindowHost::showModeless(QWidget* window) { present(window, Qt::NonModal); }

void WindowHost::showModal(QWidget* window)
{
    present(window, Qt::ApplicationModal);
    if (nonBlockingFlag()) {
        new ModalHideNote(window);
        return;
    }
    QPointer<QWidget> guard(window);
    QEventLoop loop;
    ModalLoopQuitter quitter(window, &loop);
    loop.exec(QEventLoop::DialogExec);
    noteModalWindowClosed();
    if (guard)
        guard->setWindowModality(Qt::NonModal);
}

void endProgram()
{
    endedFlag() = true;
    if (!nonBlockingFlag()) {
        QApplication::closeAllWindows();
        QCoreApplication::exit(0);
    }
    throw ProgramEnd();
}

bool programEnded() { return endedFlag(); }
void resetProgramEnded() { endedFlag() = false; }

bool guarded(const std::function<FailureReport(const Failure&)>& reportFor, const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const std::exception& e) {
        const std::optional<Failure> failure = failureOf(e);
        if (!failure)
            throw;
        const FailureReport report = reportFor(*failure);
        MsgBox(report.textFor(*failure), report.style, report.title);
    }
    return false;
}

bool guarded(const FailureReport& report, const std::function<void()>& handler)
{
    return guarded([&report](const Failure&) { return report; }, handler);
}

bool guarded(const std::function<void()>& handler) { return guarded(FailureReport{}, handler); }

} // namespace ui
