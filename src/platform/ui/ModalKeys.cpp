#include "platform/ui/ModalKeys.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QKeyEvent>

namespace ui {

namespace {

struct KeyLog {
    // Counts the modal windows closed so far.
    quint64 modalGeneration = 0;
    // For each Qt key, the modal generation of its last press.
    QHash<int, quint64> pressedIn;
};

KeyLog& keyLog()
{
    static KeyLog log;
    return log;
}

// Sees every key press of the application before the widget that gets it.
class KeyPressWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            KeyLog& log = keyLog();
            log.pressedIn.insert(static_cast<QKeyEvent*>(event)->key(), log.modalGeneration);
        }
        return false;
    }
};

} // namespace

void noteModalWindowClosed() { ++keyLog().modalGeneration; }

quint64 modalWindowsClosed() { return keyLog().modalGeneration; }

void watchKeyPresses()
{
    static bool watching = false;
    if (watching)
        return;
    watching = true;
    QCoreApplication* app = QCoreApplication::instance();
    app->installEventFilter(new KeyPressWatch(app));
}

bool pressedSinceModalWindowClosed(int qtKey)
{
    const KeyLog& log = keyLog();
    const auto pressed = log.pressedIn.constFind(qtKey);
    return pressed != log.pressedIn.cend() && *pressed == log.modalGeneration;
}

} // namespace ui
