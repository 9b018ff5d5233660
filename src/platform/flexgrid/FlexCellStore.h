#pragma once

#include "platform/flexgrid/FlexGridTypes.h"

#include <QString>
#include <QtGlobal>
#include <memory>
#include <optional>
#include <vector>

namespace ui {

// What a window set on one cell beyond its text; the parts left unset follow the grid.
struct FlexCellFormat {
    std::optional<quint32> backColor;
    std::optional<quint32> foreColor;
    std::optional<bool> bold;
    std::optional<QString> fontName;
    std::optional<double> fontSize;
    std::optional<int> alignment;
};

// The layout of one column.
struct FlexColumn {
    int widthTwips = -1; // -1: the grid's default width
    int alignment = flexAlignGeneral;
    std::optional<int> fixedAlignment; // unset: the fixed cells follow `alignment`
    bool merge = false;
};

// A block of cells, both corners included.
struct FlexRange {
    int top = 0;
    int left = 0;
    int bottom = 0;
    int right = 0;
};

// The cell matrix of a flex grid: text and format of every cell, each row's height and merge flag,
// each column's layout. Indexes are the grid's own (fixed rows and columns included).
class FlexCellStore {
public:
    int rows() const { return int(m_rows.size()); }
    int cols() const { return int(m_columns.size()); }

    // Cells inside the new bounds keep their texts and formats; new cells are empty.
    void resize(int rows, int cols);
    void insertRow(int at);
    void removeRow(int at);
    // Empties every cell's text and format; the rows, columns and their layout stay.
    void clearContents();

    const QString& text(int row, int col) const { return m_rows[row].cells[col].text; }
    void setText(int row, int col, QString text) { m_rows[row].cells[col].text = std::move(text); }
    // nullptr while nothing was set on the cell.
    const FlexCellFormat* format(int row, int col) const { return m_rows[row].cells[col].format.get(); }
    FlexCellFormat& editFormat(int row, int col);

    int rowHeightTwips(int row) const { return m_rows[row].heightTwips; }
    void setRowHeightTwips(int row, int twips) { m_rows[row].heightTwips = twips; }
    bool mergeRow(int row) const { return m_rows[row].merge; }
    void setMergeRow(int row, bool merge) { m_rows[row].merge = merge; }
    FlexColumn& column(int col) { return m_columns[col]; }
    const FlexColumn& column(int col) const { return m_columns[col]; }

    // How a cell's text goes into a clip: as it is (appendCellText), or as another reader takes it.
    using CellWriter = void (*)(QString& clip, QStringView cell);
    static void appendCellText(QString& clip, QStringView cell) { clip += cell; }
    // The texts of a range: cells separated by tab, rows by carriage return.
    QString clip(const FlexRange& range, CellWriter appendCell = appendCellText) const;
    // Fills a range from its top-left cell with text in the clip form; cells and rows beyond the
    // range are dropped, cells the text does not reach keep their text. A carriage return at the
    // very end closes the last row and does not open another.
    void paste(const FlexRange& range, const QString& clip);

private:
    struct Cell {
        QString text;
        std::unique_ptr<FlexCellFormat> format;
    };
    struct Row {
        std::vector<Cell> cells;
        int heightTwips = -1; // -1: the grid's default height
        bool merge = false;
    };

    std::vector<Row> m_rows;
    std::vector<FlexColumn> m_columns;
};

// A clip pasted into a range of a cell store as it is written, piece by piece: the pieces written
// make the clip FlexCellStore::paste takes, and the cells end as that paste leaves them. A piece
// that makes a whole cell is kept as it is, so cells written from one QString share its text.
// Values written with appendValue may hold any character: only endCell and endRow separate them.
class FlexClipPaste {
public:
    FlexClipPaste(FlexCellStore& cells, const FlexRange& range) : m_cells(cells), m_range(range) {}

    // Text of the clip; a tab or carriage return in it separates cells or rows as one written alone.
    void append(const QString& piece);
    // Text of the current cell as it is: a tab or line break in it stays in the cell.
    void appendValue(const QString& value);
    void endCell(); // a tab
    void endRow(); // a carriage return
    // The end of the clip: a carriage return just before it closed the last row.
    void finish();

private:
    void appendText(const QString& piece, qsizetype from, qsizetype to);
    void setCell();

    FlexCellStore& m_cells;
    FlexRange m_range;
    int m_row = 0; // from the range's top-left cell
    int m_col = 0;
    QString m_cell; // the text of the cell being written
    bool m_rowEmpty = true; // nothing written since the last carriage return (or the start)
    bool m_rowEnded = false; // a carriage return was written
};

} // namespace ui
