#pragma once

#include "core/FormWindow.h"

class QFrame;
class QLabel;

namespace ui {
class DatePicker;
}

namespace podquery {

// The POD query window: one consignment's booking and POD status.
class frmPODQueryGrid : public core::FormWindow<frmPODQueryGrid> {
public:
    frmPODQueryGrid();

    QLabel* lblBranch;
    QFrame* fraFind;
    ui::DatePicker* dtpBookingDate;

private:
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
};

} // namespace podquery
