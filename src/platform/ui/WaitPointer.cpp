#include "platform/ui/WaitPointer.h"

#include "platform/db/LockWaitListener.h"

namespace ui {

void showWaitPointerWhileLocked()
{
    db::LockWaitListener::set([](bool waiting) {
        if (waiting)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
}

} // namespace ui
