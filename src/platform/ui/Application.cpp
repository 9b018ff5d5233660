#include "platform/ui/Application.h"

#include "platform/ui/WindowHost.h"

namespace ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const ProgramEnd&) {
        QCoreApplication::exit(0);
        return true;
    }
}

} // namespace ui
