#pragma once

#include <QDateEdit>
#include <QDateTime>
#include <QString>

// The date picker of the windows: one date (with the time of day it was given), shown in the
// short date form or in a custom format with English month and day names whatever the locale,
// with a drop-down calendar. Its Change event is changed(): the value became another, by the user
// or by the program; attachHandlers connects it, and the keys and focus events of the picker.
//
// Stepping a field (Up, Down) goes round within the field and leaves the others: December steps
// on to January of the same year, day 31 to day 1 of the same month.
//
// Typing into the picker: digits typed into the year build the year, shown as typed ("2", "20",
// "202", "2025"); the value follows what the digits give at each step, one or two digits giving
// a year in 1930-2029 ("25" is 2025), more digits the number itself (a year out of range leaves
// the date as it was). The year is complete with its last digit, or when the field is left. The
// first key after a modal window closed starts from the first field, whatever field was selected
// before the window opened.
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

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    void setDateParts(int year, int month, int day);
    // Takes a digit typed into the year; false for any other key.
    bool typeYearDigit(const QKeyEvent* event);
    // Shows the value again in place of the typed digits.
    void finishYear();

    QString m_customFormat;
    QDateTime m_lastValue;
    QString m_typedYear;     // the year digits typed so far, while the year is being typed
    QDateTime m_beforeYear;  // the value before them
    QString m_typedYearText; // the text showing them
    quint64 m_modalWindowsSeen = 0;
};

} // namespace ui
