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
    OnMouseDown(buttonCode(Event->button()), ShiftFromModifiers(Event->modifiers()), float(at.x()), float(at.y()));
}

void QvGrid::mouseMoveEvent(QMouseEvent* Event)
{
    const QPointF at = Event->position();
    OnMouseMove(buttonCode(Event->buttons()), ShiftFromModifiers(Event->modifiers()), float(at.x()), float(at.y()));
    OnMouseInside();
}

void QvGrid::mouseReleaseEvent(QMouseEvent* Event)
{
    const QPointF at = Event->position();
    const qint16 button = buttonCode(Event->button());
    OnMouseUp(button, ShiftFromModifiers(Event->modifiers()), float(at.x()), float(at.y()));
    // A click is a left press and release; the release that ends a double-click is none.
    if (button == LeftButton && !m_doubleClicked && viewport()->rect().contains(at.toPoint()))
        OnClick();
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
    OnDblClick();
}

void QvGrid::OnMouseDown(qint16 Button, qint16 Shift, float X, float Y)
{
    CancelToolTip();
    LockedRowHit = false;
    LockedColHit = false;
    ShiftState = Shift;
    bool selectionChanged = false;
    if (Button != 0 && m_store.LastRow() >= 0) {
        LastKeyCode = 0;
        AutoScrollDirection = 0;
        const qint32 col = ColFromX(X);
        const qint32 row = ResizeRow != -1 ? ResizeRow : RowFromY(Y);
        PressX = RoundHalfEven(X);
        if (Button & (RightButton | MiddleButton)) {
            AnchorRow = row;
            if (row != -1 && !(RowSelected(row) && m_p.MultiSelect != 0) && UpdateCell(false)) {
                SetCurrentCell(row, col, false, true);
                selectionChanged = selectOnly(row);
                DrawGrid(m_paintEnabled);
            }
        } else if (Button & LeftButton) {
            if (row != -1 && RowLocked(row)) {
                LockedRowHit = true;
                LockedColHit = true;
                return;
            }
            AnchorRow = row;
            DragSelectArmed = true;
            if (Y < HeaderHeight && headerGesturesOn() && MousePointerCode != PointerSizeWE) {
                PressedCol = col;
                if (col != -1)
                    DrawColumnHeader(col, 3, false, false);
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
    if (X <= RowNumberWidth + 15 && m_p.RowCheckBoxes) {
        // The row's check box: toggled without touching the selection or the current cell.
        DragSelectArmed = false;
        qint16& flags = m_store.RowAt(Row).Flags;
        SetFlagBit(flags, RowFlag::Checked, !FlagIsSet(flags, RowFlag::Checked));
        emit RowCheckChanged(Row);
        displayChanged = true;
    } else {
        if (Col != -1 && columnAt(Col).ColType == ColCheckBox && CanEditNow())
            displayChanged = toggleCheckBoxAt(Row, Col, X, Y);
        selectionChanged = applyClickSelection(Row, Shift);
        displayChanged = SetCurrentCell(Row, Col, false, true) || displayChanged || selectionChanged;
    }
    if ((Col != -1 && columnAt(Col).ColType == ColPushButton) || displayChanged)
        DrawGrid(m_paintEnabled);
    return selectionChanged;
}

bool QvGrid::toggleCheckBoxAt(qint32 Row, qint32 Col, float X, float Y)
{
    const qint32 colIndex = m_store.ColOrder().at(Col);
    const QRect box = CellPartRect(Row, Col, GetRowTop(Row, -1), 1);
    if (X < box.left() || Y < box.top() || X > box.left() + CheckBoxSize || Y > box.top() + CheckBoxSize)
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
    SetCellChanged(Row, colIndex, true);
    return true;
}

bool QvGrid::applyClickSelection(qint32 Row, qint16 Shift)
{
    const qint32 mode = m_p.MultiSelect;
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

void QvGrid::OnMouseMove(qint16 Button, qint16 Shift, float X, float Y)
{
    LockedColHit = false;
    if (m_store.LastRow() < 0) {
        emit MouseMove(Button, Shift, X, Y);
        return;
    }
    const qint32 col = ColFromX(X);
    const qint32 row = RowFromY(Y);
    if (col != HoverCol || row != HoverRow) {
        HideToolTip();
        HoverCol = col;
        HoverRow = row;
        if (row != -1)
            ShowToolTipDelayed(row, col);
        else
            CancelToolTip();
    }
    if (headerGesturesOn() && PressedCol != -1)
        DrawColumnHeader(PressedCol, row == -1 && PressedCol == HoverCol ? 3 : 1, false, false);
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
    if (!m_p.AllowColumnHover || EditPending())
        return;
    if (Y >= HeaderHeight) {
        if (HotHeader != -1)
            DrawColumnHeaders(false);
    } else if (HoverCol != HotHeader) {
        DrawColumnHeaders(false);
        DrawColumnHeader(HoverCol, 2, false, false);
        HotHeader = HoverCol;
    }
}

void QvGrid::findDivider(float X, float Y)
{
    // Every scan forgets the dividers of the last one, so a press away from a divider resizes
    // nothing.
    ResizeRow = -1;
    ResizeCol = -1;
    qint32 pointer = PointerDefault;
    if (HoverRow != -1) {
        if (m_p.AllowRowResizing) {
            for (qint32 r = NextVisibleRow(SBGetValue(1)); r <= m_store.LastRow(); r = NextVisibleRow(r + 1)) {
                const qint32 y = GetRowTop(r) + m_store.RowAt(r).Height;
                if (y - 4 < Y && Y < y + 4) {
                    pointer = PointerSizeNS;
                    ResizeRow = RowFromY(Y - 8);
                    ResizeOriginY = RoundHalfEven(Y - m_store.RowAt(HoverRow).Height);
                    break;
                }
            }
        }
    } else if (m_p.AllowColumnResizing) {
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
                ResizeCol = c;
                ResizeOriginX = RoundHalfEven(X - column.WidthPx);
                break;
            }
        }
    }
    SetMousePointer(pointer);
}

void QvGrid::dragWithLeftButton(qint16 Shift, float X, float Y)
{
    if (ResizeRow != -1) {
        const qint32 height = RoundHalfEven(Y - ResizeOriginY);
        if (height > RowHeightPx()) {
            m_store.RowAt(ResizeRow).Height = height;
            RowLayoutChanged();
            DrawGrid(m_paintEnabled);
        }
    } else if (ResizeCol == -1) {
        if (AnchorRow != -1)
            dragOverRows(Shift, Y);
        else if (!EditPending())
            dragHeader(X);
    }
    if (ResizeCol != -1) {
        const qint32 width = RoundHalfEven(X - ResizeOriginX);
        if (width >= 5) {
            ColumnInfo& column = m_store.Column(m_store.ColOrder().at(ResizeCol));
            column.WidthPx = width;
            column.Width = float(PixelsToScaleX(width));
            DrawGrid(m_paintEnabled);
            emit ColumnSizeChanged(m_store.ColOrder().at(ResizeCol), column.BindOption);
            if (EditPending())
                PositionCellEditor();
        }
    }
}

void QvGrid::dragOverRows(qint16 Shift, float Y)
{
    if (!DragSelectArmed)
        return;
    if (Y < 0) {
        ScrollToRow(1);
    } else if (Y > viewport()->height()) {
        ScrollToRow(2);
    } else if (Shift == 0 && HoverRow >= 0) {
        // Back over the rows: a running auto-scroll stops, else the selection follows the mouse.
        if (AutoScrollDirection != 0) {
            AutoScrollDirection = 0;
            return;
        }
        qint32 from = -1;
        qint32 to = -1;
        SelectRowRange(false, from, to);
        from = m_p.MultiSelect != 0 ? AnchorRow : HoverRow;
        to = HoverRow;
        SelectRowRange(true, from, to);
        if (SetCurrentCell(HoverRow, HoverCol, false, true)) {
            emit SelectionChanged();
            DrawGrid(m_paintEnabled);
        }
    }
}

void QvGrid::dragHeader(float X)
{
    qint32* moving = m_p.AllowColumnSwap ? &SwapCol : m_p.AllowColumnDrag ? &DragCol : nullptr;
    if (moving == nullptr)
        return;
    DrawColumnHeaders(true);
    if (*moving == -1) {
        *moving = PressedCol;
    } else if (*moving >= 0) {
        // The moving header follows the mouse.
        m_store.Column(m_store.ColOrder().at(*moving)).Left += RoundHalfEven(X) - PressX;
        DrawColumnHeader(*moving, 3, true, false);
    }
}

void QvGrid::showHandPointer()
{
    if (HoverRow == -1)
        return;
    // The row-sizing pointer stays while the mouse is on a row divider.
    if (MousePointerCode == PointerSizeNS)
        return;
    SetHandPointer(cellOnGrid(HoverRow, HoverCol)
                   && m_store.CellLook(HoverRow, m_store.ColOrder().at(HoverCol)).HandPointer);
}

void QvGrid::OnMouseUp(qint16 Button, qint16 Shift, float X, float Y)
{
    if (m_store.Cols() == 0)
        return;
    if (Button & LeftButton) {
        const qint32 col = ColFromX(X);
        const qint32 row = RowFromY(Y);
        if (row != -1 && RowLocked(row)) {
            LockedRowHit = true;
            LockedColHit = true;
            SelectedClearAll();
            RowColSet(-1, -1);
            if (col != -1)
                emit ColumnClick(m_store.ColOrder().at(col));
            endGestures();
            return;
        }
        if (SwapCol == -1 && DragCol == -1)
            releaseWithoutHeaderMove(Shift, X, Y, col, row);
        if (DragCol != -1 && col != -1 && col != DragCol) {
            QList<qint32> order = m_store.ColOrder();
            // The column last clicked stays the current one at its new place.
            const qint32 current = NavColumn >= 0 && NavColumn < order.size() ? order.at(NavColumn) : -1;
            order.insert(col, order.takeAt(DragCol));
            m_store.SetColOrder(order);
            if (current != -1)
                RowColSet(-1, current);
            DrawGrid(m_paintEnabled);
            emit ColumnOrderChanged(col, DragCol);
        }
        if (SwapCol != -1 && col != -1) {
            QList<qint32> order = m_store.ColOrder();
            order.swapItemsAt(SwapCol, col);
            m_store.SetColOrder(order);
            DrawGrid(m_paintEnabled);
            emit ColumnOrderChanged(col, SwapCol);
        }
    }
    DragSelectArmed = false;
    if (cellOnGrid(HoverRow, HoverCol)) {
        const qint32 colIndex = m_store.ColOrder().at(HoverCol);
        if (m_store.Columns().at(colIndex).ColType == ColPushButton) {
            DrawGrid(m_paintEnabled);
            emit CellButtonClick(HoverRow, colIndex);
        }
        if (MousePointerIsCustom()) {
            const qint32 current = m_store.CurCol();
            emit CellHandClick(HoverRow, current == -1 ? -1 : m_store.ColOrder().at(current), ShiftState);
        }
    } else if (AnchorRow == -1) {
        DrawGrid(m_paintEnabled);
    }
    endGestures();
    emit MouseUp(Button, Shift, X, Y);
    ShiftState = Shift;
}

void QvGrid::releaseWithoutHeaderMove(qint16 Shift, float X, float Y, qint32 Col, qint32 Row)
{
    if (ResizeCol != -1 || ResizeRow != -1) {
        UpdateScrollBars();
        DrawGrid(m_paintEnabled);
    } else if (Row != -1) {
        if (AnchorRow == -1) {
            DrawColumnHeaders(false);
        } else if (cellOnGrid(HoverRow, HoverCol)) {
            NavColumn = HoverCol;
            releaseOnCell(X, Y);
            emit ColumnClick(m_store.ColOrder().at(HoverCol));
        }
    } else {
        if (PressedCol != -1 && Col == PressedCol) {
            if (m_p.AllowColumnSort)
                sortByHeader(Shift);
            else
                DrawColumnHeaders(false);
        }
        if (Col != -1)
            emit ColumnClick(m_store.ColOrder().at(Col));
    }
}

void QvGrid::releaseOnCell(float X, float Y)
{
    const qint32 colIndex = m_store.ColOrder().at(HoverCol);
    const QRect image = CellPartRect(HoverRow, HoverCol, GetRowTop(HoverRow, -1), 2);
    const bool onImage =
        X >= image.left() && Y >= image.top() && X <= image.left() + ImageWidth && Y <= image.top() + ImageHeight;
    if (m_store.CellLook(HoverRow, colIndex).ImageIndex != 0) {
        if (onImage)
            emit CellImageClick(HoverRow, colIndex);
    } else if (FlagIsSet(m_store.CellAt(HoverRow, colIndex).Flags, CellFlag::WordWrap) && onImage) {
        // The expand image of a wrapped cell: a one-line row grows to fit its text, any other
        // row goes back to one line.
        const qint32 oneLine = HeaderTextHeight + 2 * m_p.MinVerticalOffset + 2;
        SetRowHeight(m_store.CurRow(), qint32(RowHeight(HoverRow)) == oneLine ? -1.0f : float(oneLine));
    }
}

void QvGrid::sortByHeader(qint16 Shift)
{
    // Sort keeps column indexes; the pressed header is a display position.
    const qint32 pressed = m_store.ColOrder().at(PressedCol);
    if ((Shift & ShiftMask::Ctrl) && SortCol1 != -1) {
        if (SortCol2 != pressed)
            m_store.Column(pressed).SortState = 0;
        Sort(SortCol1, m_store.Columns().at(SortCol1).SortState, pressed, -1);
    } else {
        if (SortCol1 != pressed) {
            m_store.Column(pressed).SortState = 0;
            SortCol2 = -1;
        }
        Sort(pressed, -1, SortCol2, SortCol2 == -1 ? -1 : m_store.Columns().at(SortCol2).SortState);
    }
    RowColSet(-1, pressed);
}

void QvGrid::endGestures()
{
    PressedCol = -1;
    SwapCol = -1;
    DragCol = -1;
    ResizeCol = -1;
    DragSelectArmed = false;
    AutoScrollDirection = 0;
    if (AnchorRow == -1)
        DrawColumnHeaders(false);
}

void QvGrid::OnClick()
{
    if (HoverRow != -1 && !RowLocked(HoverRow) && (m_p.EditTrigger & EditTriggerBit::Click))
        ToggleCellEdit(false);
    if (AnchorRow != -1) {
        emit Click();
        emit CellClick(HoverRow, HoverCol, ShiftState);
    }
}

void QvGrid::OnDblClick()
{
    if (HoverRow != -1 && !RowLocked(HoverRow) && (m_p.EditTrigger & EditTriggerBit::DoubleClick)) {
        LastKeyCode = VirtualKey::F2;
        ToggleCellEdit(false);
    }
    if (AnchorRow != -1) {
        emit DblClick();
        return;
    }
    if (MousePointerCode == PointerSizeWE && m_p.AllowColumnResizing && HoverCol >= 0 && HoverCol < m_store.Cols())
        ColWidthAutoSize(m_store.ColOrder().at(HoverCol));
}

void QvGrid::dragEnterEvent(QDragEnterEvent* Event)
{
    if (m_p.AllowEdit && !firstDroppedFile(Event->mimeData()).isEmpty())
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
    if (!m_p.AllowEdit)
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

void QvGrid::SetHandPointer(bool Hand)
{
    if (Hand) {
        if (MousePointerCode != PointerHand)
            SetMousePointer(PointerHand);
    } else if (MousePointerCode != PointerDefault) {
        SetMousePointer(PointerDefault);
    }
}

void QvGrid::SetMousePointer(qint32 Pointer)
{
    if (Pointer == MousePointerCode)
        return;
    MousePointerCode = Pointer;
    switch (Pointer) {
    case PointerSizeNS: viewport()->setCursor(Qt::SizeVerCursor); break;
    case PointerSizeWE: viewport()->setCursor(Qt::SizeHorCursor); break;
    case PointerHand: viewport()->setCursor(Qt::PointingHandCursor); break;
    default: viewport()->unsetCursor(); break;
    }
}

bool QvGrid::headerGesturesOn() const
{
    return m_p.AllowColumnSort || m_p.AllowColumnSwap || m_p.AllowColumnDrag;
}

} // namespace grid
