#pragma once

#include "core/FormWindow.h"

class QLabel;
class QPushButton;

namespace ui {
class DatePicker;
}

namespace core {

// The month switch: points the month connection gcnnMonth at another month's database and
// retitles the main window. Every way out of the window unloads it.
class frmChangeMonth : public FormWindow<frmChangeMonth> {
public:
    frmChangeMonth();

    ui::DatePicker* dtpDate;
    QPushButton* cmdChange;
    QPushButton* cmdExit;
    QLabel* lblTitle;
    QLabel* lblDB;

protected:
    bool event(QEvent* event) override;

private:
    void Form_Load();
    void Form_Activate();
    void Form_KeyDown(int& KeyCode, int Shift);
    void dtpDate_KeyDown(int& KeyCode, int Shift);
    void cmdChange_Click();
    void cmdExit_Click();
    // Puts gstrMonthDB back and reopens the month connection on it.
    void ReopenPreviousMonth(const QString& previousMonthDB);
};

} // namespace core
