#pragma once

#include <QObject>
#include <functional>

class QKeyEvent;
class QWidget;

// The events of a control as the windows handle them:
// - KeyDown(KeyCode, Shift) when a key goes down, with the virtual-key code (Enter 13, Esc 27,
//   Up 38, PageUp 33, F1 112, letters 65-90 ...) and the shift state (1 Shift, 2 Ctrl, 4 Alt);
//   a handler that sets KeyCode to 0 cancels a key that types no character (an arrow, Delete ...);
// - KeyPress(KeyAscii) for a key that gives a character (Backspace 8, Enter 13, Esc 27 and the
//   printable characters); the handler may replace the character or refuse it by setting 0;
// - KeyUp(KeyCode, Shift) when the key is released, unless it went down before a modal window
//   closed or inside it (ModalKeys.h);
// - GotFocus and LostFocus; Click, DblClick and Change where the control has them. A combo box's
//   Change is a change of its text by typing or by the program; a pick from its list (with the
//   mouse or the keys) gives Click, not Change.
// A text box whose GotFocus selects its text keeps that selection when a click gave it the focus,
// as when Tab did: what the clerk types then replaces the text.
// No handler runs on a control that is being deleted.
namespace ui {

enum ShiftMask : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };

enum KeyCodes : int {
    vbKeyBack = 8, vbKeyTab = 9, vbKeyReturn = 13, vbKeyShift = 16, vbKeyControl = 17, vbKeyMenu = 18,
    vbKeyEscape = 27, vbKeySpace = 32, vbKeyPageUp = 33, vbKeyPageDown = 34, vbKeyEnd = 35, vbKeyHome = 36,
    vbKeyLeft = 37, vbKeyUp = 38, vbKeyRight = 39, vbKeyDown = 40, vbKeyInsert = 45, vbKeyDelete = 46,
    vbKeyF1 = 112, vbKeyF2 = 113, vbKeyF3 = 114, vbKeyF4 = 115, vbKeyF5 = 116, vbKeyF6 = 117,
    vbKeyF7 = 118, vbKeyF8 = 119, vbKeyF9 = 120, vbKeyF10 = 121, vbKeyF11 = 122, vbKeyF12 = 123,
};

// The virtual-key code of a key event (0 when the key has none).
int virtualKeyCode(const QKeyEvent* event);
// The shift state of a key event.
int shiftState(const QKeyEvent* event);
// The character a key event types, as KeyAscii (0 when it types none).
int keyAscii(const QKeyEvent* event);

struct ControlHandlers {
    std::function<void(int& keyCode, int shift)> keyDown;
    std::function<void(int& keyAscii)> keyPress;
    std::function<void(int& keyCode, int shift)> keyUp;
    std::function<void()> gotFocus;
    std::function<void()> lostFocus;
    std::function<void()> click;
    std::function<void()> dblClick;
    std::function<void()> change;
};

// Connects the handlers to a control (for an editable combo box also to its text field). Each
// handler runs under ui::guarded, as a window's own handlers do.
void attachHandlers(QWidget* control, ControlHandlers handlers);

} // namespace ui
