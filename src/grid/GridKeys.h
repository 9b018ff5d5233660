#pragma once

#include <QString>
#include <Qt>
#include <QtGlobal>

// The key codes the grid and its host work with: a key-down or key-up carries a virtual-key code
// (the Windows numbering: 13 Enter, 33 PageUp, 37..40 the arrows, 45 Insert, 46 Delete, 65..90
// the letters, 112.. F1..) and a shift mask (1 Shift, 2 Ctrl, 4 Alt); a key press carries the
// character code of the first character typed.
namespace grid {

namespace VirtualKey {
constexpr qint16 Back = 8;
constexpr qint16 Tab = 9;
constexpr qint16 Return = 13;
constexpr qint16 Shift = 16;
constexpr qint16 Control = 17;
constexpr qint16 Menu = 18;
constexpr qint16 Escape = 27;
constexpr qint16 Space = 32;
constexpr qint16 Prior = 33;
constexpr qint16 Next = 34;
constexpr qint16 End = 35;
constexpr qint16 Home = 36;
constexpr qint16 Left = 37;
constexpr qint16 Up = 38;
constexpr qint16 Right = 39;
constexpr qint16 Down = 40;
constexpr qint16 Insert = 45;
constexpr qint16 Delete = 46;
constexpr qint16 A = 65;
constexpr qint16 C = 67;
constexpr qint16 V = 86;
constexpr qint16 F2 = 113;
} // namespace VirtualKey

namespace ShiftMask {
constexpr qint16 Shift = 1;
constexpr qint16 Ctrl = 2;
constexpr qint16 Alt = 4;
} // namespace ShiftMask

// The virtual-key code of a Qt key, read on a US layout (shifted symbols give the code of their
// key: '!' is the 1 key, ':' the ';' key); keypad digits and operators give the keypad's codes.
// 0 for a key without one.
qint16 VirtualKeyFromQt(int Key, Qt::KeyboardModifiers Modifiers);

// The shift mask of a modifier set.
qint16 ShiftFromModifiers(Qt::KeyboardModifiers Modifiers);

// The character code a key press carries: the first character of Text; Ctrl with a letter gives
// its control character (Ctrl+A 1 .. Ctrl+Z 26). Keys whose event carries no text but that type
// a control character (Enter 13, Escape 27, Backspace 8, Tab 9) give it. 0 when the key types
// nothing.
qint16 KeyAsciiFromQt(int Key, Qt::KeyboardModifiers Modifiers, const QString& Text);

// Whether a character code is a letter or a digit, in any script; the type-ahead search starts
// only on these.
bool IsCharAlphaNumeric(qint16 KeyAscii);

} // namespace grid
