#pragma once

#include "platform/db/RowReader.h"
#include "platform/db/RowStore.h"

#include <QAbstractTableModel>
#include <QTableView>
#include <memory>
#include <vector>

namespace db {
class Connection;
}

// A data grid bound to a data control. The data control runs its record source (the statement
// text) on Refresh and holds the rows; the grid shows them read-only. Rows are read from the
// database a batch at a time as the grid scrolls towards them, so a result of a million rows opens
// at once and only the rows looked at are kept; Ctrl+End and the scroll bar taken to its end read
// the rest first, so that they reach the last row.
namespace ui {

// How a bound grid shows one column. A new binding starts every column at its field name, the
// default alignment and no format.
struct BoundColumnLayout {
    QString caption;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QString numberFormat; // runtime::Format pattern; empty shows the field as it comes
};

// The rows of the data control's record source, read on demand.
class BoundRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kBatchRows = 256;

    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the rows with those of the reader (the first batch read at once); null empties it.
    void bind(std::unique_ptr<db::RowReader> reader);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;
    // Reads every row not read yet.
    void fetchAll();

    // The field value of a cell as read (Null: an invalid QVariant).
    QVariant value(int row, int column) const { return m_rows.value(row, column); }
    const QStringList& fieldNames() const;

    BoundColumnLayout& layout(int column) { return m_layout.at(column); }
    const BoundColumnLayout& layout(int column) const { return m_layout.at(column); }
    // Tells the views that captions, alignments or formats changed.
    void layoutChangedForColumns();

private:
    // Reads up to count further rows and tells the views of them.
    void read(int count);

    std::unique_ptr<db::RowReader> m_reader;
    // A batch is read straight into the rows; the model counts it (and the views learn of it)
    // once it is read.
    db::RowStore m_rows;
    int m_rowCount = 0;
    std::vector<BoundColumnLayout> m_layout;
};

// The hidden data control: a connection, a login and a record source.
class AdoDataControl {
public:
    void setConnection(db::Connection* connection) { m_connection = connection; }
    QString UserName;
    QString Password;
    QString RecordSource;

    // Runs the record source on the connection; the bound grids show its rows. A statement the
    // server refuses throws db::DbError and the rows stay as they were.
    void Refresh();

    BoundRowsModel* rows() { return &m_rows; }

private:
    db::Connection* m_connection = nullptr;
    BoundRowsModel m_rows;
};

// One column of a bound grid, fetched by position.
class BoundGridColumn {
public:
    BoundGridColumn(class BoundGrid* grid, int index) : m_grid(grid), m_index(index) {}

    QString caption() const;
    void setCaption(const QString& caption);
    int width() const; // twips
    void setWidth(int twips);
    Qt::Alignment alignment() const;
    void setAlignment(Qt::Alignment alignment);
    QString numberFormat() const;
    void setNumberFormat(const QString& pattern);

private:
    BoundRowsModel& rows() const;

    BoundGrid* m_grid;
    int m_index;
};

// The read-only data grid. It cannot add, delete or change rows. A cell shows its value on one line
// (OneLineText.h); a value or heading wider than its cell is drawn elided, its whole text a tooltip
// away. Ctrl+End, and the scroll bar's thumb dragged or sent to its end, read all the rows before
// moving; the arrow keys, the wheel and the page steps read the next batch as they reach it.
class BoundGrid : public QTableView {
    Q_OBJECT
public:
    explicit BoundGrid(QWidget* parent = nullptr);

    // Binds the grid to the data control's rows (null unbinds).
    void setDataSource(AdoDataControl* source);
    AdoDataControl* dataSource() const { return m_source; }

    int columnCount() const;
    // Throws runtime::RuntimeError InvalidProcedureCall for a position the binding does not have.
    BoundGridColumn column(int index);

    // The text a cell shows (its column's format applied).
    QString cellText(int row, int column) const;

    void Refresh() { viewport()->update(); }

    // A new result, bound or refreshed, shows from its first row and first column.
    void reset() override;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    void fetchAllRows();
    // A thumb taken to the scroll bar's end reads the rest and lands at the new end.
    void onScrollAction(int action);

    AdoDataControl* m_source = nullptr;
};

} // namespace ui
