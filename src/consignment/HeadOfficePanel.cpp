#include "consignment/frmConsignWiseGridQuery.h"

#include <QGroupBox>

namespace consignment {

// The head office's statements come with the panel's own work; until then the panel opens and closes.
void frmConsignWiseGridQuery::cmdROStatus_Click() { fraROStatus->show(); }

void frmConsignWiseGridQuery::cmdROExit_Click() { fraROStatus->hide(); }

} // namespace consignment
