#include "core/TextBoxFocus.h"

#include "platform/runtime/Strings.h"
#include "platform/ui/Colors.h"

#include <QComboBox>
#include <QLineEdit>

namespace core {
namespace {

constexpr quint32 kFocusAqua = 0x00F8FB6Au;
constexpr quint32 kFocusGreen = 0x00C0FFC0u;

// The text field of a control: a text box, or the edit field of an editable combo box.
QLineEdit* textFieldOf(QWidget* control)
{
    if (auto* box = qobject_cast<QLineEdit*>(control))
        return box;
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->lineEdit();
    return nullptr;
}

} // namespace

void SelectAllText(QLineEdit* box)
{
    box->setSelection(0, int(runtime::Len(runtime::Trim(box->text()))));
    ui::setBackColor(box, kFocusAqua);
}

void ResetColors(QLineEdit* box) { ui::setBackColor(box, ui::kSystemWindowBackground); }

void SelectAllTextGreen(QWidget* control)
{
    if (!control)
        return;
    if (QLineEdit* field = textFieldOf(control))
        field->setSelection(0, int(field->text().size()));
    ui::setBackColor(control, kFocusGreen);
}

void ResetColorsWhite(QWidget* control)
{
    if (control)
        ui::setBackColor(control, ui::kWhite);
}

} // namespace core
