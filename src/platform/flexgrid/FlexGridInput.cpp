// The user's side of a flex grid: mouse and keys move the current cell and the selection over the
// scrolling cells, clicks are signalled, and the current cell gets its focus rectangle.

#include "platform/flexgrid/FlexGrid.h"

#include "platform/flexgrid/FlexFixedHeader.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ElidedText.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace ui {

void FlexGrid::paintEvent(QPaintEvent* event)
{
    QTableView::paintEvent(event);
    if (m_focusRect == flexFocusNone || m_row < m_fixedRows || m_col < m_fixedCols || m_row >= rows() || m_col >= cols())
        return;
    const QRect cell = visualRect(bodyIndex(m_row, m_col));
    if (cell.width() <= 1 || cell.height() <= 1)
        return;
    QPainter painter(viewport());
    QPen pen(toQColor(m_foreColor));
    pen.setStyle(m_focusRect == flexFocusLight ? Qt::DotLine : Qt::SolidLine);
    pen.setWidth(m_focusRect == flexFocusHeavy ? 2 : 1);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(m_focusRect == flexFocusHeavy ? cell.adjusted(1, 1, -1, -1) : cell.adjusted(0, 0, -2, -2));
}

bool FlexGrid::cellAt(QObject* source, const QPoint& pos, int& row, int& col) const
{
    if (source == viewport()) {
        const int bodyRow = rowAt(pos.y());
        const int bodyCol = columnAt(pos.x());
        row = bodyRow < 0 ? -1 : bodyRow + m_fixedRows;
        col = bodyCol < 0 ? -1 : bodyCol + m_fixedCols;
        return row >= 0 && col >= 0;
    }
    if (source == m_fixedRowsHeader->viewport())
        return m_fixedRowsHeader->cellAt(pos, row, col);
    if (source == m_fixedColsHeader->viewport())
        return m_fixedColsHeader->cellAt(pos, row, col);
    return m_corner->cellAt(pos, row, col);
}

void FlexGrid::trackMouse(QObject* source, const QPoint& pos) { cellAt(source, pos, m_mouseRow, m_mouseCol); }

// A press on a scrolling cell makes it current (with Shift: extends the selection to it).
void FlexGrid::mousePressEvent(QMouseEvent* event)
{
    trackMouse(viewport(), event->position().toPoint());
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    if (m_mouseRow < 0 || m_mouseCol < 0)
        return;
    if (event->modifiers() & Qt::ShiftModifier)
        setSelectionEnd(m_mouseRow, m_mouseCol);
    else
        setCurrent(m_mouseRow, m_mouseCol);
}

void FlexGrid::mouseMoveEvent(QMouseEvent* event)
{
    trackMouse(viewport(), event->position().toPoint());
    if (m_pressed && (event->buttons() & Qt::LeftButton) && m_mouseRow >= 0 && m_mouseCol >= 0)
        setSelectionEnd(m_mouseRow, m_mouseCol);
}

void FlexGrid::mouseReleaseEvent(QMouseEvent* event)
{
    trackMouse(viewport(), event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        handleRelease();
}

void FlexGrid::mouseDoubleClickEvent(QMouseEvent* event)
{
    trackMouse(viewport(), event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        handleDoubleClick();
}

// A click is a press and its release; the release that ends a double click is not another click.
void FlexGrid::handleRelease()
{
    if (!m_pressed)
        return;
    m_pressed = false;
    emit click();
}

void FlexGrid::handleDoubleClick()
{
    m_pressed = false;
    emit dblClick();
}

// The fixed cells report the mouse and signal clicks, but never become current; one drawn cut
// shows its whole text as a tooltip (the scrolling cells' tooltips are their delegate's).
bool FlexGrid::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        const auto* help = static_cast<QHelpEvent*>(event);
        int row = -1, col = -1;
        if (cellAt(watched, help->pos(), row, col)) {
            const DrawnText drawn =
                FlexFixedHeader::drawnText(QRect(0, 0, columnPixels(col), rowPixels(row)), *this, row, col);
            if (showWholeTextWhereCut(*help, static_cast<QWidget*>(watched), {}, drawn, m_cells.text(row, col)))
                return true;
        }
        break;
    }
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        trackMouse(watched, mouse->position().toPoint());
        if (mouse->button() != Qt::LeftButton)
            break;
        if (event->type() == QEvent::MouseButtonPress) {
            m_pressed = true;
            setFocus(Qt::MouseFocusReason);
        }
        else if (event->type() == QEvent::MouseButtonRelease)
            handleRelease();
        else if (event->type() == QEvent::MouseButtonDblClick)
            handleDoubleClick();
        break;
    }
    default: break;
    }
    return QTableView::eventFilter(watched, event);
}

// Arrows, Page Up/Down, Home and End (with Ctrl: first and last row) move the current cell over the
// shown scrolling cells; with Shift they move the end of the selection instead.
void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    if (rows() <= m_fixedRows || cols() <= m_fixedCols) {
        event->ignore();
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const auto rowShown = [this](int row) { return !isRowHidden(row - m_fixedRows); };
    const auto colShown = [this](int col) { return !isColumnHidden(col - m_fixedCols); };
    // The next shown index from `from` in steps of `step`, `count` times; stays put at the edges.
    const auto walk = [](int from, int step, int count, int first, int last, const auto& shown) {
        int at = std::clamp(from, first, last);
        for (int next = at + step; count > 0 && next >= first && next <= last; next += step)
            if (shown(next)) {
                at = next;
                --count;
            }
        return at;
    };
    const int firstRow = m_fixedRows, lastRow = rows() - 1, firstCol = m_fixedCols, lastCol = cols() - 1;
    int row = std::clamp(extend ? m_rowSel : m_row, firstRow, lastRow);
    int col = std::clamp(extend ? m_colSel : m_col, firstCol, lastCol);
    const int page = std::max(1, viewport()->height() / std::max(1, defaultRowPixels()) - 1);
    switch (event->key()) {
    case Qt::Key_Up: row = walk(row, -1, 1, firstRow, lastRow, rowShown); break;
    case Qt::Key_Down: row = walk(row, 1, 1, firstRow, lastRow, rowShown); break;
    case Qt::Key_PageUp: row = walk(row, -1, page, firstRow, lastRow, rowShown); break;
    case Qt::Key_PageDown: row = walk(row, 1, page, firstRow, lastRow, rowShown); break;
    case Qt::Key_Left: col = walk(col, -1, 1, firstCol, lastCol, colShown); break;
    case Qt::Key_Right: col = walk(col, 1, 1, firstCol, lastCol, colShown); break;
    case Qt::Key_Home:
        if (ctrl)
            row = walk(row, -1, rows(), firstRow, lastRow, rowShown);
        else
            col = walk(col, -1, cols(), firstCol, lastCol, colShown);
        break;
    case Qt::Key_End:
        if (ctrl)
            row = walk(row, 1, rows(), firstRow, lastRow, rowShown);
        else
            col = walk(col, 1, cols(), firstCol, lastCol, colShown);
        break;
    default: event->ignore(); return;
    }
    if (extend)
        setSelectionEnd(row, col);
    else
        setCurrent(row, col);
    scrollTo(bodyIndex(row, col));
    event->accept();
}

void FlexGrid::focusInEvent(QFocusEvent* event)
{
    QTableView::focusInEvent(event);
    viewport()->update();
}

void FlexGrid::focusOutEvent(QFocusEvent* event)
{
    QTableView::focusOutEvent(event);
    viewport()->update();
}

} // namespace ui
