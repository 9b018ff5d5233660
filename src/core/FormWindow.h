#pragma once

#include "platform/ui/WindowHost.h"

#include <QCloseEvent>
#include <QWidget>

namespace core {

// A window with a single default instance (ui::DefaultInstance<Window>): closing it by its close
// box unloads it, so the next opening loads it afresh.
template <class Window>
class FormWindow : public QWidget {
protected:
    void closeEvent(QCloseEvent* event) override
    {
        QWidget::closeEvent(event);
        ui::DefaultInstance<Window>::unload();
    }
};

} // namespace core
