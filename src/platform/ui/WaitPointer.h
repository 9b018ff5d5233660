#pragma once

#include <QApplication>
#include <QScopeGuard>

namespace ui {

// The wait pointer over every window of the program until the returned guard goes, also when an
// exception leaves its scope: for a step that keeps the clerk waiting, such as a report's Show or
// an export. A message box shown afterwards has the normal pointer again.
[[nodiscard]] inline auto waitPointer()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    return qScopeGuard([] { QApplication::restoreOverrideCursor(); });
}

// The wait pointer over every window while a statement waits for a database another program is
// writing; the program's application object sets it up.
void showWaitPointerWhileLocked();

} // namespace ui
