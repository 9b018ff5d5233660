#pragma once

#include <QStatusBar>

class QLabel;

namespace core {

// The main window's status bar: the time, the date, and whether Num Lock and Caps Lock are on,
// brought up to date every second. The windowing system does not report the lock keys, so their
// states are learned from the keyboard: a lock key switches its state, a typed letter shows Caps
// Lock (a capital without Shift, or a small letter with it) and a key of the number pad shows Num
// Lock (a digit, or a moving key when it is off). A lock panel is greyed while its lock is off.
class StatusPanels : public QStatusBar {
public:
    explicit StatusPanels(QWidget* parent);

    QLabel* panelTime;
    QLabel* panelDate;
    QLabel* panelNum;
    QLabel* panelCaps;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();

    bool m_numLock = false;
    bool m_capsLock = false;
};

} // namespace core
