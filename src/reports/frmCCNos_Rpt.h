#pragma once

#include "core/FormWindow.h"

namespace reports {

// The customer-care priority consignment report.
class frmCCNos_Rpt : public core::FormWindow<frmCCNos_Rpt> {
public:
    frmCCNos_Rpt();

private:
    void Form_KeyDown(int& KeyCode, int Shift);
};

} // namespace reports
