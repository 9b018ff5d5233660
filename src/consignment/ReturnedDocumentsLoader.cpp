#include "consignment/frmConsignWiseGridQuery.h"

namespace consignment {

// The returned documents come with their loader's own work; until then the grid shows its headings.
void frmConsignWiseGridQuery::LoadReturnedDocuments() { FormatReturnDocsGrid(); }

} // namespace consignment
