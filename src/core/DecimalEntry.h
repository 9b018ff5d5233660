#pragma once

#include <QString>

class QLineEdit;

// Entry of decimal numbers (weights, amounts) with a fixed number of decimals, 2 or 3: the box
// takes only digits, one point and Backspace, refuses digits once the decimals are full, shows
// a zero value on entry when empty and pads the decimals on leaving.
namespace core {

// The key a decimal box lets through for its text and selection (start from 0): the key itself,
// or 0 when it is refused.
int decimalKeyFilter(const QString& text, int selStart, int selLength, int keyAscii, int decimals);
// The text a decimal box shows on leaving: the zero value when blank, the decimals padded to
// `decimals` places, a leading "0" before a bare point. Longer decimals stay as they are.
QString padDecimals(const QString& text, int decimals);
// The text a decimal box shows on entry: the zero value when it is empty.
QString decimalEntryText(const QString& text, int decimals);

// The box's key-press handler: sets KeyAscii to 0 when the key is refused.
void DecimalKeyPress(int& KeyAscii, QLineEdit* Box, int Decimals);
// The box's lost-focus handler.
void FormatDecimalText(QLineEdit* Box, int Decimals);
// The box's got-focus handler: the whole text selected, the zero value when empty.
void DecimalGotFocus(QLineEdit* Box, int Decimals);

} // namespace core
