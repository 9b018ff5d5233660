#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// Key filters for letter and numeric fields, and the focus colours of the phone book's entry
// boxes.
namespace core {

// What Enter does in a filtered field.
enum class EnterAction {
    None,   // the key is not Enter
    Blank,  // the field is blank: warn, clear it and keep the focus there
    MoveOn, // the field holds text: the focus goes to the next control
};

struct FilteredKey {
    int keyAscii = 0; // the key let through, 0 when refused
    EnterAction enter = EnterAction::None;
};

// Letter fields: codes 65 to 122 (capitals, "[" to "`", small letters), "/", space, Backspace,
// Enter and Esc.
FilteredKey alphaKeyFilter(const QString& text, int keyAscii);
// Numeric fields: digits, one ".", space, Backspace, Enter and Esc; no digit once two or more
// characters follow the point, wherever the caret stands.
FilteredKey numericKeyFilter(const QString& text, int keyAscii);

// The key-press handler of a letter field. Returns true only when Enter moved the focus on to
// NextControl (which it enables first).
bool ValidateAlphaKey(int& KeyAscii, QLineEdit* Box, QWidget* NextControl);
// The key-press handler of a numeric field; Enter with text moves the focus to NextControl.
void ValidateNumericKey(int& KeyAscii, QLineEdit* Box, QWidget* NextControl);
// Got focus: light cyan background, whole text selected.
void FieldGotFocus(QLineEdit* Box);
// Lost focus: white background.
void FieldLostFocus(QLineEdit* Box);

} // namespace core
