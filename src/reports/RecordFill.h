#pragma once

#include "platform/db/Recordset.h"
#include "platform/flexgrid/FlexGrid.h"

#include <QString>
#include <span>
#include <vector>

namespace reports {

// Sets a grid row per record from the current one to the end, from firstRow down: grid column c
// shows field fields[c] as text(value, c) makes it. A value that repeats the record before's in
// its field shows the text made for that one, which is not made again.
template <class CellText>
void fillRecords(ui::FlexGrid* grid, db::Recordset& records, std::span<const int> fields, int firstRow, CellText text)
{
    std::vector<QString> above(fields.size());
    for (int row = firstRow; !records.eof(); records.moveNext(), ++row) {
        for (int c = 0; c < int(fields.size()); ++c) {
            QString& shown = above[size_t(c)];
            if (row == firstRow || !records.repeatsAbove(fields[size_t(c)]))
                shown = text(records.value(fields[size_t(c)]), c);
            grid->setTextMatrix(row, c, shown);
        }
    }
}

} // namespace reports
