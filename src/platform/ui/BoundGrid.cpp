#include "platform/ui/BoundGrid.h"

#include "platform/db/Connection.h"
#include "platform/runtime/Format.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/ui/ElidedText.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WaitPointer.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <limits>

namespace ui {

namespace {

const QStringList kNoFields;

// The column headings; the pointer resting on one drawn cut shows its whole caption as a tooltip.
class BoundGridHeadings : public QHeaderView {
public:
    explicit BoundGridHeadings(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
    {
        // as a table view's own headings
        setSectionsClickable(true);
        setHighlightSections(true);
    }

protected:
    bool viewportEvent(QEvent* event) override
    {
        if (event->type() == QEvent::ToolTip) {
            const auto* help = static_cast<QHelpEvent*>(event);
            const int section = logicalIndexAt(help->pos());
            if (section >= 0) {
                QStyleOptionHeader heading;
                const DrawnText drawn = drawnHeading(section, heading);
                if (showWholeTextWhereCut(*help, viewport(), heading.rect, drawn, heading.text))
                    return true;
            }
        }
        return QHeaderView::viewportEvent(event);
    }

private:
    // How the heading of a section draws its caption, as the style lays the label out (a heading
    // of a selected column is drawn bold).
    DrawnText drawnHeading(int section, QStyleOptionHeader& heading) const
    {
        initStyleOption(&heading);
        initStyleOptionForIndex(&heading, section);
        heading.rect = QRect(sectionViewportPosition(section), 0, sectionSize(section), viewport()->height());
        QFont font = this->font();
        if (heading.state & QStyle::State_On)
            font.setBold(true);
        return {heading.text, font, int(heading.textAlignment),
                style()->subElementRect(QStyle::SE_HeaderLabel, &heading, this)};
    }
};

} // namespace

void BoundRowsModel::bind(std::unique_ptr<db::RowReader> reader)
{
    beginResetModel();
    m_reader = std::move(reader);
    m_layout.clear();
    for (const QString& name : fieldNames())
        m_layout.push_back({.caption = name});
    m_rows = db::RowStore(int(m_layout.size()));
    m_rowCount = 0;
    if (m_reader)
        m_reader->fetch(m_rows, kBatchRows);
    m_rowCount = m_rows.rowCount();
    endResetModel();
}

const QStringList& BoundRowsModel::fieldNames() const { return m_reader ? m_reader->columns() : kNoFields; }

int BoundRowsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rowCount;
}

int BoundRowsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_layout.size());
}

QVariant BoundRowsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const BoundColumnLayout& column = m_layout.at(index.column());
    switch (role) {
    case Qt::DisplayRole: return runtime::Format(value(index.row(), index.column()), column.numberFormat);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(column.alignment);
    default:
        return {};
    }
}

QVariant BoundRowsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < int(m_layout.size()))
        return m_layout.at(section).caption;
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags BoundRowsModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool BoundRowsModel::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && m_reader && !m_reader->atEnd();
}

void BoundRowsModel::fetchMore(const QModelIndex& parent)
{
    if (canFetchMore(parent))
        read(kBatchRows);
}

void BoundRowsModel::fetchAll()
{
    if (canFetchMore({}))
        read(std::numeric_limits<int>::max());
}

void BoundRowsModel::read(int count)
{
    m_reader->fetch(m_rows, count);
    if (m_rows.rowCount() == m_rowCount)
        return;
    beginInsertRows({}, m_rowCount, m_rows.rowCount() - 1);
    m_rowCount = m_rows.rowCount();
    endInsertRows();
}

void BoundRowsModel::layoutChangedForColumns()
{
    if (!m_layout.empty()) {
        emit headerDataChanged(Qt::Horizontal, 0, int(m_layout.size()) - 1);
        if (m_rowCount > 0)
            emit dataChanged(index(0, 0), index(m_rowCount - 1, int(m_layout.size()) - 1));
    }
}

void AdoDataControl::Refresh()
{
    if (!m_connection)
        throw runtime::RuntimeError(runtime::ErrorNumber::InvalidProcedureCall);
    m_rows.bind(m_connection->openReader(RecordSource));
}

QString BoundGridColumn::caption() const { return rows().layout(m_index).caption; }

void BoundGridColumn::setCaption(const QString& caption)
{
    rows().layout(m_index).caption = caption;
    rows().layoutChangedForColumns();
}

int BoundGridColumn::width() const
{
    return qRound(m_grid->columnWidth(m_index) * 1440.0 / m_grid->logicalDpiX());
}

void BoundGridColumn::setWidth(int twips) { m_grid->setColumnWidth(m_index, TwipsPlacer(m_grid).x(twips)); }

Qt::Alignment BoundGridColumn::alignment() const { return rows().layout(m_index).alignment; }

void BoundGridColumn::setAlignment(Qt::Alignment alignment)
{
    rows().layout(m_index).alignment = alignment;
    rows().layoutChangedForColumns();
}

QString BoundGridColumn::numberFormat() const { return rows().layout(m_index).numberFormat; }

void BoundGridColumn::setNumberFormat(const QString& pattern)
{
    rows().layout(m_index).numberFormat = pattern;
    rows().layoutChangedForColumns();
}

BoundRowsModel& BoundGridColumn::rows() const { return *m_grid->dataSource()->rows(); }

BoundGrid::BoundGrid(QWidget* parent) : QTableView(parent)
{
    setHorizontalHeader(new BoundGridHeadings(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setItemDelegate(new FittingItemDelegate(this));
    setWordWrap(false);
    horizontalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, &BoundGrid::onScrollAction);
}

void BoundGrid::reset()
{
    QTableView::reset();
    // The scroll bars would keep the place reached in the last result.
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

QModelIndex BoundGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    if (cursorAction == MoveEnd && (modifiers & Qt::ControlModifier))
        fetchAllRows();
    return QTableView::moveCursor(cursorAction, modifiers);
}

void BoundGrid::fetchAllRows()
{
    if (!m_source || !m_source->rows()->canFetchMore({}))
        return;
    const auto waiting = waitPointer();
    m_source->rows()->fetchAll();
    // The scroll bar takes the new range now rather than at the next layout pass.
    updateGeometries();
}

void BoundGrid::onScrollAction(int action)
{
    QScrollBar* bar = verticalScrollBar();
    const bool toEnd = action == QAbstractSlider::SliderToMaximum
                       || (action == QAbstractSlider::SliderMove && bar->isSliderDown()
                           && bar->sliderPosition() == bar->maximum());
    if (!toEnd)
        return;
    fetchAllRows();
    // The slider takes this position as its value once the action is done.
    bar->setSliderPosition(bar->maximum());
}

void BoundGrid::setDataSource(AdoDataControl* source)
{
    m_source = source;
    setModel(source ? source->rows() : nullptr);
}

int BoundGrid::columnCount() const { return m_source ? m_source->rows()->columnCount() : 0; }

BoundGridColumn BoundGrid::column(int index)
{
    if (index < 0 || index >= columnCount())
        throw runtime::RuntimeError(runtime::ErrorNumber::InvalidProcedureCall);
    return {this, index};
}

QString BoundGrid::cellText(int row, int column) const
{
    return model()->data(model()->index(row, column)).toString();
}

} // namespace ui
