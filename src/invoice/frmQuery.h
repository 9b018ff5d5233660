#pragma once

#include "core/FormWindow.h"

namespace invoice {

// The booking (invoice) query window.
class frmQuery : public core::FormWindow<frmQuery> {
public:
    frmQuery();

private:
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
};

} // namespace invoice
