#include "core/Validation.h"

#include "platform/runtime/Strings.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlEvents.h"
#include "platform/ui/MessageBox.h"

#include <QLineEdit>

namespace core {

namespace {

constexpr quint32 kFocusBackColor = 0x00FFFFC0; // red C0, green FF, blue FF

bool isControlKey(int keyAscii)
{
    return keyAscii == ui::vbKeySpace || keyAscii == ui::vbKeyBack || keyAscii == ui::vbKeyReturn
           || keyAscii == ui::vbKeyEscape;
}

FilteredKey enterOutcome(const QString& text, int keyAscii)
{
    if (keyAscii != ui::vbKeyReturn)
        return {keyAscii, EnterAction::None};
    return {keyAscii, runtime::Trim(text).isEmpty() ? EnterAction::Blank : EnterAction::MoveOn};
}

// A blank field refuses Enter: the warning, then the field is emptied and keeps the focus.
void refuseBlank(QLineEdit* Box)
{
    ui::MsgBox(QStringLiteral("TextBox should not be blank"), ui::vbInformation | ui::vbOKOnly,
               QStringLiteral("Tessvik Tech"));
    Box->clear();
    Box->setFocus();
}

} // namespace

FilteredKey alphaKeyFilter(const QString& text, int keyAscii)
{
    if (!(keyAscii >= 65 && keyAscii <= 122) && keyAscii != '/' && !isControlKey(keyAscii))
        return {};
    return enterOutcome(text, keyAscii);
}

FilteredKey numericKeyFilter(const QString& text, int keyAscii)
{
    const bool digit = keyAscii >= '0' && keyAscii <= '9';
    if (!digit && keyAscii != '.' && !isControlKey(keyAscii))
        return {};
    const qsizetype point = runtime::InStr(text, QStringLiteral("."));
    if (point != 0 && (keyAscii == '.' || (digit && text.size() - point >= 2)))
        return {};
    return enterOutcome(text, keyAscii);
}

bool ValidateAlphaKey(int& KeyAscii, QLineEdit* Box, QWidget* NextControl)
{
    const FilteredKey key = alphaKeyFilter(Box->text(), KeyAscii);
    KeyAscii = key.keyAscii;
    switch (key.enter) {
    case EnterAction::Blank: refuseBlank(Box); return false;
    case EnterAction::MoveOn:
        NextControl->setEnabled(true);
        NextControl->setFocus();
        return true;
    case EnterAction::None: return false;
    }
    return false;
}

void ValidateNumericKey(int& KeyAscii, QLineEdit* Box, QWidget* NextControl)
{
    const FilteredKey key = numericKeyFilter(Box->text(), KeyAscii);
    KeyAscii = key.keyAscii;
    if (key.enter == EnterAction::Blank)
        refuseBlank(Box);
    else if (key.enter == EnterAction::MoveOn)
        NextControl->setFocus();
}

void FieldGotFocus(QLineEdit* Box)
{
    ui::setBackColor(Box, kFocusBackColor);
    Box->selectAll();
}

void FieldLostFocus(QLineEdit* Box) { ui::setBackColor(Box, ui::kWhite); }

} // namespace core
