#include "consignment/frmConsignWiseGridQuery.h"

namespace consignment {

// The incoming misroutes come with the misroute loader's own work; its callers lay out the grid.
void frmConsignWiseGridQuery::LoadIncomingMisroute() {}

} // namespace consignment
