#pragma once

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace preview {

// The font a surface prints in.
struct SurfaceFont {
    QString name = QStringLiteral("Arial");
    double size = 10; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethru = false;
};

// A page the engine draws on, with the drawing state of the printer object: the current position,
// font, colours, pen width and fill, in inches from the top left corner of the printable area.
// Printing with line end moves to the left edge of the next line; printing without line end leaves
// the position just after the text. Subclasses supply the device: its metrics and its marks.
class PageSurface {
public:
    virtual ~PageSurface() = default;

    // The printable area of the paper in inches (for a printer, as its orientation turns it).
    virtual QSizeF paperSize() const = 0;
    // Starts a document (a printer opens its job); newPage ends the page drawn; endDoc the document.
    virtual void startDoc() = 0;
    virtual void newPage() = 0;
    virtual void endDoc() = 0;

    // The width and the height of the text in the current font, in inches.
    virtual double textWidth(const QString& text) const = 0;
    virtual double textHeight(const QString& text) const = 0;

    double currentX() const { return m_x; }
    double currentY() const { return m_y; }
    void setCurrentX(double x) { m_x = x; }
    void setCurrentY(double y) { m_y = y; }

    SurfaceFont& font() { return m_font; }
    const SurfaceFont& font() const { return m_font; }
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& color) { m_foreColor = color; }
    QColor backColor() const { return m_backColor; }
    void setBackColor(const QColor& color) { m_backColor = color; }
    bool fontTransparent() const { return m_fontTransparent; }
    void setFontTransparent(bool transparent) { m_fontTransparent = transparent; }
    // The pen width of lines, boxes and circles, in the device's pixels.
    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels) { m_drawWidth = pixels; }
    // Fill of boxes and circles: 0 solid, 1 transparent, 2 to 7 hatched.
    int fillStyle() const { return m_fillStyle; }
    void setFillStyle(int style) { m_fillStyle = style; }
    QColor fillColor() const { return m_fillColor; }
    void setFillColor(const QColor& color) { m_fillColor = color; }

    // Prints the text at the current position and moves on.
    void print(const QString& text, bool lineEnd);
    // Prints the text turned counter-clockwise by the angle about the current position; the position stays.
    virtual void printRotated(const QString& text, int degrees) = 0;
    virtual void line(const QPointF& from, const QPointF& to) = 0;
    // A rectangle outlined in the colour and filled as the fill style and colour say.
    virtual void box(const QRectF& rect, const QColor& lineColor) = 0;
    // An ellipse round the centre, aspect being its height over its width: the radius is the longer
    // half-axis (across for an aspect below 1, down for one above).
    virtual void circle(const QPointF& centre, double radius, const QColor& lineColor, double aspect) = 0;
    virtual void paintPicture(const QImage& picture, const QRectF& target) = 0;

protected:
    // Draws one piece of text with its top left corner at the point.
    virtual void drawText(const QPointF& topLeft, const QString& text) = 0;

private:
    double m_x = 0;
    double m_y = 0;
    SurfaceFont m_font;
    QColor m_foreColor = Qt::black;
    QColor m_backColor = Qt::white;
    bool m_fontTransparent = true;
    int m_drawWidth = 1;
    int m_fillStyle = 1;
    QColor m_fillColor = Qt::black;
};

} // namespace preview
