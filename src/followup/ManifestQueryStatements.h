#pragma once

#include "followup/NumberDigits.h"

#include <QDate>
#include <QString>

// The statement of the manifest query: the incoming manifest lines (Run_Manifest) of a range of
// manifest dates, for one consignment or narrowed by destination and manifest status.
namespace followup {

// The window's fields as they stand (texts untrimmed).
struct ManifestFilter {
    QDate fromDate;
    QDate toDate;
    QString destination;
    QString status;
    QString consignNo;
};


// The manifest lines of the date range (both ends inclusive). A consignment number above 0 selects
// that consignment alone, ordered by destination within it; otherwise the destination and the
// status narrow the lines where they are not blank, ordered by destination and consignment.
QString manifestQueryStatement(const ManifestFilter& filter);

} // namespace followup
