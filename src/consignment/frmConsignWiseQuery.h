#pragma once

#include "core/FormWindow.h"

namespace consignment {

// The single-date consignment query window: one consignment on one runsheet date.
class frmConsignWiseQuery : public core::FormWindow<frmConsignWiseQuery> {
public:
    frmConsignWiseQuery();

private:
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
};

} // namespace consignment
