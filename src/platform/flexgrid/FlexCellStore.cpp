#include "platform/flexgrid/FlexCellStore.h"

#include <QStringList>

#include <algorithm>

namespace ui {

void FlexCellStore::resize(int rows, int cols)
{
    // Every row holds one cell per column, so while the columns stay only new rows need cells:
    // a grid grown a row at a time stays linear.
    const size_t firstToSize = m_columns.size() == size_t(cols) ? std::min(m_rows.size(), size_t(rows)) : 0;
    m_columns.resize(size_t(cols));
    m_rows.resize(size_t(rows));
    for (size_t r = firstToSize; r < m_rows.size(); ++r)
        m_rows[r].cells.resize(size_t(cols));
}

void FlexCellStore::insertRow(int at)
{
    Row row;
    row.cells.resize(m_columns.size());
    m_rows.insert(m_rows.begin() + at, std::move(row));
}

void FlexCellStore::removeRow(int at) { m_rows.erase(m_rows.begin() + at); }

void FlexCellStore::clearContents()
{
    for (Row& row : m_rows)
        for (Cell& cell : row.cells) {
            cell.text.clear();
            cell.format.reset();
        }
}

FlexCellFormat& FlexCellStore::editFormat(int row, int col)
{
    auto& format = m_rows[row].cells[col].format;
    if (!format)
        format = std::make_unique<FlexCellFormat>();
    return *format;
}

QString FlexCellStore::clip(const FlexRange& range) const
{
    QStringList lines;
    for (int r = range.top; r <= range.bottom; ++r) {
        QStringList cells;
        for (int c = range.left; c <= range.right; ++c)
            cells << text(r, c);
        lines << cells.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\r'));
}

void FlexCellStore::paste(const FlexRange& range, const QString& clip)
{
    QStringList lines = clip.split(QLatin1Char('\r'));
    if (clip.endsWith(QLatin1Char('\r')))
        lines.removeLast();
    const int rowCount = std::min(int(lines.size()), range.bottom - range.top + 1);
    for (int i = 0; i < rowCount; ++i) {
        const QStringList cells = lines[i].split(QLatin1Char('\t'));
        const int colCount = std::min(int(cells.size()), range.right - range.left + 1);
        for (int j = 0; j < colCount; ++j)
            setText(range.top + i, range.left + j, cells[j]);
    }
}

} // namespace ui
