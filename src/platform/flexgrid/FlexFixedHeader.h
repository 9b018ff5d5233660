#pragma once

#include <QHeaderView>

namespace ui {

class FlexGrid;
struct DrawnText;

// Draws the fixed cells of a flex grid. The horizontal header holds the fixed rows (one section
// per scrolling column, the fixed rows stacked in it); the vertical header holds the fixed columns
// (one section per scrolling row); the corner holds the cells that are both.
class FlexFixedHeader : public QHeaderView {
public:
    FlexFixedHeader(Qt::Orientation orientation, FlexGrid* grid);

    QSize sizeHint() const override;
    // The fixed cell at a point of the header's viewport; false where there is none.
    bool cellAt(const QPoint& pos, int& row, int& col) const;
    // Paints one fixed cell: its colours, font, text (elided where it does not fit) and the lines on
    // its right and bottom.
    static void paintCell(QPainter& painter, const QRect& rect, const FlexGrid& grid, int row, int col);
    // How a fixed cell in `rect` draws its text: the text before it is fitted (on one line unless
    // the grid wraps), in which font, with which flags and where.
    static DrawnText drawnText(const QRect& rect, const FlexGrid& grid, int row, int col);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    FlexGrid* m_grid;
};

class FlexCorner : public QWidget {
public:
    explicit FlexCorner(FlexGrid* grid);

    bool cellAt(const QPoint& pos, int& row, int& col) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FlexGrid* m_grid;
};

} // namespace ui
