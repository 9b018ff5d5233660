#include "platform/ui/WaitPointer.h"

#include "platform/db/LockWait.h"

namespace ui {

void showWaitPointerWhileLocked()
{
    db::LockWait::setListener([](bool waiting) {
        if (waiting)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    });
}

} // namespace ui
