#include "core/MonthDates.h"

#include "core/ModuleState.h"
#include "platform/runtime/Strings.h"
#include "platform/ui/DatePicker.h"

namespace core {

int LimitDayToMonth(int day, const QString& monthAbbreviation)
{
    const QString month = runtime::UCase(monthAbbreviation);
    if (month == u"APR" || month == u"JUN" || month == u"SEP" || month == u"NOV")
        return day == 31 ? 30 : day;
    if (month == u"FEB")
        return day >= 28 ? 28 : day;
    return day;
}

void ClampPickerToMonth(ui::DatePicker* picker)
{
    const QString month = runtime::Mid(gstrMonthDB, 4, 3);
    const QString year = runtime::Mid(gstrMonthDB, 7, 2);
    const int day = LimitDayToMonth(picker->day(), month);
    picker->setValue(QString::number(day) + u'-' + month + u'-' + year);
}

} // namespace core
