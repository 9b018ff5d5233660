#include "consignment/frmConsignWiseGridQuery.h"

#include <QGroupBox>

namespace consignment {

// The search by mobile number and the pick of a match come with the mobile search's own work;
// until then the panel opens with its empty grid and closes again.
void frmConsignWiseGridQuery::cmdMobile_Click()
{
    fraMobile->show();
    FormatMobileGrid();
}

void frmConsignWiseGridQuery::cmdMobile_Cancel_Click() { fraMobile->hide(); }

void frmConsignWiseGridQuery::txtMobileNo_KeyUp(int&, int) {}

void frmConsignWiseGridQuery::msgMobile_KeyDown(int&, int) {}

void frmConsignWiseGridQuery::msgMobile_DblClick() {}

} // namespace consignment
