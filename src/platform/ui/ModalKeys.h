#pragma once

#include <QtGlobal>

// Keys and modal windows. A key that went down before a modal window (a message box or a window
// shown modally) closed, or inside that window, is released into the window underneath once the
// modal window is gone: that release is no KeyUp of the control it lands in. Without this the
// Enter that answers a box raised by a KeyUp handler would run the handler again when it is
// released, and the box would come back after every answer.
namespace ui {

// The message box and the window host call this whenever a modal window has closed.
void noteModalWindowClosed();

// How many modal windows have closed so far.
quint64 modalWindowsClosed();

// Starts noting the key presses of the whole application (once; later calls do nothing).
void watchKeyPresses();

// True when the Qt key went down after the last modal window closed (and is therefore released
// where it was pressed, or where the focus moved meanwhile).
bool pressedSinceModalWindowClosed(int qtKey);

} // namespace ui
