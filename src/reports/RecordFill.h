#pragma once

#include "platform/db/Recordset.h"
#include "platform/flexgrid/FlexGrid.h"

#include <QString>
#include <span>
#include <vector>

namespace reports {

// The text of a field of the current record as make(value) makes it, unless the value repeats the
// record before's in that field: then the text made for that one, kept in shown, serves again.
template <class Make>
const QString& fieldText(db::Recordset& records, int field, bool firstRecord, QString& shown, Make make)
{
    if (firstRecord || !records.repeatsAbove(field))
        shown = make(records.value(field));
    return shown;
}

// Sets a grid row per record from the current one to the end, from firstRow down: grid column c
// shows field fields[c] as text(value, c) makes it.
template <class CellText>
void fillRecords(ui::FlexGrid* grid, db::Recordset& records, std::span<const int> fields, int firstRow, CellText text)
{
    std::vector<QString> shown(fields.size());
    for (int row = firstRow; !records.eof(); records.moveNext(), ++row)
        for (int c = 0; c < int(fields.size()); ++c)
            grid->setTextMatrix(row, c, fieldText(records, fields[size_t(c)], row == firstRow, shown[size_t(c)],
                                                  [&](const QVariant& value) { return text(value, c); }));
}

} // namespace reports
