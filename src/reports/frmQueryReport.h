#pragma once

#include "core/FormWindow.h"

namespace ui {
class DatePicker;
}

namespace reports {

// The query-log report over the tracking database's incoming enquiries.
class frmQueryReport : public core::FormWindow<frmQueryReport> {
public:
    frmQueryReport();

    ui::DatePicker* dtpFromDate;
    ui::DatePicker* dtpToDate;

private:
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
};

} // namespace reports
