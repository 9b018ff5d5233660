#pragma once

#include "platform/flexgrid/FlexCellStore.h"
#include "platform/flexgrid/FlexGridTypes.h"

#include <QTableView>
#include <functional>
#include <optional>
#include <span>

namespace ui {

class FlexCorner;
class FlexFixedHeader;
class FlexGridModel;

// The read-only flex grid of the windows. Every cell, fixed ones included, lives in one matrix
// addressed by the grid's own row and column (TextMatrix(0, c) is a heading). Fixed rows are
// drawn above the scrolling cells and fixed columns beside them, in the fixed colours, and never
// scroll; the user can neither select nor edit them, nor edit any cell.
//
// Sizes are in twips (1440 per inch). Colours are 32-bit values 0x00BBGGRR or system colours
// (0x80000000 + index), as ui::toQColor reads them. An index out of range raises
// runtime::RuntimeError (invalid procedure call).
//
// Keys, focus and double clicks reach a window through ui::attachHandlers; the grid's own mouse
// events come as the signals below (the double click is signalled here, because the grid's mouse
// events arrive on its viewport, not on the grid).
//
// Members that share a name with QTableView's take the windows' meaning: rowHeight and
// setRowHeight are in twips; selectionMode and setSelectionMode take FlexSelectionMode values.
// QTableView's wordWrap and setWordWrap serve as they are (off at start).
class FlexGrid : public QTableView {
    Q_OBJECT

public:
    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    // Structure. Changing the counts keeps the texts of the cells that remain.
    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);
    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int fixedRows);
    int fixedCols() const { return m_fixedCols; }
    void setFixedCols(int fixedCols);
    // Adds a row at the end, or before row `index`, filled from a tab-separated text from column 0.
    void addItem(const QString& item, int index = -1);
    // Removes a row; the last scrolling row cannot be removed.
    void removeItem(int index);
    // Empties the text and format of every cell; rows, columns and their layout stay.
    void clear();

    // Texts.
    QString textMatrix(int row, int col) const;
    void setTextMatrix(int row, int col, const QString& text);
    // The current cell's text; setting it with FillStyle repeat fills the whole selection.
    QString text() const;
    void setText(const QString& text);
    // The selection's texts, cells separated by tab and rows by carriage return, each cell written
    // by appendCell (as it is, by default); setting it fills the selection from its top-left cell.
    QString clip(FlexCellStore::CellWriter appendCell = FlexCellStore::appendCellText) const;
    void setClip(const QString& clip);
    // The same, the clip written piece by piece: a fill of many rows makes no text of them all.
    void setClipFrom(const std::function<void(FlexClipPaste&)>& write);
    // Sets the column count, the headings of row 0, the column alignments and widths (from the
    // headings' widths) and, after a semicolon, the row count and the texts of column 0.
    QString formatString() const { return m_formatString; }
    void setFormatString(const QString& format);

    // Current cell and selection. Setting Row or Col makes the selection that one cell; RowSel and
    // ColSel then extend it. Code may make a fixed cell current; the user cannot.
    int row() const { return m_row; }
    void setRow(int row);
    int col() const { return m_col; }
    void setCol(int col);
    int rowSel() const { return m_rowSel; }
    void setRowSel(int row);
    int colSel() const { return m_colSel; }
    void setColSel(int col);
    int topRow() const;
    void setTopRow(int row);
    int leftCol() const;
    void setLeftCol(int col);
    // The cell under the mouse at the grid's last mouse event (-1 past the last row or column).
    int mouseRow() const { return m_mouseRow; }
    int mouseCol() const { return m_mouseCol; }
    bool rowIsVisible(int row) const;
    bool colIsVisible(int col) const;

    // Layout. A width or height of 0 hides the column or row; -1 restores the default.
    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    // The widths of the first columns in one layout pass, as setColWidth on each would leave them.
    void setColWidths(std::span<const int> twips);
    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    // Every row the given height in one layout pass, as setRowHeight on each would leave them;
    // rows added afterwards get the default height.
    void setRowHeights(int twips);
    int rowHeightMin() const { return m_rowHeightMinTwips; }
    void setRowHeightMin(int twips);
    int colAlignment(int col) const;
    void setColAlignment(int col, int alignment);
    // Alignment of the column's fixed cells; follows ColAlignment until set.
    int fixedAlignment(int col) const;
    void setFixedAlignment(int col, int alignment);
    int mergeCells() const { return m_mergeCells; }
    void setMergeCells(int mergeCells);
    bool mergeCol(int col) const;
    void setMergeCol(int col, bool merge);
    bool mergeRow(int row) const;
    void setMergeRow(int row, bool merge);

    // Cell formats: of the current cell, or of every selected cell with FillStyle repeat. The
    // colours read 0 while the cell follows the grid's colours.
    int fillStyle() const { return m_fillStyle; }
    void setFillStyle(int fillStyle) { m_fillStyle = fillStyle; }
    quint32 cellBackColor() const;
    void setCellBackColor(quint32 color);
    quint32 cellForeColor() const;
    void setCellForeColor(quint32 color);
    bool cellFontBold() const;
    void setCellFontBold(bool bold);
    QString cellFontName() const;
    void setCellFontName(const QString& name);
    double cellFontSize() const;
    void setCellFontSize(double points);
    int cellAlignment() const;
    void setCellAlignment(int alignment);

    // Appearance. The grid's font is the widget's font (QWidget::setFont).
    quint32 backColor() const { return m_backColor; }
    void setBackColor(quint32 color);
    quint32 foreColor() const { return m_foreColor; }
    void setForeColor(quint32 color);
    quint32 backColorFixed() const { return m_backColorFixed; }
    void setBackColorFixed(quint32 color);
    quint32 foreColorFixed() const { return m_foreColorFixed; }
    void setForeColorFixed(quint32 color);
    quint32 backColorSel() const { return m_backColorSel; }
    void setBackColorSel(quint32 color);
    quint32 foreColorSel() const { return m_foreColorSel; }
    void setForeColorSel(quint32 color);
    // The area beyond the last row and column.
    quint32 backColorBkg() const { return m_backColorBkg; }
    void setBackColorBkg(quint32 color);
    quint32 gridColor() const { return m_gridColor; }
    void setGridColor(quint32 color);
    int gridLines() const { return m_gridLines; }
    void setGridLines(int gridLines);
    bool fontBold() const { return font().bold(); }
    void setFontBold(bool bold);

    // Behaviour.
    int selectionMode() const { return m_selectionMode; }
    void setSelectionMode(int mode);
    int highLight() const { return m_highLight; }
    void setHighLight(int highLight);
    int focusRect() const { return m_focusRect; }
    void setFocusRect(int focusRect);
    int allowUserResizing() const { return m_allowUserResizing; }
    void setAllowUserResizing(int resizing);
    int scrollBars() const { return m_scrollBars; }
    void setScrollBars(int scrollBars);
    // False holds back repainting and merging until it is set True again.
    bool redraw() const { return m_redraw; }
    void setRedraw(bool redraw);

signals:
    void click();
    void dblClick();
    void rowColChange();
    void selChange();
    void enterCell();
    void leaveCell();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void updateGeometries() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class FlexCorner;
    friend class FlexFixedHeader;
    friend class FlexGridModel;

    static constexpr int kDefaultColWidthTwips = 960;

    // Checks and conversions.
    [[noreturn]] static void raiseInvalidArgument();
    void checkRow(int row) const;
    void checkCol(int col) const;
    void checkCurrentCell() const;
    int twipsToPixelsX(int twips) const;
    int twipsToPixelsY(int twips) const;
    int pixelsToTwipsX(int pixels) const;
    int pixelsToTwipsY(int pixels) const;
    int columnPixels(int col) const;
    int rowPixels(int row) const;
    int defaultRowPixels() const;
    int fixedRowsHeight() const;
    int fixedColsWidth() const;
    QModelIndex bodyIndex(int row, int col) const;

    // Structure and geometry.
    void resizeCells(int rows, int cols, int fixedRows, int fixedCols);
    template <class Change>
    void resetCells(Change change);
    void applyColumnWidths();
    void applyRowHeight(int row);
    void applyRowHeights();
    void applyFixedGeometry();
    void updateFixedArea(); // repaints the fixed rows, the fixed columns and the corner
    void onSectionResized(Qt::Orientation orientation, int logicalIndex, int newSize);
    void cellsChanged(const FlexRange& range);
    void reportChangedCells();
    void scheduleMerge();
    void applyMerge();

    // Selection.
    FlexRange selection() const;
    bool isHighlighted(int row, int col) const;
    void moveTo(int row, int col, bool extend);
    void setCurrent(int row, int col);
    void setSelectionEnd(int rowSel, int colSel);
    void clampSelection();
    template <class Apply>
    void applyToCells(Apply apply);

    // What a cell shows.
    QColor cellBackground(int row, int col) const;
    QColor cellForeground(int row, int col) const;
    std::optional<QFont> cellFont(int row, int col) const;
    Qt::Alignment cellQtAlignment(int row, int col) const;
    int effectiveAlignment(int row, int col) const;
    void applyPalette();
    void changeColor(quint32& member, quint32 color);

    // Mouse and keys.
    bool cellAt(QObject* source, const QPoint& pos, int& row, int& col) const;
    void trackMouse(QObject* source, const QPoint& pos);
    void handlePress(int row, int col, Qt::KeyboardModifiers modifiers);
    void handleRelease();
    void handleDoubleClick();

    FlexCellStore m_cells;
    FlexGridModel* m_model = nullptr;
    FlexFixedHeader* m_fixedRowsHeader = nullptr;
    FlexFixedHeader* m_fixedColsHeader = nullptr;
    FlexCorner* m_corner = nullptr;

    int m_fixedRows = 1;
    int m_fixedCols = 1;
    int m_row = 1;
    int m_col = 1;
    int m_rowSel = 1;
    int m_colSel = 1;
    int m_mouseRow = -1;
    int m_mouseCol = -1;
    int m_rowHeightMinTwips = 0;
    int m_mergeCells = flexMergeNever;
    int m_fillStyle = flexFillSingle;
    int m_selectionMode = flexSelectionFree;
    int m_highLight = flexHighlightAlways;
    int m_focusRect = flexFocusLight;
    int m_allowUserResizing = flexResizeNone;
    int m_scrollBars = flexScrollBarBoth;
    int m_gridLines = flexGridFlat;
    quint32 m_backColor = 0x80000005u;      // window background
    quint32 m_foreColor = 0x80000008u;      // window text
    quint32 m_backColorFixed = 0x8000000Fu; // button face
    quint32 m_foreColorFixed = 0x80000012u; // button text
    quint32 m_backColorSel = 0x8000000Du;   // highlight
    quint32 m_foreColorSel = 0x8000000Eu;   // highlighted text
    quint32 m_backColorBkg = 0x00808080u;
    quint32 m_gridColor = 0x00C0C0C0u;
    QString m_formatString;
    bool m_redraw = true;
    bool m_mergeScheduled = false;
    // Scrolling cells changed since the view was last told, told once when control returns to it.
    std::optional<FlexRange> m_changedCells;
    bool m_applyingSizes = false;
    bool m_pressed = false; // the left button went down on the grid and is not yet released
};

} // namespace ui
