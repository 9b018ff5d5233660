#include "reports/DateRangeKeys.h"

#include "platform/ui/ControlEvents.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/MessageBox.h"

namespace reports {

void fromDateKeyDown(int KeyCode, ui::DatePicker* to, QWidget* exit)
{
    if (KeyCode == ui::vbKeyReturn)
        to->setFocus();
    else if (KeyCode == ui::vbKeyEscape)
        exit->setFocus();
}

bool toDateEntered(int KeyCode, const ui::DatePicker* from, ui::DatePicker* to, QWidget* exit,
                   const QString& reversedMessage)
{
    if (KeyCode == ui::vbKeyEscape)
        exit->setFocus();
    if (KeyCode != ui::vbKeyReturn)
        return false;
    if (from->value().date() > to->value().date()) {
        ui::MsgBox(reversedMessage, ui::vbInformation);
        to->setFocus();
        return false;
    }
    return true;
}

} // namespace reports
