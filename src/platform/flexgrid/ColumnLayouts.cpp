#include "platform/flexgrid/ColumnLayouts.h"

#include "platform/flexgrid/FlexGrid.h"

#include <vector>

namespace ui {

void emptyWithColumns(FlexGrid* grid, std::span<const ColumnLayout> columns)
{
    grid->clear();
    grid->setCols(int(columns.size()));
    grid->setRows(2);
}

void setWidths(FlexGrid* grid, std::span<const ColumnLayout> columns)
{
    std::vector<int> widths;
    for (const ColumnLayout& column : columns)
        widths.push_back(column.width);
    grid->setColWidths(widths);
}

void setAlignments(FlexGrid* grid, std::span<const ColumnLayout> columns)
{
    for (int c = 0; c < int(columns.size()); ++c)
        if (columns[c].alignment != flexAlignGeneral)
            grid->setColAlignment(c, columns[c].alignment);
}

void setHeadings(FlexGrid* grid, std::span<const ColumnLayout> columns)
{
    for (int c = 0; c < int(columns.size()); ++c)
        if (columns[c].heading)
            grid->setTextMatrix(0, c, QString::fromLatin1(columns[c].heading));
}

void layOutColumns(FlexGrid* grid, std::span<const ColumnLayout> columns)
{
    emptyWithColumns(grid, columns);
    setWidths(grid, columns);
    setAlignments(grid, columns);
    setHeadings(grid, columns);
}

void selectWholeRows(FlexGrid* grid, int focusRect)
{
    grid->setSelectionMode(flexSelectionByRow);
    grid->setFocusRect(focusRect);
}

} // namespace ui
