#include "core/StatusPanels.h"

#include "platform/runtime/Clock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <QWindow>

namespace core {

namespace {

QLabel* AddPanel(QStatusBar* bar, const QString& name, const QString& text, int minimumWidth)
{
    auto* panel = new QLabel(text, bar);
    panel->setObjectName(name);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(minimumWidth);
    bar->addPermanentWidget(panel);
    return panel;
}

bool IsNumberPadMovingKey(int key)
{
    switch (key) {
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up:
    case Qt::Key_Down: case Qt::Key_PageUp: case Qt::Key_PageDown: case Qt::Key_Insert:
    case Qt::Key_Delete: case Qt::Key_Clear: return true;
    default: return false;
    }
}

} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    setSizeGripEnabled(false);
    panelTime = AddPanel(this, QStringLiteral("panelTime"), QString(), 90);
    panelDate = AddPanel(this, QStringLiteral("panelDate"), QString(), 110);
    panelNum = AddPanel(this, QStringLiteral("panelNum"), QStringLiteral("NUM"), 60);
    panelCaps = AddPanel(this, QStringLiteral("panelCaps"), QStringLiteral("CAPS"), 60);

    auto* clock = new QTimer(this);
    clock->setInterval(1000);
    connect(clock, &QTimer::timeout, this, &StatusPanels::refresh);
    clock->start();
    // Every key event reaches a window of the program first; watching there sees each key once.
    qApp->installEventFilter(this);
    refresh();
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !qobject_cast<QWindow*>(watched))
        return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() == Qt::Key_CapsLock) {
        m_capsLock = !m_capsLock;
    } else if (key->key() == Qt::Key_NumLock) {
        m_numLock = !m_numLock;
    } else if (key->modifiers() & Qt::KeypadModifier) {
        if (key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9)
            m_numLock = true;
        else if (IsNumberPadMovingKey(key->key()))
            m_numLock = false;
    } else if (key->text().size() == 1 && (key->text()[0].isUpper() || key->text()[0].isLower())) {
        const bool shift = key->modifiers() & Qt::ShiftModifier;
        m_capsLock = key->text()[0].isUpper() != shift;
    }
    refresh();
    return false;
}

void StatusPanels::refresh()
{
    const QDateTime now = runtime::Clock::now();
    panelTime->setText(now.time().toString(QStringLiteral("HH:mm")));
    panelDate->setText(now.date().toString(QStringLiteral("yyyy-MM-dd")));
    panelNum->setEnabled(m_numLock);
    panelCaps->setEnabled(m_capsLock);
}

} // namespace core
