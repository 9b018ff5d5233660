#include "platform/ui/DatePicker.h"
#include "platform/runtime/WallClock.h"

#include "platform/runtime/DateMath.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/ModalKeys.h"
#include "platform/ui/PickerDateText.h"
#include "platform/ui/PickerFormat.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>

namespace ui {
namespace {
// What a picker shows without a custom format: the short date.
const QString kShortDateDisplay = QStringLiteral("yyyy-MM-dd");

bool typesDigit(const QKeyEvent* event)
{
    const QString text = event->text();
    return text.size() == 1 && text[0] >= u'0' && text[0] <= u'9'
           && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

// The date in another year; a day its month lacks in that year (29 February) becomes the last.
QDate inYear(const QDate& date, int year)
{
    const QDate first(year, date.month(), 1);
    return first.isValid() ? QDate(year, date.month(), qMin(date.day(), first.daysInMonth())) : QDate();
}
} // namespace

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent)
{
    setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    setTimeSpec(Qt::UTC); // wall-clock values, as every date-time of the program
    setCalendarPopup(true);
    // Each field steps round within itself (December goes on to January of the same year).
    setWrapping(true);
    setDateRange(QDate(1601, 1, 1), QDate(9999, 12, 31));
    setDisplayFormat(kShortDateDisplay);
    m_lastValue = dateTime();
    m_modalWindowsSeen = modalWindowsClosed();
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

void DatePicker::keyPressEvent(QKeyEvent* event)
{
    if (m_modalWindowsSeen != modalWindowsClosed()) {
        // The field selected before the window opened is no longer where the clerk is looking.
        m_modalWindowsSeen = modalWindowsClosed();
        finishYear();
        setSelectedSection(sectionAt(0));
    }
    if (typeYearDigit(event)) {
        event->accept();
        return;
    }
    finishYear();
    QDateEdit::keyPressEvent(event);
}

void DatePicker::focusInEvent(QFocusEvent* event)
{
    QDateEdit::focusInEvent(event);
    // Coming back from another window keeps the selection; any other entry selects a field anew.
    if (event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason)
        m_modalWindowsSeen = modalWindowsClosed();
}

void DatePicker::focusOutEvent(QFocusEvent* event)
{
    finishYear();
    QDateEdit::focusOutEvent(event);
}

void DatePicker::mousePressEvent(QMouseEvent* event)
{
    finishYear();
    m_modalWindowsSeen = modalWindowsClosed();
    QDateEdit::mousePressEvent(event);
}

void DatePicker::wheelEvent(QWheelEvent* event)
{
    finishYear();
    QDateEdit::wheelEvent(event);
}

QValidator::State DatePicker::validate(QString& input, int& pos) const
{
    if (!m_typedYear.isEmpty() && input == m_typedYearText)
        return QValidator::Intermediate;
    return QDateEdit::validate(input, pos);
}

bool DatePicker::typeYearDigit(const QKeyEvent* event)
{
    const std::optional<YearField> field = yearFieldOf(displayFormat());
    if (!field || !typesDigit(event) || currentSection() != YearSection)
        return false;
    if (m_typedYear.isEmpty() || lineEdit()->text() != m_typedYearText) {
        m_typedYear.clear();
        m_beforeYear = dateTime();
    }
    m_typedYear += event->text();
    const QDate typed = inYear(m_beforeYear.date(), runtime::FullYear(m_typedYear));
    QDateTime shown = m_beforeYear;
    if (typed.isValid() && typed >= minimumDate() && typed <= maximumDate())
        shown.setDate(typed);
    setDateTime(shown);
    if (m_typedYear.size() >= field->digits) {
        finishYear();
        setSelectedSection(YearSection);
        return true;
    }
    const QString before = locale().toString(shown, field->before);
    m_typedYearText = before + m_typedYear + locale().toString(shown, field->after);
    const QSignalBlocker quiet(lineEdit());
    lineEdit()->setText(m_typedYearText);
    lineEdit()->setSelection(int(before.size()), int(m_typedYear.size()));
    return true;
}

void DatePicker::finishYear()
{
    if (m_typedYear.isEmpty())
        return;
    const bool typedShown = lineEdit()->text() == m_typedYearText;
    m_typedYear.clear();
    m_typedYearText.clear();
    if (typedShown)
        setDateTime(dateTime());
}

} // namespace ui
