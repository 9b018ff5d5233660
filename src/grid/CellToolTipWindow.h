#pragma once

#include "grid/GridDrawing.h"

#include <QFont>
#include <QString>
#include <QWidget>

class QAbstractScrollArea;

// The small window that shows the whole text of a cut-off cell or heading: a frameless tool window
// of the tooltip colours laid over the cell on the screen, so it may reach past the grid's edges. It
// keeps what it was given and draws it again whenever it is exposed.
//
// Laid over the cell, it comes under the pointer resting there, and a window system may then give
// it the pointer. The pointer is still on the grid: its moves, presses, wheel turns and context menu
// requests go on to the grid's surface at the same screen point and do what they do there, focus
// included; its leaving the window for a point off the grid is the grid's leave.
namespace grid {

class CellToolTipWindow : public QWidget {
    Q_OBJECT

public:
    // Owner: the grid, whose surface (its viewport) the window lies over.
    explicit CellToolTipWindow(QAbstractScrollArea* Owner);

    // Places the window at Geometry (screen pixels) and draws Text there in Font inside TextRect
    // (window pixels) with the DrawText bits of Format; the window is not shown by this.
    void SetContent(const QString& Text, const QFont& Font, const PixelRect& TextRect, qint32 Format,
                    const QRect& Geometry);
    const QString& Text() const { return m_text; }
    const PixelRect& TextRect() const { return m_textRect; }
    qint32 Format() const { return m_format; }

    // Hiding the window while a press on it is held waits for the release.
    void setVisible(bool Visible) override;

protected:
    void paintEvent(QPaintEvent* Event) override;
    bool event(QEvent* Event) override;

private:
    QAbstractScrollArea* m_owner;
    QString m_text;
    PixelRect m_textRect;
    qint32 m_format = 0;
    // The buttons held since a press on the window, and a hide that waits for their release.
    Qt::MouseButtons m_buttons;
    bool m_hideOnRelease = false;
};

} // namespace grid
