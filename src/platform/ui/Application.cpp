#include "platform/ui/Application.h"

#include "platform/ui/WindowHost.h"

#include <QFont>

namespace ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    // The windows are laid out in twips for the 8.25-point system font of the original desktop.
    QFont standard = font();
    standard.setPointSizeF(8.25);
    setFont(standard);
}

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
