#include "consignment/frmConsignWiseGridQuery.h"

namespace consignment {

// The SMS messages of the number come with the SMS loader's own work; until then the grid shows its headings.
void frmConsignWiseGridQuery::LoadSmsDetails() { FormatSmsGrid(); }

} // namespace consignment
