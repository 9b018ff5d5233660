#include "platform/ui/ControlEvents.h"

#include "platform/ui/DatePicker.h"
#include "platform/ui/ModalKeys.h"
#include "platform/ui/WindowHost.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QHash>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>

namespace ui {

int virtualKeyCode(const QKeyEvent* event)
{
    const int key = event->key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return vbKeyF1 + (key - Qt::Key_F1);
    static const QHash<int, int> keys = {
        {Qt::Key_Backspace, vbKeyBack}, {Qt::Key_Tab, vbKeyTab},       {Qt::Key_Backtab, vbKeyTab},
        {Qt::Key_Return, vbKeyReturn},  {Qt::Key_Enter, vbKeyReturn},  {Qt::Key_Shift, vbKeyShift},
        {Qt::Key_Control, vbKeyControl}, {Qt::Key_Alt, vbKeyMenu},     {Qt::Key_Escape, vbKeyEscape},
        {Qt::Key_Space, vbKeySpace},    {Qt::Key_PageUp, vbKeyPageUp}, {Qt::Key_PageDown, vbKeyPageDown},
        {Qt::Key_End, vbKeyEnd},        {Qt::Key_Home, vbKeyHome},     {Qt::Key_Left, vbKeyLeft},
        {Qt::Key_Up, vbKeyUp},          {Qt::Key_Right, vbKeyRight},   {Qt::Key_Down, vbKeyDown},
        {Qt::Key_Insert, vbKeyInsert},  {Qt::Key_Delete, vbKeyDelete}, {Qt::Key_Period, 190},
        {Qt::Key_Comma, 188},           {Qt::Key_Minus, 189},          {Qt::Key_Slash, 191},
        {Qt::Key_Apostrophe, 222},      {Qt::Key_Semicolon, 186},      {Qt::Key_BracketLeft, 219},
        {Qt::Key_BracketRight, 221},    {Qt::Key_Backslash, 220},      {Qt::Key_Equal, 187},
    };
    return keys.value(key, 0);
}

int shiftState(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers m = event->modifiers();
    return (m & Qt::ShiftModifier ? vbShiftMask : 0) | (m & Qt::ControlModifier ? vbCtrlMask : 0)
           | (m & Qt::AltModifier ? vbAltMask : 0);
}

int keyAscii(const QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return vbKeyReturn;
    case Qt::Key_Escape: return vbKeyEscape;
    case Qt::Key_Backspace: return vbKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete: return 0;
    default: break;
    }
    const QString text = event->text();
    if (text.isEmpty() || text[0].unicode() == 127)
        return 0;
    return text[0].unicode();
}

namespace {

// The Qt key of a replacement character, so that the control inserts it as typed.
int qtKeyOf(int ascii)
{
    if (ascii >= 'a' && ascii <= 'z')
        return Qt::Key_A + (ascii - 'a');
    if (ascii >= 'A' && ascii <= 'Z')
        return Qt::Key_A + (ascii - 'A');
    if (ascii == vbKeyReturn)
        return Qt::Key_Return;
    if (ascii == vbKeyEscape)
        return Qt::Key_Escape;
    if (ascii == vbKeyBack)
        return Qt::Key_Backspace;
    return ascii < 128 ? ascii : Qt::Key_unknown;
}

// True when the combo's text has just become the text of its current item through the list (an
// item picked with the mouse or the keys, or chosen by the program) rather than by typing: that is
// a click, not a change of the text.
bool isListPick(const QComboBox* combo)
{
    const int index = combo->currentIndex();
    return index >= 0 && !combo->lineEdit()->isModified() && combo->currentText() == combo->itemText(index);
}

class ControlEventFilter : public QObject {
public:
    ControlEventFilter(QWidget* control, ControlHandlers handlers)
        : QObject(control), m_handlers(std::move(handlers)), m_controlClass(control->metaObject())
    {
        control->installEventFilter(this);
    }

    const ControlHandlers& handlers() const { return m_handlers; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // A control being deleted is down to its QWidget part when QWidget's destructor takes its
        // focus away: no handler may run on what is left of it.
        if (!watched->metaObject()->inherits(m_controlClass))
            return false;
        switch (event->type()) {
        case QEvent::KeyPress: return keyPressed(watched, static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            if (m_handlers.keyUp && !static_cast<QKeyEvent*>(event)->isAutoRepeat()
                && pressedSinceModalWindowClosed(static_cast<QKeyEvent*>(event)->key())) {
                auto* key = static_cast<QKeyEvent*>(event);
                int code = virtualKeyCode(key);
                const int shift = shiftState(key);
                guarded([&] { m_handlers.keyUp(code, shift); });
            }
            return false;
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // Another window or a popup taking the focus for a while is no change of the
            // window's own focus: the control neither loses nor regains it.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            const bool passing = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
            if (event->type() == QEvent::FocusOut && passing) {
                m_awayWithWindow = true;
                return false;
            }
            if (event->type() == QEvent::FocusIn && passing && m_awayWithWindow) {
                m_awayWithWindow = false;
                return false;
            }
            m_awayWithWindow = false;
            const auto& handler = event->type() == QEvent::FocusIn ? m_handlers.gotFocus : m_handlers.lostFocus;
            if (handler)
                guarded(handler);
            m_keepsSelection = event->type() == QEvent::FocusIn && reason == Qt::MouseFocusReason && handler
                               && hasSelectedText(watched);
            m_clickHeld = false;
            return false;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease: return keptFromClick(static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonDblClick:
            if (m_handlers.dblClick)
                guarded(m_handlers.dblClick);
            return false;
        default: return false;
        }
    }

private:
    static bool hasSelectedText(QObject* watched)
    {
        const auto* box = qobject_cast<QLineEdit*>(watched);
        return box && box->hasSelectedText();
    }

    // The text a GotFocus handler selected stays selected through the click that gave the box the
    // focus: its press would put the caret under the pointer and its drag would select anew. Later
    // clicks and drags in the box place the caret and select as usual.
    bool keptFromClick(const QMouseEvent* mouse)
    {
        switch (mouse->type()) {
        case QEvent::MouseButtonPress:
            m_clickHeld = m_keepsSelection && mouse->button() == Qt::LeftButton;
            m_keepsSelection = false;
            return m_clickHeld;
        case QEvent::MouseButtonRelease: {
            const bool held = m_clickHeld && mouse->button() == Qt::LeftButton;
            if (held)
                m_clickHeld = false;
            return held;
        }
        default: return m_clickHeld;
        }
    }

    bool keyPressed(QObject* watched, QKeyEvent* key)
    {
        if (m_replaying)
            return false;
        QPointer<QObject> alive(watched);
        const int original = keyAscii(key);
        if (m_handlers.keyDown) {
            int code = virtualKeyCode(key);
            const int shift = shiftState(key);
            guarded([&] { m_handlers.keyDown(code, shift); });
            if (!alive)
                return true;
            if (code == 0 && original == 0)
                return true;
        }
        if (original == 0 || !m_handlers.keyPress)
            return false;
        int ascii = original;
        guarded([&] { m_handlers.keyPress(ascii); });
        if (!alive || ascii == 0)
            return true;
        if (ascii == original)
            return false;
        QKeyEvent replaced(QEvent::KeyPress, qtKeyOf(ascii), key->modifiers(), QString(QChar(ascii)));
        m_replaying = true;
        QCoreApplication::sendEvent(watched, &replaced);
        m_replaying = false;
        return true;
    }

    ControlHandlers m_handlers;
    // The class of the control when the handlers were attached (a class it keeps while it lives).
    const QMetaObject* m_controlClass;
    bool m_replaying = false;
    bool m_awayWithWindow = false;
    // Set by a focus that a click gave while the GotFocus handler selected text, until that
    // click's press; then held until its release.
    bool m_keepsSelection = false;
    bool m_clickHeld = false;
};

} // namespace

void attachHandlers(QWidget* control, ControlHandlers handlers)
{
    watchKeyPresses();
    auto* filter = new ControlEventFilter(control, std::move(handlers));
    const ControlHandlers& h = filter->handlers();
    if (h.click) {
        // A command button with the focus is pressed by Enter as well as by Space.
        if (auto* push = qobject_cast<QPushButton*>(control))
            push->setAutoDefault(true);
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            QObject::connect(button, &QAbstractButton::clicked, filter, [&h] { guarded(h.click); });
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            QObject::connect(combo, &QComboBox::currentIndexChanged, filter, [&h] { guarded(h.click); });
    }
    if (h.change) {
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            QObject::connect(edit, &QLineEdit::textChanged, filter, [&h] { guarded(h.change); });
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            QObject::connect(combo, &QComboBox::editTextChanged, filter, [&h, combo] {
                if (!isListPick(combo))
                    guarded(h.change);
            });
        else if (auto* text = qobject_cast<QTextEdit*>(control))
            QObject::connect(text, &QTextEdit::textChanged, filter, [&h] { guarded(h.change); });
        else if (auto* picker = qobject_cast<DatePicker*>(control))
            QObject::connect(picker, &DatePicker::changed, filter, [&h] { guarded(h.change); });
    }
}

} // namespace ui
