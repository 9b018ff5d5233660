#include "consignment/frmConsignWiseGridQuery.h"

namespace consignment {

// The non-delivery entries come with the non-delivery loader's own work; until then the grid shows its headings.
void frmConsignWiseGridQuery::LoadNonDeliveryDetails() { FormatDeliveryGrid(); }

} // namespace consignment
