#include "platform/ui/Application.h"

#include "platform/ui/ElidedText.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/WaitPointer.h"
#include "platform/ui/WindowHost.h"

namespace ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    // The windows are laid out in twips for the fonts of the original desktop.
    useDesktopFonts(*this);
    setStyle(new FittingStyle);
    showWaitPointerWhileLocked();
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
