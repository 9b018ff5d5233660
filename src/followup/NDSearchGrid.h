#pragma once

#include "platform/flexgrid/ColumnLayouts.h"

#include <QList>
#include <QStringList>

#include <span>

namespace db {
class Recordset;
}

// The result grid of the non-delivery search: 13 columns, one block of rows per record.
namespace followup {

std::span<const ui::ColumnLayout> ndSearchColumns();

// The address columns: one line of each address per row, never merged.
constexpr int kNDConsignorCol = 7;
constexpr int kNDConsigneeCol = 8;

// The grid rows below the headings for the records from the current one to the end, numbered
// from 1. Each record gives its main row, one row for each further address line (2 to 4) that
// holds text on either side (the two lines in the address columns, every other cell as in the
// main row), then an empty list for its blank separator row. A Null shows empty in the address
// columns and "-" elsewhere, so no cell of a record reads like the blank row that parts two
// records.
QList<QStringList> ndSearchRows(db::Recordset& records);

} // namespace followup
