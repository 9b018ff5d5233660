#pragma once

#include "core/FormWindow.h"

namespace invoice {

// The dummy POD query window.
class frmPendPODQry : public core::FormWindow<frmPendPODQry> {
public:
    frmPendPODQry();

private:
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
};

} // namespace invoice
