// The grid's key handling: key-down, key press and key-up, key by key, before the host hears of
// them.

#include "grid/GridKeys.h"
#include "grid/QvGrid.h"

#include "platform/runtime/RuntimeError.h"

#include <QKeyEvent>

#include <algorithm>

namespace grid {

namespace {

// MultiSelect bits read here.
constexpr qint32 MultiShiftArrows = 1;
constexpr qint32 MultiCtrlA = 2;

bool has(qint32 Bits, qint32 Bit) { return (Bits & Bit) != 0; }

} // namespace

void QvGrid::keyPressEvent(QKeyEvent* Event)
{
    bool usedUp = false;
    if (const qint16 code = VirtualKeyFromQt(Event->key(), Event->modifiers())) {
        qint16 keyCode = code;
        qint16 shift = ShiftFromModifiers(Event->modifiers());
        handleKeyDown(keyCode, shift);
        usedUp = keyCode == 0;
    }
    if (qint16 ascii = KeyAsciiFromQt(Event->key(), Event->modifiers(), Event->text())) {
        handleKeyPress(ascii);
        usedUp = usedUp || ascii == 0;
    }
    Event->setAccepted(usedUp);
}

void QvGrid::keyReleaseEvent(QKeyEvent* Event)
{
    // A held key repeats its key-down alone, as on Windows.
    if (Event->isAutoRepeat())
        return;
    qint16 keyCode = VirtualKeyFromQt(Event->key(), Event->modifiers());
    qint16 shift = ShiftFromModifiers(Event->modifiers());
    handleKeyUp(keyCode, shift);
    Event->setAccepted(keyCode == 0);
}

void QvGrid::handleKeyDown(qint16& KeyCode, qint16& Shift)
{
    const qint16 incoming = KeyCode;
    KeyMove move{m_store.CurRow(), m_store.CurCol()};
    hideToolTip();
    m_lockedRowHit = false;
    m_lockedColHit = false;
    m_shiftState = Shift;
    SetRedrawFlag(false);
    try {
        applyKey(KeyCode, Shift, move);
    } catch (const runtime::RuntimeError&) {
        // A key that met a row or column gone from under it does nothing more.
    }
    SetRedrawFlag(true);
    if (KeyCode == 0)
        finishKeyMove(move);
    // The host hears the key as it came in, whatever the grid did with it.
    qint16 hostCode = incoming;
    emit KeyDown(hostCode, Shift);
}

// A used-up key ends by selecting the row it moved to (alone, unless the key keeps the others)
// and making the cell current; the page keys only repaint.
void QvGrid::finishKeyMove(KeyMove& Move)
{
    if (m_lastKeyCode == VirtualKey::Prior || m_lastKeyCode == VirtualKey::Next) {
        if (Move.needRepaint)
            drawGrid(m_paintEnabled);
        return;
    }
    if (Move.newRow >= 0 && Move.newRow <= m_store.LastRow()) {
        qint32 from = -1;
        qint32 to = -1;
        if (Move.clearOthers && m_store.CurRow() != Move.newRow && SelectRowRange(false, from, to))
            Move.needRepaint = true;
        qint16& flags = m_store.RowAt(Move.newRow).Flags;
        if (!FlagIsSet(flags, RowFlag::Selected)) {
            SetFlagBit(flags, RowFlag::Selected, true);
            Move.needRepaint = true;
            emit SelectionChanged();
        }
    }
    if (setCurrentCell(Move.newRow, Move.newCol, true, true) || Move.needRepaint)
        drawGrid(m_paintEnabled);
}

void QvGrid::applyKey(qint16& KeyCode, qint16 Shift, KeyMove& Move)
{
    const bool ctrl = has(Shift, ShiftMask::Ctrl);
    switch (KeyCode) {
    case VirtualKey::Return:
    case VirtualKey::Escape:
        m_lastKeyCode = KeyCode;
        Move.clearOthers = false;
        // With typing as a trigger the key press handles both.
        if (has(EditTrigger(), EditTriggerBit::Typing)) {
            KeyCode = 0;
        } else if (KeyCode == VirtualKey::Escape) {
            discardCellEdit();
            KeyCode = 0;
        } else if (toggleCellEdit(false)) {
            KeyCode = 0;
        }
        break;
    case VirtualKey::Insert:
        m_lastKeyCode = KeyCode;
        if (AllowInsert() && !EditPending())
            applyInsertKey(Move);
        KeyCode = 0;
        break;
    case VirtualKey::Delete:
        // While editing the key deletes in the editor.
        if (AllowDelete() && !EditPending()) {
            applyDeleteKey(Move);
            if (Move.newRow > m_store.LastRow())
                Move.newRow = -1;
            KeyCode = 0;
        }
        break;
    case VirtualKey::F2:
        Move.clearOthers = false;
        m_lastKeyCode = KeyCode;
        if (has(EditTrigger(), EditTriggerBit::F2) && toggleCellEdit(false))
            KeyCode = 0;
        break;
    case VirtualKey::Space:
        applySpaceKey(KeyCode, Move);
        Move.clearOthers = false;
        break;
    case VirtualKey::A:
        Move.clearOthers = false;
        if (ctrl && has(MultiSelect(), MultiCtrlA)) {
            m_clipboardKeyDown = true;
            qint32 from = -1;
            qint32 to = -1;
            SelectRowRange(true, from, to);
            emit SelectionChanged();
            KeyCode = 0;
        }
        break;
    case VirtualKey::C:
    case VirtualKey::V:
        // The grid copies and pastes nothing itself; the host may.
        if (ctrl)
            m_clipboardKeyDown = true;
        break;
    case VirtualKey::Up:
    case VirtualKey::Down:
    case VirtualKey::Left:
    case VirtualKey::Right:
    case VirtualKey::Prior:
    case VirtualKey::Next:
        applyRowKey(KeyCode, Shift, Move);
        break;
    case VirtualKey::Home:
    case VirtualKey::End:
        applyHomeEndKey(KeyCode, Shift, Move);
        break;
    default:
        break;
    }
}

// The arrows and the page keys.
void QvGrid::applyRowKey(qint16& KeyCode, qint16 Shift, KeyMove& Move)
{
    const qint16 key = KeyCode;
    switch (key) {
    case VirtualKey::Up:
    case VirtualKey::Down:
        m_lastKeyCode = key;
        if (m_store.LastRow() == -1 || (key == VirtualKey::Up && m_store.CurRow() == -1))
            return;
        if (has(Shift, ShiftMask::Shift) && has(MultiSelect(), MultiShiftArrows))
            Move.clearOthers = false;
        if (!UpdateCell(false))
            return;
        if (const qint32 row = findUnlockedRow(key == VirtualKey::Up);
            row >= RowFirstVisible() && row <= RowLastVisible()) {
            Move.newRow = row;
        } else if (SBGetVisible(1)) {
            Move.newRow = row;
            SBSetValue(1, row);
        }
        KeyCode = 0;
        return;
    case VirtualKey::Left:
    case VirtualKey::Right:
        if (!EditPending()) {
            Move.newCol = key == VirtualKey::Left ? PrevSelectableCol(false) : NextSelectableCol(false);
            m_lastKeyCode = 0;
            KeyCode = 0;
        } else if (m_lastKeyCode != VirtualKey::F2) {
            // Past either end of the text the arrow leaves the cell.
            const bool atEdge = key == VirtualKey::Left ? editSelStart() == 0 : editSelStart() == editText().size();
            if (atEdge) {
                m_lastKeyCode = key;
                if (toggleCellEdit(false))
                    KeyCode = 0;
            }
        }
        return;
    case VirtualKey::Prior:
        m_lastKeyCode = key;
        if (!EditPending() && UpdateCell(false) && m_store.CurRow() != -1) {
            SBSetValue(1, std::max(pageUpTopRow(RowFirstVisible()), 0));
            Move.needRepaint = true;
        }
        KeyCode = 0;
        return;
    case VirtualKey::Next:
        m_lastKeyCode = key;
        if (!EditPending() && UpdateCell(false) && m_store.CurRow() < m_store.LastRow()) {
            SBSetValue(1, std::min(RowLastVisible(), m_store.LastRow()));
            Move.needRepaint = true;
        }
        KeyCode = 0;
        return;
    default:
        return;
    }
}

void QvGrid::applyHomeEndKey(qint16& KeyCode, qint16 Shift, KeyMove& Move)
{
    const bool home = KeyCode == VirtualKey::Home;
    m_lastKeyCode = KeyCode;
    if (Shift == 0) {
        // Alone the key goes to the first or last column; while editing it moves the caret.
        if (EditPending())
            return;
        Move.newCol = home ? NextSelectableCol(true) : PrevSelectableCol(true);
        SBSetValue(0, home ? SBGetMin(0) : SBGetMax(0));
        KeyCode = 0;
        return;
    }
    const bool shift = has(Shift, ShiftMask::Shift);
    if (!shift && !has(Shift, ShiftMask::Ctrl))
        return;
    if (!UpdateCell(false))
        return;
    if (shift && MultiSelect() != 0) {
        Move.clearOthers = false;
        SelectedClearAll();
        // Shift+Home selects the rows above the current one here and the first row by the move.
        qint32 from = home ? 1 : m_store.CurRow();
        qint32 to = home ? m_store.CurRow() : -1;
        if (!home || to >= 1)
            SelectRowRange(true, from, to);
        emit SelectionChanged();
    }
    Move.newRow = home ? 0 : m_store.LastRow();
    SBSetValue(1, home ? SBGetMin(1) : SBGetMax(1));
    KeyCode = 0;
}

void QvGrid::applyInsertKey(KeyMove& Move)
{
    bool cancel = false;
    emit BeforeInsert(m_store.CurRow(), cancel);
    if (cancel)
        return;
    const qint32 current = m_store.CurRow();
    const qint32 row = AddItem(QString(), std::max(current, 0), false, true, false, true, 0);
    // The old current row moved down under the new one.
    if (current != -1)
        m_store.SetCurRow(current + 1);
    RowColSet(row, -1);
    emit AfterInsert(m_store.CurRow());
    Move.needRepaint = true;
}

void QvGrid::applyDeleteKey(KeyMove& Move)
{
    const qint32 row = m_store.CurRow();
    if (m_store.LastRow() == -1 || row == -1)
        return;
    bool cancel = false;
    if (FocusRectMode() == 2) {
        // With a focus frame on the cell the key clears the cell instead of removing the row.
        const qint32 position = m_store.CurCol();
        if (position == -1)
            return;
        const qint32 col = m_store.ColOrder().at(position);
        const ColumnInfo& column = m_store.Columns().at(col);
        if (column.ColType == ColCheckBox || column.Locked)
            return;
        emit BeforeEdit(row, col, cancel);
        emit BeforeDelete(row, cancel);
        if (cancel)
            return;
        m_store.ChangeCellText(row, col, QString());
        setCellChanged(row, col, true);
        QString newText;
        emit AfterEdit(row, col, newText, cancel);
        emit AfterDelete();
        Move.needRepaint = true;
        return;
    }
    emit BeforeDelete(row, cancel);
    if (cancel)
        return;
    m_store.RemoveItem(-1);
    emit AfterDelete();
    Move.needRepaint = true;
}

void QvGrid::applySpaceKey(qint16& KeyCode, KeyMove& Move)
{
    const qint32 row = m_store.CurRow();
    const qint32 position = m_store.CurCol();
    const qint16 colType = position == -1 ? qint16(-1) : columnAt(position).ColType;
    if (RowCheckBoxes() && row != -1) {
        m_clipboardKeyDown = true;
        Move.needRepaint = true;
        qint16& flags = m_store.RowAt(row).Flags;
        SetFlagBit(flags, RowFlag::Checked, !FlagIsSet(flags, RowFlag::Checked));
        emit RowCheckChanged(row);
        KeyCode = 0;
    } else if (MousePointerIsCustom()) {
        // The hand marks the cell under the mouse: the click is that cell's.
        emit CellHandClick(m_hoverRow, MouseCol(), m_shiftState);
    } else if (colType == ColPushButton) {
        // The button of the current cell.
        emit CellButtonClick(row, Col());
    } else if (colType == ColCheckBox && row != -1 && canEditNow()) {
        Move.needRepaint = true;
        const qint32 col = m_store.ColOrder().at(position);
        bool cancel = false;
        emit BeforeEdit(row, col, cancel);
        if (!cancel) {
            QString text = FlagIsSet(m_store.CellAt(row, col).Flags, CellFlag::Checked) ? QStringLiteral("False")
                                                                                          : QStringLiteral("True");
            // The text carries the mark: "True" checks the cell.
            m_store.ChangeCellText(row, col, text);
            setCellChanged(row, col, true);
            emit AfterEdit(row, col, text, cancel);
            drawGrid(true);
        }
        KeyCode = 0;
    }
}

void QvGrid::handleKeyPress(qint16& KeyAscii)
{
    if (!KeyboardEnabled())
        return;
    bool handled = false;
    try {
        if (has(EditTrigger(), EditTriggerBit::Typing)) {
            if (EditPending()) {
                if (KeyAscii == VirtualKey::Escape) {
                    discardCellEdit();
                    KeyAscii = 0;
                    handled = true;
                } else if (KeyAscii == VirtualKey::Return && toggleCellEdit(true)) {
                    KeyAscii = 0;
                    handled = true;
                }
            } else if ((KeyAscii == VirtualKey::Return || KeyAscii >= VirtualKey::Space) && toggleCellEdit(false)
                       && EditPending()) {
                // Enter opens the editor on the cell's text; a typed character replaces it.
                editorKeyPress(KeyAscii);
                if (KeyAscii != 0 && KeyAscii != VirtualKey::Return)
                    setEditText(QString(QChar(char16_t(quint16(KeyAscii)))), 1);
            }
        }
        if ((KeyAscii == VirtualKey::Return || KeyAscii == VirtualKey::Escape)
            && has(EditTrigger(), EditTriggerBit::SwallowsEnterEscape)) {
            KeyAscii = 0;
            handled = true;
        } else if (!m_clipboardKeyDown && !EditPending() && IsCharAlphaNumeric(KeyAscii)) {
            typeAhead(QChar(char16_t(quint16(KeyAscii))));
        }
    } catch (const runtime::RuntimeError&) {
        // As a key-down: a key that met a row or column gone from under it does nothing more.
    }
    if (!handled)
        emit KeyPress(KeyAscii);
}

void QvGrid::typeAhead(QChar Typed)
{
    if (TickCount() - m_searchTick >= 1000)
        m_searchBuffer = Typed;
    else
        m_searchBuffer += Typed;
    m_searchTick = TickCount();

    qint32 row = -1;
    try {
        row = FindItem(m_searchBuffer, SearchColumn(), qint32(TextMatch::SameInitialAtOrAfter), false, 0);
    } catch (const runtime::RuntimeError&) {
        // A SearchColumn outside the columns finds nothing.
    }
    if (row == -1)
        return;
    SBSetValue(1, std::min(row, SBGetMax(1)));
    // The found row becomes current without being selected.
    setCurrentCell(row, m_store.CurCol(), true, true);
    drawGrid(m_paintEnabled);
}

void QvGrid::handleKeyUp(qint16& KeyCode, qint16& Shift)
{
    m_clipboardKeyDown = false;
    emit KeyUp(KeyCode, Shift);
    m_shiftState = Shift;
}

} // namespace grid
