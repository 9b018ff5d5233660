#include "platform/ui/PickerDateText.h"
#include "platform/runtime/WallClock.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/DateMath.h"
#include "platform/runtime/RuntimeError.h"

#include <QRegularExpression>

namespace ui {
namespace {

QDateTime midnightOf(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        throw runtime::RuntimeError(runtime::ErrorNumber::TypeMismatch);
    return runtime::WallDateTime(date);
}

} // namespace

QDateTime readPickerDate(const QString& text)
{
    static const QRegularExpression dayMonthYear(QStringLiteral("^(\\d{1,2})-([A-Za-z]{3})-(\\d{2}|\\d{4})$"));
    static const QRegularExpression monthYear(QStringLiteral("^([A-Za-z]{3})-(\\d{2}|\\d{4})$"));

    const QString trimmed = text.trimmed();
    if (const auto match = dayMonthYear.match(trimmed); match.hasMatch()) {
        if (const int month = runtime::MonthFromAbbreviation(match.captured(2)))
            return midnightOf(runtime::FullYear(match.captured(3)), month, match.captured(1).toInt());
    } else if (const auto match = monthYear.match(trimmed); match.hasMatch()) {
        if (const int month = runtime::MonthFromAbbreviation(match.captured(1)))
            return midnightOf(runtime::FullYear(match.captured(2)), month, 1);
    } else {
        return runtime::CDate(trimmed);
    }
    throw runtime::RuntimeError(runtime::ErrorNumber::TypeMismatch);
}

} // namespace ui
