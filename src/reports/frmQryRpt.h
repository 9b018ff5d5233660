#pragma once

#include "core/FormWindow.h"

namespace ui {
class DatePicker;
}

namespace reports {

// The query-log report over the administration database's query log (incoming or outgoing).
class frmQryRpt : public core::FormWindow<frmQryRpt> {
public:
    frmQryRpt();

    ui::DatePicker* dtpFromDate;
    ui::DatePicker* dtpToDate;

private:
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
};

} // namespace reports
