// In-cell editing: opening the editor over the current cell, its key filter, the commit with the
// move that may follow it, and the lending of a bound control to the grid.

#include "grid/QvGrid.h"

#include "grid/GridDrawing.h"
#include "grid/GridInputFilter.h"
#include "grid/GridKeys.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include <algorithm>

namespace grid {

namespace {

// The edges of a bound control the grid sets, as the bits of its column's bind option.
namespace BindEdge {
constexpr qint32 Height = 1;
constexpr qint32 Width = 2;
constexpr qint32 Left = 4;
constexpr qint32 Top = 8;
} // namespace BindEdge

// Empty or spaces only: such an edit stores the empty text.
bool isBlank(const QString& Text)
{
    return std::all_of(Text.cbegin(), Text.cend(), [](QChar c) { return c == QLatin1Char(' '); });
}

// The horizontal part of a cell's DrawText alignment, as the editor shows its text.
Qt::Alignment editorAlignment(qint32 CellAlignment)
{
    switch (CellAlignment) {
    case 0: case 4: case 8: return Qt::AlignLeft | Qt::AlignVCenter;
    case 1: case 5: case 9: return Qt::AlignHCenter | Qt::AlignVCenter;
    default: return Qt::AlignRight | Qt::AlignVCenter;
    }
}

void setEditorColors(QWidget& Editor, OleColor Fore, OleColor Back)
{
    QPalette palette = Editor.palette();
    const QColor fore = ToQColor(TranslateColor(Fore));
    const QColor back = ToQColor(TranslateColor(Back));
    for (const auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
        palette.setColor(role, fore);
    for (const auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
        palette.setColor(role, back);
    Editor.setPalette(palette);
}

} // namespace

// The grid's own editor. The keys typed into it go to the grid's key handling first, as if the
// grid previewed them, and what that leaves passes the column's filter; nothing it receives
// travels on to the grid a second time.
class QvGrid::CellEditBox final : public QLineEdit {
public:
    explicit CellEditBox(QvGrid& Grid)
        : QLineEdit(Grid.viewport())
        , m_grid(Grid)
        , m_upper(CaseForcing::Upper, this)
        , m_lower(CaseForcing::Lower, this)
    {
        setFrame(false);
        hide();
    }

    void forceCase(CaseForcing Forcing)
    {
        setValidator(Forcing == CaseForcing::Upper   ? &m_upper
                     : Forcing == CaseForcing::Lower ? &m_lower
                                                     : nullptr);
    }

protected:
    void keyPressEvent(QKeyEvent* Event) override
    {
        if (previewedByGrid(Event) || isHidden())
            return;
        if (Event->text().isEmpty()) {
            QLineEdit::keyPressEvent(Event);
        } else {
            qint16 keyAscii = qint16(Event->text().front().unicode());
            const qint16 typed = keyAscii;
            m_grid.editorKeyPress(keyAscii);
            if (keyAscii == typed) {
                QLineEdit::keyPressEvent(Event);
            } else if (keyAscii != 0) {
                QKeyEvent changed(Event->type(), Event->key(), Event->modifiers(),
                                  QString(QChar(char16_t(keyAscii))));
                QLineEdit::keyPressEvent(&changed);
            }
        }
        Event->accept();
    }

    void keyReleaseEvent(QKeyEvent* Event) override
    {
        if (!previewedByGrid(Event))
            QLineEdit::keyReleaseEvent(Event);
        Event->accept();
    }

    void mouseDoubleClickEvent(QMouseEvent*) override { m_grid.toggleCellEdit(false); }

private:
    bool previewedByGrid(QKeyEvent* Event)
    {
        Event->accept();
        static_cast<QObject&>(m_grid).event(Event);
        return Event->isAccepted();
    }

    QvGrid& m_grid;
    CaseForcingValidator m_upper;
    CaseForcingValidator m_lower;
};

QvGrid::CellEditBox* QvGrid::createCellEditor() { return new CellEditBox(*this); }

bool QvGrid::canEditNow() const { return m_props.AllowEdit && m_store.LastRow() >= 0; }

bool QvGrid::toggleCellEdit(bool bAllowMove)
{
    if (!canEditNow())
        return false;
    if (m_editPending)
        UpdateCell(bAllowMove);
    else if (m_store.CurRow() != -1 && m_store.CurCol() != -1)
        showCellEditor(m_store.CurRow(), m_store.CurCol());
    return true;
}

QWidget* QvGrid::boundControlOf(qint32 Position) const
{
    return columnAt(Position).BoundControl.data();
}

void QvGrid::showCellEditor(qint32 Row, qint32 Col)
{
    if (m_editPending && !UpdateCell(false))
        return;
    // Without a current cell there is nothing to edit.
    if (!canEditNow() || !cellOnGrid(Row, Col))
        return;
    const qint32 column = m_store.ColOrder()[Col];
    if (m_store.Columns()[column].ColType == ColCheckBox)
        return;
    bool cancel = false;
    emit BeforeEdit(Row, column, cancel);
    if (cancel)
        return;

    m_editCol = Col;
    m_editRow = Row;
    if (QWidget* bound = boundControlOf(Col)) {
        // A control kept in another container is lent to the grid's for the edit, so that it
        // can lie over the cell.
        QWidget* container = parentWidget();
        QWidget* owner = bound->parentWidget();
        m_editParent = nullptr;
        if (container && owner && owner != container) {
            m_editParent = owner;
            bound->setParent(container);
        }
        m_editControl = bound;
        positionCellEditor();
        styleEditor(*bound, Row, column);
        bound->setEnabled(true);
        bound->show();
        bound->raise();
        bound->setFocus();
        if (auto* combo = qobject_cast<QComboBox*>(bound))
            combo->showPopup();
        m_editPending = true;
        return;
    }

    m_editControl = m_txtEdit;
    positionCellEditor();
    styleEditBox(Row, column);
    m_txtEdit->setText(m_store.CellAt(Row, column).Text);
    m_txtEdit->setSelection(0, qint32(m_txtEdit->text().size()));
    m_txtEdit->show();
    m_txtEdit->setFocus();
    m_editPending = true;
}

// The look both editors take from the cell: edit colours, the cell's bold, italic and underline
// (not in a progress-bar column, whose flags hold the progress), its font name when it has a
// look of its own, and the grid's font size.
void QvGrid::styleEditor(QWidget& Editor, qint32 Row, qint32 Col)
{
    setEditorColors(Editor, m_props.ForeColorEdit, m_props.BackColorEdit);
    const CellInfo& cell = m_store.CellAt(Row, Col);
    QFont font = Editor.font();
    if (m_store.Columns()[Col].ColType != ColProgressBar)
        SetCellFontStyle(font, cell.Flags);
    if (cell.FormatIndex != -1)
        font.setFamily(m_store.CellLook(Row, Col).FontName);
    if (m_font.pointSizeF() > 0)
        font.setPointSizeF(m_font.pointSizeF());
    else
        font.setPixelSize(m_font.pixelSize());
    Editor.setFont(font);
}

void QvGrid::styleEditBox(qint32 Row, qint32 Col)
{
    m_txtEdit->forceCase(CaseForcingOf(m_store.Columns()[Col].InputFilter));
    styleEditor(*m_txtEdit, Row, Col);
    m_txtEdit->setAlignment(editorAlignment(m_store.CellAt(Row, Col).Alignment));
}

void QvGrid::positionCellEditor()
{
    QRect rect;
    GetColRect(m_editCol, rect);
    const qint32 line = m_props.GridLineWidth;
    const qint32 left = isIndentedColumn(m_editCol) ? rect.left() : rect.left() + line;
    const qint32 right = rect.right() + 1;
    const qint32 rowTop = GetRowTop(m_editRow, -1);
    const qint32 rowHeight = m_store.RowAt(m_editRow).Height;

    QWidget* bound = boundControlOf(m_editCol);
    if (!bound) {
        m_txtEdit->setGeometry(left, rowTop + line, right - left, rowHeight - line);
        return;
    }
    // A bound control sets only the edges its bind option names, in its parent's coordinates. A
    // combo box's height is its selection field, which sits on the row's top without the line.
    const bool combo = qobject_cast<QComboBox*>(bound) != nullptr;
    const qint32 top = combo ? rowTop : rowTop + line;
    const QPoint viewportPoint(left, top);
    const QPoint globalPoint = viewport()->mapToGlobal(viewportPoint);
    const QPoint placed = bound->parentWidget() ? bound->parentWidget()->mapFromGlobal(globalPoint) : globalPoint;
    QRect geometry = bound->geometry();
    const qint32 option = columnAt(m_editCol).BindOption;
    if (option & BindEdge::Left)
        geometry.moveLeft(placed.x());
    if (option & BindEdge::Top)
        geometry.moveTop(placed.y());
    if (option & BindEdge::Height)
        geometry.setHeight(combo ? rowHeight - 2 * line : rowHeight - line);
    if (option & BindEdge::Width)
        geometry.setWidth(right - left);
    bound->setGeometry(geometry);
}

void QvGrid::editorKeyPress(qint16& KeyAscii)
{
    // A key that asked for an editor the host or the column refused has no column to filter it.
    if (!m_editPending)
        return;
    const qint32 column = m_store.ColOrder()[m_editCol];
    KeyAscii = FilterEditKey(m_store.Columns()[column].InputFilter, KeyAscii);
    emit EditKeyPress(column, KeyAscii);
}

QString QvGrid::editText() const { return m_txtEdit->text(); }

qint32 QvGrid::editSelStart() const
{
    return m_txtEdit->hasSelectedText() ? m_txtEdit->selectionStart() : m_txtEdit->cursorPosition();
}

void QvGrid::setEditText(const QString& Text, qint32 SelStart)
{
    m_txtEdit->setText(Text);
    m_txtEdit->setCursorPosition(SelStart);
}

// Hides whichever editor is open and gives a lent control back to its own container; the focus
// the editor had returns to the grid.
void QvGrid::hideCellEditor()
{
    QWidget* editor = m_editControl ? m_editControl.data() : m_txtEdit;
    const bool hadFocus = editor->hasFocus();
    if (editor != m_txtEdit && m_editParent)
        editor->setParent(m_editParent);
    editor->hide();
    m_editParent = nullptr;
    m_editControl = nullptr;
    if (hadFocus)
        setFocus();
}

void QvGrid::discardCellEdit()
{
    if (m_editPending)
        hideCellEditor();
    m_txtEdit->hide();
    m_editPending = false;
}

void QvGrid::setEditorFontSize(qreal PointSize)
{
    QFont font = m_txtEdit->font();
    font.setPointSizeF(PointSize);
    m_txtEdit->setFont(font);
}

bool QvGrid::UpdateCell(bool bAllowMove)
{
    if (!m_editPending)
        return true;
    // The host removed the edited row or column meanwhile: the edit has nowhere to go.
    if (m_editRow > m_store.LastRow() || m_editCol >= m_store.ColOrder().size()) {
        discardCellEdit();
        return true;
    }
    const qint32 column = m_store.ColOrder()[m_editCol];
    const bool bound = m_editControl != m_txtEdit;
    // A bound control hands its value back through AfterEdit alone.
    QString newValue;
    bool changed = true;
    if (!bound) {
        if (isBlank(m_txtEdit->text()))
            m_txtEdit->clear();
        newValue = m_txtEdit->text();
        changed = newValue != m_store.CellAt(m_editRow, column).Text;
    }
    if (changed) {
        bool cancel = false;
        emit AfterEdit(m_editRow, column, newValue, cancel);
        if (cancel)
            return false;
    }

    SetRedrawFlag(false);
    hideCellEditor();
    m_editPending = false;
    if (changed) {
        if (isBlank(newValue))
            newValue.clear();
        m_store.ChangeCellText(m_editRow, column, newValue);
        CalcRowHeight(m_editRow);
        setCellChanged(m_editRow, column, true);
        RefreshIfRedraw();
    }
    if (bAllowMove) {
        if (moveAfterEdit() == MoveAfterEdit::Right)
            m_store.SetCurCol(NextSelectableCol(false));
        else if (moveAfterEdit() == MoveAfterEdit::Down)
            m_store.SetCurRow(selectableRowBelow(1, false));
        qint32 from = -1;
        qint32 to = -1;
        SelectRowRange(false, from, to);
        const qint32 current = m_store.CurCol();
        RowColSet(m_store.CurRow(), current == -1 ? -1 : m_store.ColOrder()[current]);
    }
    SetRedrawFlag(true);
    // A refitted row may change how many rows fit.
    if (changed)
        UpdateScrollBars();
    drawGrid(m_paintEnabled);
    return true;
}

void QvGrid::ForceCellEdit(qint32 lNewRow, qint32 lNewCol, bool bBlankCell)
{
    RowColSet(lNewRow, lNewCol);
    if (m_store.LastRow() == -1)
        return;
    const bool allowEdit = m_props.AllowEdit;
    m_lastKeyCode = VirtualKey::F2;
    m_props.AllowEdit = true;
    showCellEditor(m_store.CurRow(), m_store.CurCol());
    m_props.AllowEdit = allowEdit;
    if (bBlankCell)
        m_txtEdit->clear();
}

} // namespace grid
