#pragma once

#include "core/FormWindow.h"

namespace reports {

// The delivery status report. Opened modeless: the main window stays usable beside it.
class frmDeliveryStatusReport : public core::FormWindow<frmDeliveryStatusReport> {
public:
    frmDeliveryStatusReport();

private:
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
};

} // namespace reports
