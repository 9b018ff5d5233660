#include "platform/flexgrid/FlexCellStore.h"

#include <QStringView>

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

QString FlexCellStore::clip(const FlexRange& range, CellWriter appendCell) const
{
    // the length first, so that the text of a grid of a million rows is made in one piece
    qsizetype length = 0;
    for (int r = range.top; r <= range.bottom; ++r)
        for (int c = range.left; c <= range.right; ++c)
            length += text(r, c).size() + 1;
    QString clip;
    clip.reserve(length);
    for (int r = range.top; r <= range.bottom; ++r) {
        if (r > range.top)
            clip += u'\r';
        for (int c = range.left; c <= range.right; ++c) {
            if (c > range.left)
                clip += u'\t';
            appendCell(clip, text(r, c));
        }
    }
    return clip;
}

void FlexCellStore::paste(const FlexRange& range, const QString& clip)
{
    FlexClipPaste paste(*this, range);
    paste.append(clip);
    paste.finish();
}

void FlexClipPaste::append(const QString& piece)
{
    qsizetype from = 0;
    qsizetype tab = piece.indexOf(QLatin1Char('\t'));
    qsizetype cr = piece.indexOf(QLatin1Char('\r'));
    while (tab >= 0 || cr >= 0) {
        if (tab >= 0 && (cr < 0 || tab < cr)) {
            appendText(piece, from, tab);
            endCell();
            from = tab + 1;
            tab = piece.indexOf(QLatin1Char('\t'), from);
        } else {
            appendText(piece, from, cr);
            endRow();
            from = cr + 1;
            cr = piece.indexOf(QLatin1Char('\r'), from);
        }
    }
    appendText(piece, from, piece.size());
}

void FlexClipPaste::appendValue(const QString& value) { appendText(value, 0, value.size()); }

void FlexClipPaste::appendText(const QString& piece, qsizetype from, qsizetype to)
{
    if (from == to)
        return;
    m_rowEmpty = false;
    if (from == 0 && to == piece.size() && m_cell.isEmpty())
        m_cell = piece;
    else
        m_cell += QStringView(piece).sliced(from, to - from);
}

void FlexClipPaste::endCell()
{
    setCell();
    ++m_col;
    m_rowEmpty = false;
}

void FlexClipPaste::endRow()
{
    setCell();
    ++m_row;
    m_col = 0;
    m_rowEmpty = true;
    m_rowEnded = true;
}

void FlexClipPaste::finish()
{
    if (!(m_rowEnded && m_rowEmpty))
        setCell();
}

void FlexClipPaste::setCell()
{
    if (m_row <= m_range.bottom - m_range.top && m_col <= m_range.right - m_range.left)
        m_cells.setText(m_range.top + m_row, m_range.left + m_col, std::move(m_cell));
    m_cell = QString();
}

} // namespace ui
