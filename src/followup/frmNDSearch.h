#pragma once

#include "core/FormWindow.h"

namespace followup {

// The non-delivery search window.
class frmNDSearch : public core::FormWindow<frmNDSearch> {
public:
    frmNDSearch();

private:
    void Form_KeyDown(int& KeyCode, int Shift);
};

} // namespace followup
