#include "invoice/frmQuery.h"

#include <QHeaderView>

#include <array>

namespace invoice {

namespace {

struct ColumnLayout {
    const char* caption;
    int width; // twips
    bool rightAligned;
    const char* format; // empty: the field as it comes
};

// The booking columns, in the order of the query's select list. The amount takes no room on the screen.
constexpr std::array<ColumnLayout, 25> kColumns{{
    {"Booking Date", 1500, false, "dd-mm-yyyy"},
    {"Consign.No", 1500, false, ""},
    {"Destination", 2000, false, ""},
    {"From Address1", 3000, false, ""},
    {"From Address2", 2800, false, ""},
    {"From Address3", 1800, false, ""},
    {"From Address4", 1000, false, ""},
    {"From Address5", 1000, false, ""},
    {"To Address1", 3000, false, ""},
    {"To Address2", 2800, false, ""},
    {"To Address3", 2000, false, ""},
    {"To Address4", 1000, false, ""},
    {"To Address5", 1000, false, ""},
    {"Region", 1200, false, ""},
    {"Weight", 1000, true, "####0.000"},
    {"Amount", 0, true, "#####0.00"},
    {"Trans. Mode", 1300, false, ""},
    {"Party Code", 1200, false, ""},
    {"Branch Code", 1200, false, ""},
    {"Pieces", 800, false, ""},
    {"Document Type", 1400, false, ""},
    {"Contain1", 2000, false, ""},
    {"Contain2", 1000, false, ""},
    {"Contain3", 1000, false, ""},
    {"Contain Value", 1500, true, "#####0.00"},
}};

} // namespace

// The bound grid is read-only by itself; the layout makes it reachable again (Esc in the grid
// disables it).
void frmQuery::FormatInvoiceGrid()
{
    dgdQuery->horizontalHeader()->show();
    dgdQuery->setEnabled(true);
    for (int i = 0; i < int(kColumns.size()); ++i) {
        const ColumnLayout& c = kColumns[i];
        ui::BoundGridColumn column = dgdQuery->column(i);
        column.setCaption(QString::fromLatin1(c.caption));
        column.setWidth(c.width);
        if (c.rightAligned)
            column.setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (*c.format)
            column.setNumberFormat(QString::fromLatin1(c.format));
    }
}

} // namespace invoice
