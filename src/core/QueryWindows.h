#pragma once

#include "platform/ui/WindowHost.h"

#include <QString>
#include <QWidget>
#include <functional>

// The query windows of the other subsystems that the main window opens, known by their window
// names. The core does not know their classes: the program registers each window with a factory
// that gives its single instance, made (and so loaded) on first use.
namespace core {

class QueryWindows {
public:
    using Factory = std::function<QWidget&()>;

    // Registers (or replaces) the window of that name.
    static void add(const QString& name, Factory factory);
    // Registers a window class by its default instance.
    template <class Window>
    static void add(const QString& name)
    {
        add(name, []() -> QWidget& { return ui::DefaultInstance<Window>::get(); });
    }

    // Forgets the window of that name: a factory holding what ends before the program does is
    // removed before that goes.
    static void remove(const QString& name);

    // The window's instance, loaded when it was not. A name without a registered window gives
    // nullptr and a warning.
    static QWidget* load(const QString& name);
};

} // namespace core
