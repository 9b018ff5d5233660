#pragma once

#include "platform/ui/Failure.h"

#include <QPointer>
#include <QWidget>
#include <exception>
#include <functional>

// How windows are shown and how the program ends. In the program a modal window runs its own
// event loop until it is closed or hidden; a test switches that off, so showing a window
// modally returns at once and the test drives the window itself.
namespace ui {

// Thrown by endProgram: unwinds out of the handler that ended the program.
struct ProgramEnd : std::exception {
    const char* what() const noexcept override { return "the program ended"; }
};

class WindowHost {
public:
    static void showModal(QWidget* window);
    static void showModeless(QWidget* window);
    // Tests: modal windows do not block.
    static void setNonBlocking(bool nonBlocking);
    static bool nonBlocking();
};

// Ends the program at once (closes every window); never returns. Tests observe programEnded().
[[noreturn]] void endProgram();
bool programEnded();
void resetProgramEnded();

// Runs a handler of a window: a database or runtime error stops it where it happened and is shown
// as the window's report says (by default its description with the information icon); the window
// stays open with what it already shows. Ending the program and any other exception pass through.
// True when the handler ran to its end, false when a failure was reported.
bool guarded(const FailureReport& report, const std::function<void()>& handler);
bool guarded(const std::function<void()>& handler);
// The same with the report chosen by the failure (such as by the kind of a database error).
bool guarded(const std::function<FailureReport(const Failure&)>& reportFor, const std::function<void()>& handler);

// Each window class has one instance, made on first use and gone when unloaded (the runtime's
// default instance).
template <class Window>
class DefaultInstance {
public:
    static Window& get()
    {
        if (!instance())
            instance() = new Window();
        return *instance();
    }
    static bool loaded() { return !instance().isNull(); }
    // Gone at once for the program (the next get() makes a new one); the widget itself is deleted
    // when control returns to the event loop, so a window may unload itself from its own handler.
    static void unload()
    {
        if (QPointer<Window> window = instance()) {
            instance().clear();
            window->hide();
            window->deleteLater();
        }
    }

private:
    static QPointer<Window>& instance()
    {
        static QPointer<Window> window;
        return window;
    }
};

} // namespace ui
