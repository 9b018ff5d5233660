#include "platform/flexgrid/FlexGrid.h"

#include "platform/flexgrid/FlexFixedHeader.h"
#include "platform/flexgrid/FlexFormatString.h"
#include "platform/flexgrid/FlexGridModel.h"
#include "platform/flexgrid/FlexMerge.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/ElidedText.h"

#include <QFontMetrics>

namespace ui {

namespace {

// Draws a scrolling cell from the model alone: the grid marks the current cell and the selection
// itself, so the view's own focus, hover and selection states are dropped. A text wider than its
// cell is drawn elided.
class FlexCellDelegate : public FittingItemDelegate {
public:
    using FittingItemDelegate::FittingItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override
    {
        FittingItemDelegate::initStyleOption(option, index);
        option->state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Selected);
    }
};

} // namespace

FlexGrid::FlexGrid(QWidget* parent) : QTableView(parent)
{
    m_cells.resize(2, 2);
    m_model = new FlexGridModel(this);
    m_fixedRowsHeader = new FlexFixedHeader(Qt::Horizontal, this);
    m_fixedColsHeader = new FlexFixedHeader(Qt::Vertical, this);
    setHorizontalHeader(m_fixedRowsHeader);
    setVerticalHeader(m_fixedColsHeader);
    setModel(m_model);
    m_corner = new FlexCorner(this);
    setCornerButtonEnabled(false);
    QAbstractItemView::setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setAutoScroll(false);
    setItemDelegate(new FlexCellDelegate(this));

    viewport()->setMouseTracking(true);
    for (QWidget* fixedArea : {m_fixedRowsHeader->viewport(), m_fixedColsHeader->viewport(), static_cast<QWidget*>(m_corner)}) {
        fixedArea->setMouseTracking(true);
        fixedArea->installEventFilter(this);
    }
    connect(m_fixedRowsHeader, &QHeaderView::sectionResized, this,
            [this](int section, int, int size) { onSectionResized(Qt::Horizontal, section, size); });
    connect(m_fixedColsHeader, &QHeaderView::sectionResized, this,
            [this](int section, int, int size) { onSectionResized(Qt::Vertical, section, size); });

    applyPalette();
    applyColumnWidths();
    applyRowHeights();
}

FlexGrid::~FlexGrid() = default;

// ---- Checks and conversions ----

void FlexGrid::raiseInvalidArgument() { throw runtime::RuntimeError(runtime::ErrorNumber::InvalidProcedureCall); }

void FlexGrid::checkRow(int row) const
{
    if (row < 0 || row >= rows())
        raiseInvalidArgument();
}

void FlexGrid::checkCol(int col) const
{
    if (col < 0 || col >= cols())
        raiseInvalidArgument();
}

// The current cell is out of the grid only while the grid has no rows or no columns.
void FlexGrid::checkCurrentCell() const
{
    checkRow(m_row);
    checkCol(m_col);
}

int FlexGrid::twipsToPixelsX(int twips) const { return qRound(twips * logicalDpiX() / 1440.0); }
int FlexGrid::twipsToPixelsY(int twips) const { return qRound(twips * logicalDpiY() / 1440.0); }
int FlexGrid::pixelsToTwipsX(int pixels) const { return qRound(pixels * 1440.0 / logicalDpiX()); }
int FlexGrid::pixelsToTwipsY(int pixels) const { return qRound(pixels * 1440.0 / logicalDpiY()); }

int FlexGrid::columnPixels(int col) const
{
    const int twips = m_cells.column(col).widthTwips;
    return twipsToPixelsX(twips < 0 ? kDefaultColWidthTwips : twips);
}

int FlexGrid::defaultRowPixels() const
{
    return std::max(QFontMetrics(font()).height() + 3, twipsToPixelsY(m_rowHeightMinTwips));
}

int FlexGrid::rowPixels(int row) const
{
    const int twips = m_cells.rowHeightTwips(row);
    if (twips == 0)
        return 0;
    if (twips < 0)
        return defaultRowPixels();
    return std::max(twipsToPixelsY(twips), twipsToPixelsY(m_rowHeightMinTwips));
}

int FlexGrid::fixedRowsHeight() const
{
    int height = 0;
    for (int row = 0; row < m_fixedRows; ++row)
        height += rowPixels(row);
    return height;
}

int FlexGrid::fixedColsWidth() const
{
    int width = 0;
    for (int col = 0; col < m_fixedCols; ++col)
        width += columnPixels(col);
    return width;
}

QModelIndex FlexGrid::bodyIndex(int row, int col) const
{
    return m_model->index(row - m_fixedRows, col - m_fixedCols);
}

// ---- Structure ----

int FlexGrid::rows() const { return m_cells.rows(); }
int FlexGrid::cols() const { return m_cells.cols(); }

void FlexGrid::setRows(int rows)
{
    if (rows < 0)
        raiseInvalidArgument();
    resizeCells(rows, cols(), std::min(m_fixedRows, rows), m_fixedCols);
}

void FlexGrid::setCols(int cols)
{
    if (cols < 0)
        raiseInvalidArgument();
    resizeCells(rows(), cols, m_fixedRows, std::min(m_fixedCols, cols));
}

void FlexGrid::setFixedRows(int fixedRows)
{
    if (fixedRows < 0 || fixedRows > rows())
        raiseInvalidArgument();
    resizeCells(rows(), cols(), fixedRows, m_fixedCols);
}

void FlexGrid::setFixedCols(int fixedCols)
{
    if (fixedCols < 0 || fixedCols > cols())
        raiseInvalidArgument();
    resizeCells(rows(), cols(), m_fixedRows, fixedCols);
}

void FlexGrid::resizeCells(int rows, int cols, int fixedRows, int fixedCols)
{
    const int oldRows = m_cells.rows();
    const int oldCols = m_cells.cols();
    if (fixedRows != m_fixedRows || fixedCols != m_fixedCols) {
        resetCells([&] {
            m_cells.resize(rows, cols);
            m_fixedRows = fixedRows;
            m_fixedCols = fixedCols;
        });
    } else {
        if (cols != oldCols) {
            const bool insert = cols > oldCols;
            m_model->beginColumns(insert, std::min(cols, oldCols) - m_fixedCols, std::abs(cols - oldCols));
            m_cells.resize(oldRows, cols);
            m_model->endColumns(insert);
        }
        if (rows != oldRows) {
            const bool insert = rows > oldRows;
            m_model->beginRows(insert, std::min(rows, oldRows) - m_fixedRows, std::abs(rows - oldRows));
            m_cells.resize(rows, cols);
            m_model->endRows(insert);
        }
        // rows come and go with the view's own layout; only new or removed columns need widths
        if (cols != oldCols)
            applyColumnWidths();
    }
    clampSelection();
    scheduleMerge();
}

// A change that moves cells between the fixed and the scrolling part: the view starts afresh and
// the layout is laid on it again.
template <class Change>
void FlexGrid::resetCells(Change change)
{
    m_model->beginReset();
    change();
    m_model->endReset();
    clearSpans();
    applyRowHeights();
    applyColumnWidths();
}

void FlexGrid::addItem(const QString& item, int index)
{
    if (index == -1)
        index = rows();
    if (index < 0 || index > rows())
        raiseInvalidArgument();
    if (index >= m_fixedRows) {
        m_model->beginRows(true, index - m_fixedRows, 1);
        m_cells.insertRow(index);
        m_model->endRows(true);
    } else {
        resetCells([&] { m_cells.insertRow(index); });
    }
    const FlexRange row{index, 0, index, cols() - 1};
    if (cols() > 0)
        m_cells.paste(row, item);
    cellsChanged(row);
}

void FlexGrid::removeItem(int index)
{
    if (index < m_fixedRows || index >= rows() || rows() - m_fixedRows <= 1)
        raiseInvalidArgument();
    m_model->beginRows(false, index - m_fixedRows, 1);
    m_cells.removeRow(index);
    m_model->endRows(false);
    clampSelection();
    scheduleMerge();
}

void FlexGrid::clear()
{
    m_cells.clearContents();
    cellsChanged({0, 0, rows() - 1, cols() - 1});
}

// ---- Texts ----

QString FlexGrid::textMatrix(int row, int col) const
{
    checkRow(row);
    checkCol(col);
    return m_cells.text(row, col);
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text)
{
    checkRow(row);
    checkCol(col);
    m_cells.setText(row, col, text);
    cellsChanged({row, col, row, col});
}

void FlexGrid::setFormatString(const QString& format)
{
    m_formatString = format;
    const FlexFormatSpec spec = parseFormatString(format);
    const int newCols = spec.columns.empty() ? cols() : int(spec.columns.size());
    const int newRows = spec.rowHeadings ? int(spec.rowHeadings->size()) : rows();
    resizeCells(newRows, newCols, std::min(m_fixedRows, newRows), std::min(m_fixedCols, newCols));

    const QFontMetrics metrics(font());
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 1;
    const auto widthOf = [&](const QString& text) { return pixelsToTwipsX(metrics.horizontalAdvance(text) + margins); };
    for (int col = 0; col < int(spec.columns.size()); ++col) {
        const FlexFormatColumn& column = spec.columns[size_t(col)];
        if (rows() > 0)
            m_cells.setText(0, col, column.heading);
        if (column.alignment)
            m_cells.column(col).alignment = *column.alignment;
        if (!column.heading.isEmpty())
            m_cells.column(col).widthTwips = widthOf(column.heading);
    }
    if (spec.rowHeadings && cols() > 0) {
        int widest = 0;
        for (int row = 0; row < int(spec.rowHeadings->size()); ++row) {
            const QString& heading = spec.rowHeadings->at(row);
            m_cells.setText(row, 0, heading);
            if (!heading.isEmpty())
                widest = std::max(widest, widthOf(heading));
        }
        if (widest > 0)
            m_cells.column(0).widthTwips = std::max(widest, colWidth(0));
    }
    applyColumnWidths();
    cellsChanged({0, 0, rows() - 1, cols() - 1});
}

void FlexGrid::cellsChanged(const FlexRange& range)
{
    if (range.bottom < range.top || range.right < range.left)
        return;
    const int top = std::max(range.top, m_fixedRows);
    const int left = std::max(range.left, m_fixedCols);
    if (top <= range.bottom && left <= range.right) {
        // a fill sets thousands of cells before the view draws again: it is told once, of them all
        if (!m_changedCells) {
            m_changedCells = FlexRange{top, left, range.bottom, range.right};
            QMetaObject::invokeMethod(this, &FlexGrid::reportChangedCells, Qt::QueuedConnection);
        } else {
            FlexRange& changed = *m_changedCells;
            changed = {std::min(changed.top, top), std::min(changed.left, left), std::max(changed.bottom, range.bottom),
                       std::max(changed.right, range.right)};
        }
    }
    if (range.top < m_fixedRows || range.left < m_fixedCols)
        updateFixedArea();
    scheduleMerge();
}

void FlexGrid::reportChangedCells()
{
    if (!m_changedCells)
        return;
    // rows or columns may have gone since
    const FlexRange changed{std::max(m_changedCells->top, m_fixedRows), std::max(m_changedCells->left, m_fixedCols),
                            std::min(m_changedCells->bottom, rows() - 1), std::min(m_changedCells->right, cols() - 1)};
    m_changedCells.reset();
    if (changed.top <= changed.bottom && changed.left <= changed.right)
        m_model->cellsChanged(bodyIndex(changed.top, changed.left), bodyIndex(changed.bottom, changed.right));
}

// ---- Merging ----

void FlexGrid::setMergeCells(int mergeCells)
{
    if (mergeCells < flexMergeNever || mergeCells > flexMergeRestrictAll)
        raiseInvalidArgument();
    m_mergeCells = mergeCells;
    if (mergeCells == flexMergeNever)
        clearSpans();
    scheduleMerge();
}

bool FlexGrid::mergeCol(int col) const
{
    checkCol(col);
    return m_cells.column(col).merge;
}

void FlexGrid::setMergeCol(int col, bool merge)
{
    checkCol(col);
    m_cells.column(col).merge = merge;
    scheduleMerge();
}

bool FlexGrid::mergeRow(int row) const
{
    checkRow(row);
    return m_cells.mergeRow(row);
}

void FlexGrid::setMergeRow(int row, bool merge)
{
    checkRow(row);
    m_cells.setMergeRow(row, merge);
    scheduleMerge();
}

// Merging is worked out once the window's code has returned to the event loop, so that filling a
// grid cell by cell does not recompute it for every cell.
void FlexGrid::scheduleMerge()
{
    if (m_mergeScheduled || m_mergeCells == flexMergeNever)
        return;
    m_mergeScheduled = true;
    // a merge applied meanwhile (as setRedraw applies it) is not worked out a second time
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_mergeScheduled)
                applyMerge();
        },
        Qt::QueuedConnection);
}

void FlexGrid::applyMerge()
{
    m_mergeScheduled = false;
    if (!m_redraw)
        return;
    clearSpans();
    for (const FlexSpan& span : computeMergeSpans(m_cells, m_mergeCells, m_fixedRows, m_fixedCols))
        setSpan(span.row - m_fixedRows, span.col - m_fixedCols, span.rowSpan, span.colSpan);
}

void FlexGrid::setRedraw(bool redraw)
{
    m_redraw = redraw;
    // the spans are set while updates are still off, so the grid is repainted once for all of them
    if (redraw && m_mergeCells != flexMergeNever)
        applyMerge();
    setUpdatesEnabled(redraw);
}

} // namespace ui
