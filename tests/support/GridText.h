#pragma once

// What a person reads in a flex grid and sets in a combo box, for the window tests.

#include "platform/flexgrid/FlexGrid.h"

#include <QComboBox>
#include <QStringList>

namespace testsupport {

// The cells of one grid row joined with "|".
inline QString rowText(const ui::FlexGrid* grid, int row)
{
    QStringList cells;
    for (int col = 0; col < grid->cols(); ++col)
        cells << grid->textMatrix(row, col);
    return cells.join(u'|');
}

// Every grid row below the headings, as rowText gives it.
inline QStringList rowsOf(const ui::FlexGrid* grid)
{
    QStringList rows;
    for (int row = 1; row < grid->rows(); ++row)
        rows << rowText(grid, row);
    return rows;
}

// Makes the combo box show the text (as the only item when not empty).
inline void choose(QComboBox* combo, const QString& text)
{
    combo->clear();
    if (!text.isEmpty())
        combo->addItem(text);
    if (combo->isEditable())
        combo->setEditText(text);
}

} // namespace testsupport
