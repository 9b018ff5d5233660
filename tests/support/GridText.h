#pragma once

// What a person reads in a flex grid and a combo box, and sets in a combo box, for the window tests.

#include "platform/flexgrid/FlexGrid.h"

#include <QComboBox>
#include <QStringList>

namespace testsupport {

// The texts of one grid row's cells.
inline QStringList rowTexts(const ui::FlexGrid* grid, int row)
{
    QStringList cells;
    for (int col = 0; col < grid->cols(); ++col)
        cells << grid->textMatrix(row, col);
    return cells;
}

// The cells of one grid row joined with "|".
inline QString rowText(const ui::FlexGrid* grid, int row)
{
    return rowTexts(grid, row).join(u'|');
}

// Every grid row below the headings, as rowText gives it.
inline QStringList rowsOf(const ui::FlexGrid* grid)
{
    QStringList rows;
    for (int row = 1; row < grid->rows(); ++row)
        rows << rowText(grid, row);
    return rows;
}

// Every grid row, the headings first, as rowText gives it.
inline QStringList rowsWithHeadingsOf(const ui::FlexGrid* grid)
{
    QStringList rows;
    for (int row = 0; row < grid->rows(); ++row)
        rows << rowText(grid, row);
    return rows;
}

// The combo box's items in their order.
inline QStringList itemsOf(const QComboBox* combo)
{
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items << combo->itemText(i);
    return items;
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
