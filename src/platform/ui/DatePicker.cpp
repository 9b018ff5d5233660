#include "platform/ui/DatePicker.h"
#include "platform/runtime/WallClock.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/ui/PickerDateText.h"
#include "platform/ui/PickerFormat.h"

#include <QLocale>

namespace ui {
namespace {
// What a picker shows without a custom format: the short date.
const QString kShortDateDisplay = QStringLiteral("yyyy-MM-dd");
} // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    setTimeSpec(Qt::UTC); // wall-clock values, as every date-time of the program
    setCalendarPopup(true);
    setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    setDisplayFormat(kShortDateDisplay);
    m_lastValue = dateTime();
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this](const QDateTime& now) {
        if (now == m_lastValue)
            return;
        m_lastValue = now;
        emit changed();
    });
}

QDateTime DatePicker::value() const { return runtime::WallDateTime(dateTime()); }

void DatePicker::setValue(const QDateTime& value)
{
    if (!value.isValid())
        throw runtime::RuntimeError(runtime::ErrorNumber::InvalidUseOfNull);
    if (value.date() < minDate() || value.date() > maxDate())
        throw runtime::RuntimeError(runtime::ErrorNumber::InvalidProcedureCall);
    setDateTime(runtime::WallDateTime(value));
}

void DatePicker::setValue(const QDate& date) { setValue(date.startOfDay()); }

void DatePicker::setValue(const QString& text) { setValue(readPickerDate(text)); }

int DatePicker::day() const { return date().day(); }
int DatePicker::month() const { return date().month(); }
int DatePicker::year() const { return date().year(); }

void DatePicker::setDay(int day) { setDateParts(year(), month(), day); }
void DatePicker::setMonth(int month) { setDateParts(year(), month, day()); }
void DatePicker::setYear(int year) { setDateParts(year, month(), day()); }

void DatePicker::setDateParts(int year, int month, int day)
{
    const QDate changed(year, month, day);
    if (!changed.isValid())
        throw runtime::RuntimeError(runtime::ErrorNumber::InvalidProcedureCall);
    setValue(runtime::WallDateTime(changed, value().time()));
}

void DatePicker::setCustomFormat(const QString& format)
{
    m_customFormat = format;
    setDisplayFormat(format.isEmpty() ? kShortDateDisplay : displayFormatOf(format));
}

} // namespace ui
