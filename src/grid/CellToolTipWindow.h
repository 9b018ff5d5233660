#pragma once

#include "grid/GridDrawing.h"

#include <QFont>
#include <QString>
#include <QWidget>

// The small window that shows the whole text of a cut-off cell: a frameless tool window of the
// tooltip colours laid over the cell on the screen, so it may reach past the grid's edges. It keeps
// what it was given and draws it again whenever it is exposed.
namespace grid {

class CellToolTipWindow : public QWidget {
    Q_OBJECT

public:
    explicit CellToolTipWindow(QWidget* Owner);

    // Places the window at Geometry (screen pixels) and draws Text there in Font inside TextRect
    // (window pixels) with the DrawText bits of Format; the window is not shown by this.
    void SetContent(const QString& Text, const QFont& Font, const PixelRect& TextRect, qint32 Format,
                    const QRect& Geometry);
    const QString& Text() const { return m_text; }
    qint32 Format() const { return m_format; }

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QString m_text;
    PixelRect m_textRect;
    qint32 m_format = 0;
};

} // namespace grid
