// The mouse on the grid. A press selects rows and makes a cell current, toggles row and cell check
// boxes, and starts a header, divider or row-dragging gesture; a move tracks the cell and header
// under the mouse, the divider pointer, the hand pointer and the gesture in progress; a release
// ends the gesture (resizing, sorting by a header, swapping or moving a column) and reports cell
// buttons, images and hand cells. Each handler then raises the event of the same name.

#include "grid/QvGrid.h"
#include "grid/RoundHalfEven.h"

#include "grid/GridKeys.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>

namespace grid {

namespace {

constexpr qint16 LeftButton = 1;
constexpr qint16 RightButton = 2;
constexpr qint16 MiddleButton = 4;

qint16 buttonCode(Qt::MouseButtons Buttons)
{
    qint16 code = 0;
    if (Buttons & Qt::LeftButton)
        code |= LeftButton;
    if (Buttons & Qt::RightButton)
        code |= RightButton;
    if (Buttons & Qt::MiddleButton)
        code |= MiddleButton;
    return code;
}

// The first local file the dragged data carries, empty when none.
QString firstDroppedFile(const QMimeData* Data)
{
    if (Data == nullptr)
        return {};
    for (const QUrl& url : Data->urls())
        if (url.isLocalFile())
            return url.toLocalFile();
    return {};
}

} // namespace

void QvGrid::mousePressEvent(QMouseEvent* Event)
{
    const QPointF at = Event->position();
    onMouseDown(buttonCode(Event->button()), ShiftFromModifiers(Event->modifiers()), float(at.x()), float(at.y()));
}

void QvGrid::mouseMoveEvent(QMouseEvent* Event)
{
    const QPointF at = Event->position();
    onMouseMove(buttonCode(Event->buttons()), ShiftFromModifiers(Event->modifiers()), float(at.x()), float(at.y()));
    onMouseInside();
}

void QvGrid::mouseReleaseEvent(QMouseEvent* Event)
{
    const QPointF at = Event->position();
    const qint16 button = buttonCode(Event->button());
    onMouseUp(button, ShiftFromModifiers(Event->modifiers()), float(at.x()), float(at.y()));
    // A click is a left press and release; the release that ends a double-click is none.
    if (button == LeftButton && !m_doubleClicked && viewport()->rect().contains(at.toPoint()))
        onClick();
    m_doubleClicked = false;
}

void QvGrid::mouseDoubleClickEvent(QMouseEvent* Event)
{
    // The second press of a double-click raises DblClick in place of MouseDown.
    if (Event->button() != Qt::LeftButton) {
        mousePressEvent(Event);
        return;
    }
    m_doubleClicked = true;
    onDblClick();
}

void QvGrid::onMouseDown(qint16 Button, qint16 Shift, float X, float Y)
{
    cancelToolTip();
    m_lockedRowHit = false;
    m_lockedColHit = false;
    m_shiftState = Shift;
    bool selectionChanged = false;
    if (Button != 0 && m_store.LastRow() >= 0) {
        m_lastKeyCode = 0;
        AutoScrollDirection = 0;
        const qint32 col = ColFromX(X);
        const qint32 row = m_resizeRow != -1 ? m_resizeRow : RowFromY(Y);
        m_pressX = RoundHalfEven(X);
        if (Button & (RightButton | MiddleButton)) {
            m_anchorRow = row;
            if (row != -1 && !(RowSelected(row) && m_props.MultiSelect != 0) && UpdateCell(false)) {
                setCurrentCell(row, col, false, true);
                selectionChanged = selectOnly(row);
                drawGrid(m_paintEnabled);
            }
        } else if (Button & LeftButton) {
            if (row != -1 && RowLocked(row)) {
                m_lockedRowHit = true;
                m_lockedColHit = true;
                return;
            }
            m_anchorRow = row;
            m_dragSelectArmed = true;
            if (Y < m_metrics.HeaderHeight && headerGesturesOn() && m_mousePointerCode != PointerSizeWE) {
                m_pressedCol = col;
                if (col != -1)
                    drawColumnHeader(col, FacePressed, false, false);
            }
            if (row != -1 && UpdateCell(false))
                selectionChanged = pressOnRow(row, col, Shift, X, Y);
        }
    }
    if (selectionChanged)
        emit SelectionChanged();
    emit MouseDown(Button, Shift, X, Y);
}

bool QvGrid::pressOnRow(qint32 Row, qint32 Col, qint16 Shift, float X, float Y)
{
    bool displayChanged = false;
    bool selectionChanged = false;
    if (X <= m_metrics.RowNumberWidth + 15 && m_props.RowCheckBoxes) {
        // The row's check box: toggled without touching the selection or the current cell.
        m_dragSelectArmed = false;
        qint16& flags = m_store.RowAt(Row).Flags;
        SetFlagBit(flags, RowFlag::Checked, !FlagIsSet(flags, RowFlag::Checked));
        emit RowCheckChanged(Row);
        displayChanged = true;
    } else {
        if (Col != -1 && columnAt(Col).ColType == ColCheckBox && canEditNow())
            displayChanged = toggleCheckBoxAt(Row, Col, X, Y);
        selectionChanged = applyClickSelection(Row, Shift);
        displayChanged = setCurrentCell(Row, Col, false, true) || displayChanged || selectionChanged;
    }
    if ((Col != -1 && columnAt(Col).ColType == ColPushButton) || displayChanged)
        drawGrid(m_paintEnabled);
    return selectionChanged;
}

bool QvGrid::toggleCheckBoxAt(qint32 Row, qint32 Col, float X, float Y)
{
    const qint32 colIndex = m_store.ColOrder().at(Col);
    const QRect box = cellPartRect(Row, Col, GetRowTop(Row, -1), PartCheckBox);
    const qint32 side = m_metrics.CheckBoxSize;
    if (X < box.left() || Y < box.top() || X > box.left() + side || Y > box.top() + side)
        return false;
    bool cancel = false;
    emit BeforeEdit(Row, colIndex, cancel);
    if (cancel)
        return false;
    // Nothing is written before the host has seen the new value and let it stand; a NewText the
    // host changed is not read back.
    const bool checked = !FlagIsSet(m_store.CellAt(Row, colIndex).Flags, CellFlag::Checked);
    QString newText = checked ? QStringLiteral("True") : QStringLiteral("False");
    const QString text = newText;
    emit AfterEdit(Row, colIndex, newText, cancel);
    if (cancel)
        return false;
    m_store.ChangeCellText(Row, colIndex, text);
    SetFlagBit(m_store.CellAt(Row, colIndex).Flags, CellFlag::Checked, checked);
    setCellChanged(Row, colIndex, true);
    return true;
}

bool QvGrid::applyClickSelection(qint32 Row, qint16 Shift)
{
    const qint32 mode = m_props.MultiSelect;
    const bool ctrl = (Shift & ShiftMask::Ctrl) != 0;
    const bool shift = (Shift & ShiftMask::Shift) != 0;
    const bool wasSelected = RowSelected(Row);
    qint32 from = -1;
    qint32 to = -1;
    if (mode == 2 || (mode != 0 && ctrl)) {
        SetFlagBit(m_store.RowAt(Row).Flags, RowFlag::Selected, !wasSelected);
        return true;
    }
    if (mode != 0 && shift) {
        bool changed = SelectRowRange(false, from, to);
        from = m_store.CurRow() == -1 ? Row : m_store.CurRow();
        to = Row;
        changed = SelectRowRange(true, from, to) || changed;
        return changed;
    }
    if (mode != 0)
        return selectOnly(Row);
    if (ctrl) {
        SelectRowRange(false, from, to);
        SetFlagBit(m_store.RowAt(Row).Flags, RowFlag::Selected, !wasSelected);
        return true;
    }
    return !wasSelected && selectOnly(Row);
}

bool QvGrid::selectOnly(qint32 Row)
{
    qint32 from = -1;
    qint32 to = -1;
    const bool wasSelected = RowSelected(Row);
    const qint32 before = SelectedCount();
    SelectRowRange(false, from, to);
    SetFlagBit(m_store.RowAt(Row).Flags, RowFlag::Selected, true);
    return !wasSelected || before != 1;
}

void QvGrid::onMouseMove(qint16 Button, qint16 Shift, float X, float Y)
{
    m_lockedColHit = false;
    if (m_store.LastRow() < 0) {
        emit MouseMove(Button, Shift, X, Y);
        return;
    }
    const qint32 col = ColFromX(X);
    const qint32 row = RowFromY(Y);
    const bool heading = row == -1 && col != -1 && m_props.ColumnHeaders && Y >= m_metrics.CaptionHeight
                         && Y < m_metrics.HeaderHeight;
    if (col != m_hoverCol || row != m_hoverRow || heading != m_hoverHeading) {
        hideToolTip();
        m_hoverCol = col;
        m_hoverRow = row;
        m_hoverHeading = heading;
        if (row != -1 || heading)
            showToolTipDelayed(row, col);
        else
            cancelToolTip();
    }
    if (headerGesturesOn() && m_pressedCol != -1) {
        const FaceState state = row == -1 && m_pressedCol == m_hoverCol ? FacePressed : FaceNormal;
        drawColumnHeader(m_pressedCol, state, false, false);
    }
    if (Button == 0) {
        trackHotHeader(Y);
        findDivider(X, Y);
    }
    if (Button & LeftButton)
        dragWithLeftButton(Shift, X, Y);
    showHandPointer();
    emit MouseMove(Button, Shift, X, Y);
}

void QvGrid::trackHotHeader(float Y)
{
    if (!m_props.AllowColumnHover || EditPending())
        return;
    if (Y >= m_metrics.HeaderHeight) {
        if (HotHeader != -1)
            drawColumnHeaders(false);
    } else if (m_hoverCol != HotHeader) {
        drawColumnHeaders(false);
        drawColumnHeader(m_hoverCol, FaceHot, false, false);
        HotHeader = m_hoverCol;
    }
}

void QvGrid::findDivider(float X, float Y)
{
    // Every scan forgets the dividers of the last one, so a press away from a divider resizes
    // nothing.
    m_resizeRow = -1;
    m_resizeCol = -1;
    qint32 pointer = PointerDefault;
    if (m_hoverRow != -1) {
        if (m_props.AllowRowResizing) {
            for (qint32 r = NextVisibleRow(SBGetValue(1)); r <= m_store.LastRow(); r = NextVisibleRow(r + 1)) {
                const qint32 y = GetRowTop(r) + m_store.RowAt(r).Height;
                if (y - 4 < Y && Y < y + 4) {
                    pointer = PointerSizeNS;
                    m_resizeRow = RowFromY(Y - 8);
                    m_resizeOriginY = RoundHalfEven(Y - m_store.RowAt(m_hoverRow).Height);
                    break;
                }
            }
        }
    } else if (m_props.AllowColumnResizing) {
        const qint32 firstScrolled = SBGetValue(0);
        for (qint32 c = 0; c < m_store.Cols(); ++c) {
            const ColumnInfo& column = columnAt(c);
            if (!columnOnScreen(c, firstScrolled) || !column.Visible)
                continue;
            QRect edges;
            GetColRect(c, edges);
            const qint32 x = edges.right() + 1;
            if (x - 4 < X && X < x + 4) {
                pointer = PointerSizeWE;
                m_resizeCol = c;
                m_resizeOriginX = RoundHalfEven(X - column.WidthPx);
                break;
            }
        }
    }
    setMousePointer(pointer);
}

void QvGrid::dragWithLeftButton(qint16 Shift, float X, float Y)
{
    if (m_resizeRow != -1) {
        const qint32 height = RoundHalfEven(Y - m_resizeOriginY);
        if (height > RowHeightPx()) {
            m_store.RowAt(m_resizeRow).Height = height;
            RowLayoutChanged();
            drawGrid(m_paintEnabled);
        }
    } else if (m_resizeCol == -1) {
        if (m_anchorRow != -1)
            dragOverRows(Shift, Y);
        else if (!EditPending())
            dragHeader(X);
    }
    if (m_resizeCol != -1) {
        const qint32 width = RoundHalfEven(X - m_resizeOriginX);
        if (width >= 5) {
            ColumnInfo& column = m_store.Column(m_store.ColOrder().at(m_resizeCol));
            column.WidthPx = width;
            column.Width = float(PixelsToScaleX(width));
            drawGrid(m_paintEnabled);
            emit ColumnSizeChanged(m_store.ColOrder().at(m_resizeCol), column.BindOption);
            if (EditPending())
                positionCellEditor();
        }
    }
}

void QvGrid::dragOverRows(qint16 Shift, float Y)
{
    if (!m_dragSelectArmed)
        return;
    if (Y < 0) {
        ScrollToRow(1);
    } else if (Y > viewport()->height()) {
        ScrollToRow(2);
    } else if (Shift == 0 && m_hoverRow >= 0) {
        // Back over the rows: a running auto-scroll stops, else the selection follows the mouse.
        if (AutoScrollDirection != 0) {
            AutoScrollDirection = 0;
            return;
        }
        qint32 from = -1;
        qint32 to = -1;
        SelectRowRange(false, from, to);
        from = m_props.MultiSelect != 0 ? m_anchorRow : m_hoverRow;
        to = m_hoverRow;
        SelectRowRange(true, from, to);
        if (setCurrentCell(m_hoverRow, m_hoverCol, false, true)) {
            emit SelectionChanged();
            drawGrid(m_paintEnabled);
        }
    }
}

void QvGrid::dragHeader(float X)
{
    qint32* moving = m_props.AllowColumnSwap ? &m_swapCol : m_props.AllowColumnDrag ? &m_dragCol : nullptr;
    if (moving == nullptr)
        return;
    drawColumnHeaders(true);
    if (*moving == -1) {
        *moving = m_pressedCol;
    } else if (*moving >= 0) {
        // The moving header follows the mouse.
        m_store.Column(m_store.ColOrder().at(*moving)).Left += RoundHalfEven(X) - m_pressX;
        drawColumnHeader(*moving, FacePressed, true, false);
    }
}

void QvGrid::showHandPointer()
{
    if (m_hoverRow == -1)
        return;
    // The row-sizing pointer stays while the mouse is on a row divider.
    if (m_mousePointerCode == PointerSizeNS)
        return;
    setHandPointer(cellOnGrid(m_hoverRow, m_hoverCol)
                   && m_store.CellLook(m_hoverRow, m_store.ColOrder().at(m_hoverCol)).HandPointer);
}

void QvGrid::onMouseUp(qint16 Button, qint16 Shift, float X, float Y)
{
    if (m_store.Cols() == 0)
        return;
    if (Button & LeftButton) {
        const qint32 col = ColFromX(X);
        const qint32 row = RowFromY(Y);
        if (row != -1 && RowLocked(row)) {
            m_lockedRowHit = true;
            m_lockedColHit = true;
            SelectedClearAll();
            RowColSet(-1, -1);
            if (col != -1)
                emit ColumnClick(m_store.ColOrder().at(col));
            endGestures();
            return;
        }
        if (m_swapCol == -1 && m_dragCol == -1)
            releaseWithoutHeaderMove(Shift, X, Y, col, row);
        if (m_dragCol != -1 && col != -1 && col != m_dragCol) {
            QList<qint32> order = m_store.ColOrder();
            // The column last clicked stays the current one at its new place.
            const qint32 nav = m_metrics.NavColumn;
            const qint32 current = nav >= 0 && nav < order.size() ? order.at(nav) : -1;
            order.insert(col, order.takeAt(m_dragCol));
            m_store.SetColOrder(order);
            if (current != -1)
                RowColSet(-1, current);
            drawGrid(m_paintEnabled);
            emit ColumnOrderChanged(col, m_dragCol);
        }
        if (m_swapCol != -1 && col != -1) {
            QList<qint32> order = m_store.ColOrder();
            order.swapItemsAt(m_swapCol, col);
            m_store.SetColOrder(order);
            drawGrid(m_paintEnabled);
            emit ColumnOrderChanged(col, m_swapCol);
        }
    }
    m_dragSelectArmed = false;
    if (cellOnGrid(m_hoverRow, m_hoverCol)) {
        const qint32 colIndex = m_store.ColOrder().at(m_hoverCol);
        if (m_store.Columns().at(colIndex).ColType == ColPushButton) {
            drawGrid(m_paintEnabled);
            emit CellButtonClick(m_hoverRow, colIndex);
        }
        if (MousePointerIsCustom()) {
            const qint32 current = m_store.CurCol();
            emit CellHandClick(m_hoverRow, current == -1 ? -1 : m_store.ColOrder().at(current), m_shiftState);
        }
    } else if (m_anchorRow == -1) {
        drawGrid(m_paintEnabled);
    }
    endGestures();
    emit MouseUp(Button, Shift, X, Y);
    m_shiftState = Shift;
}

void QvGrid::releaseWithoutHeaderMove(qint16 Shift, float X, float Y, qint32 Col, qint32 Row)
{
    if (m_resizeCol != -1 || m_resizeRow != -1) {
        UpdateScrollBars();
        drawGrid(m_paintEnabled);
    } else if (Row != -1) {
        if (m_anchorRow == -1) {
            drawColumnHeaders(false);
        } else if (cellOnGrid(m_hoverRow, m_hoverCol)) {
            m_metrics.NavColumn = m_hoverCol;
            releaseOnCell(X, Y);
            emit ColumnClick(m_store.ColOrder().at(m_hoverCol));
        }
    } else {
        if (m_pressedCol != -1 && Col == m_pressedCol) {
            if (m_props.AllowColumnSort)
                sortByHeader(Shift);
            else
                drawColumnHeaders(false);
        }
        if (Col != -1)
            emit ColumnClick(m_store.ColOrder().at(Col));
    }
}

void QvGrid::releaseOnCell(float X, float Y)
{
    const qint32 colIndex = m_store.ColOrder().at(m_hoverCol);
    const QRect image = cellPartRect(m_hoverRow, m_hoverCol, GetRowTop(m_hoverRow, -1), PartImage);
    const bool onImage = X >= image.left() && Y >= image.top() && X <= image.left() + m_metrics.ImageWidth
                      && Y <= image.top() + m_metrics.ImageHeight;
    if (m_store.CellLook(m_hoverRow, colIndex).ImageIndex != 0) {
        if (onImage)
            emit CellImageClick(m_hoverRow, colIndex);
    } else if (FlagIsSet(m_store.CellAt(m_hoverRow, colIndex).Flags, CellFlag::WordWrap) && onImage) {
        // The expand image of a wrapped cell: a one-line row grows to fit its text, any other
        // row goes back to one line.
        const qint32 oneLine = m_metrics.HeaderTextHeight + 2 * m_props.MinVerticalOffset + 2;
        SetRowHeight(m_store.CurRow(), qint32(RowHeight(m_hoverRow)) == oneLine ? -1.0f : float(oneLine));
    }
}

void QvGrid::sortByHeader(qint16 Shift)
{
    // Sort keeps column indexes; the pressed header is a display position.
    const qint32 pressed = m_store.ColOrder().at(m_pressedCol);
    if ((Shift & ShiftMask::Ctrl) && SortCol1 != -1) {
        if (SortCol2 != pressed)
            m_store.Column(pressed).SortState = SortNone;
        Sort(SortCol1, m_store.Columns().at(SortCol1).SortState, pressed, -1);
    } else {
        if (SortCol1 != pressed) {
            m_store.Column(pressed).SortState = SortNone;
            SortCol2 = -1;
        }
        Sort(pressed, -1, SortCol2, SortCol2 == -1 ? -1 : m_store.Columns().at(SortCol2).SortState);
    }
    RowColSet(-1, pressed);
}

void QvGrid::endGestures()
{
    m_pressedCol = -1;
    m_swapCol = -1;
    m_dragCol = -1;
    m_resizeCol = -1;
    m_dragSelectArmed = false;
    AutoScrollDirection = 0;
    if (m_anchorRow == -1)
        drawColumnHeaders(false);
}

void QvGrid::onClick()
{
    if (m_hoverRow != -1 && !RowLocked(m_hoverRow) && (m_props.EditTrigger & EditTriggerBit::Click))
        toggleCellEdit(false);
    if (m_anchorRow != -1) {
        emit Click();
        emit CellClick(m_hoverRow, m_hoverCol, m_shiftState);
    }
}

void QvGrid::onDblClick()
{
    if (m_hoverRow != -1 && !RowLocked(m_hoverRow) && (m_props.EditTrigger & EditTriggerBit::DoubleClick)) {
        m_lastKeyCode = VirtualKey::F2;
        toggleCellEdit(false);
    }
    if (m_anchorRow != -1) {
        emit DblClick();
        return;
    }
    if (m_mousePointerCode == PointerSizeWE && m_props.AllowColumnResizing && m_hoverCol >= 0
        && m_hoverCol < m_store.Cols())
        ColWidthAutoSize(m_store.ColOrder().at(m_hoverCol));
}

void QvGrid::dragEnterEvent(QDragEnterEvent* Event)
{
    if (m_props.AllowEdit && !firstDroppedFile(Event->mimeData()).isEmpty())
        Event->acceptProposedAction();
    else
        Event->ignore();
}

void QvGrid::dragMoveEvent(QDragMoveEvent* Event)
{
    const QPointF at = Event->position();
    qint32 row = -1;
    qint32 colIndex = -1;
    if (dropTarget(float(at.x()), float(at.y()), row, colIndex))
        Event->acceptProposedAction();
    else
        Event->ignore();
}

void QvGrid::dropEvent(QDropEvent* Event)
{
    if (!m_props.AllowEdit)
        return;
    const QString path = firstDroppedFile(Event->mimeData());
    const QPointF at = Event->position();
    qint32 row = -1;
    qint32 colIndex = -1;
    if (path.isEmpty() || !dropTarget(float(at.x()), float(at.y()), row, colIndex))
        return;
    const qint16 type = m_store.Columns().at(colIndex).ColType;
    if (type == ColCheckBox || type == ColNumber)
        SetCellValue(row, colIndex, path);
    else
        SetCellText(row, colIndex, path);
    Event->acceptProposedAction();
}

bool QvGrid::dropTarget(float X, float Y, qint32& Row, qint32& ColIndex) const
{
    const qint32 col = ColFromX(X);
    Row = RowFromY(Y);
    if (col == -1 || Row == -1)
        return false;
    // A locked row or column takes no file.
    ColIndex = m_store.ColOrder().at(col);
    return !m_store.Columns().at(ColIndex).Locked && !FlagIsSet(m_store.RowAt(Row).Flags, RowFlag::Locked);
}

void QvGrid::setHandPointer(bool Hand)
{
    if (Hand) {
        if (m_mousePointerCode != PointerHand)
            setMousePointer(PointerHand);
    } else if (m_mousePointerCode != PointerDefault) {
        setMousePointer(PointerDefault);
    }
}

void QvGrid::setMousePointer(qint32 Pointer)
{
    if (Pointer == m_mousePointerCode)
        return;
    m_mousePointerCode = Pointer;
    switch (Pointer) {
    case PointerSizeNS: viewport()->setCursor(Qt::SizeVerCursor); break;
    case PointerSizeWE: viewport()->setCursor(Qt::SizeHorCursor); break;
    case PointerHand: viewport()->setCursor(Qt::PointingHandCursor); break;
    default: viewport()->unsetCursor(); break;
    }
}

bool QvGrid::headerGesturesOn() const
{
    return m_props.AllowColumnSort || m_props.AllowColumnSwap || m_props.AllowColumnDrag;
}

} // namespace grid
