#pragma once

class QLineEdit;
class QWidget;

// The focus highlight of the text boxes: windows call the select procedure when a box gets the
// focus and the reset when it loses it.
namespace core {

// Selects from the start as many characters as the text has without its leading and trailing
// blanks (so "  AB" selects the two blanks) and colours the box light aqua.
void SelectAllText(QLineEdit* box);
// The system window background again.
void ResetColors(QLineEdit* box);

// The green scheme: selects the whole text and colours the control light green. Any control is
// accepted; what it does not have (a text to select) is left alone.
void SelectAllTextGreen(QWidget* control);
// White again, for any control.
void ResetColorsWhite(QWidget* control);

} // namespace core
