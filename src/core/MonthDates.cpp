#include "core/MonthDates.h"

#include "core/ModuleState.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/Strings.h"
#include "platform/runtime/Val.h"
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

void MovePickerIntoMonth(ui::DatePicker* picker, int day)
{
    const QString month = runtime::Mid(gstrMonthDB, 4, 3);
    const QString year = runtime::Mid(gstrMonthDB, 7, 2);
    picker->setValue(QString::number(LimitDayToMonth(day, month)) + u'-' + month + u'-' + year);
}

void ClampPickerToMonth(ui::DatePicker* picker) { MovePickerIntoMonth(picker, picker->day()); }

bool PickerInMonth(const ui::DatePicker* picker)
{
    const QVariant picked = picker->value();
    return runtime::UCase(runtime::Mid(gstrMonthDB, 4, 3)) == runtime::UCase(runtime::Format(picked, QStringLiteral("MMM")))
           && runtime::Val(runtime::Mid(gstrMonthDB, 7, 2)).toDouble()
                  == runtime::Val(runtime::Format(picked, QStringLiteral("yy"))).toDouble();
}

} // namespace core
