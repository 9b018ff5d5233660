#pragma once

#include "core/FormWindow.h"

namespace consignment {

// The consignment history window: the origins of a consignment number and its whole road.
class frmConsignWiseGridQuery : public core::FormWindow<frmConsignWiseGridQuery> {
public:
    frmConsignWiseGridQuery();

private:
    void Form_Load();
    void Form_KeyDown(int& KeyCode, int Shift);
};

} // namespace consignment
