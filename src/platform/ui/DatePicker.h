#pragma once

#include <QDateEdit>
#include <QDateTime>
#include <QString>

// The date picker of the windows: one date (with the time of day it was given), shown in the
// short date form or in a custom format with English month and day names whatever the locale,
// with a drop-down calendar. Its Change event is changed(): the value became another, by the user
// or by the program; attachHandlers connects it, and the keys and focus events of the picker.
namespace ui {

class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);

    QDateTime value() const;
    // A date outside minDate-maxDate raises runtime::RuntimeError InvalidProcedureCall, a null date
    // InvalidUseOfNull.
    void setValue(const QDateTime& value);
    void setValue(const QDate& date);
    // Assigning date text: see readPickerDate ("5-JAN-25", "05-Jan-2025", "Apr-2026", "2025-01-05").
    void setValue(const QString& text);

    int day() const;
    int month() const;
    int year() const;
    // Change one part of the date, keeping the others; a date that does not exist (31 in a 30-day
    // month) raises runtime::RuntimeError InvalidProcedureCall.
    void setDay(int day);
    void setMonth(int month);
    void setYear(int year);

    // The custom display format in the picker's letters (see displayFormatOf); empty shows the
    // short date.
    QString customFormat() const { return m_customFormat; }
    void setCustomFormat(const QString& format);

    // The range the value may take; by default 1 January 1601 to 31 December 9999.
    QDate minDate() const { return minimumDate(); }
    void setMinDate(const QDate& date) { setMinimumDate(date); }
    QDate maxDate() const { return maximumDate(); }
    void setMaxDate(const QDate& date) { setMaximumDate(date); }

signals:
    // Unlike dateTimeChanged, which the edit also sends when Enter confirms an unchanged value.
    void changed();

private:
    void setDateParts(int year, int month, int day);

    QString m_customFormat;
    QDateTime m_lastValue;
};

} // namespace ui
