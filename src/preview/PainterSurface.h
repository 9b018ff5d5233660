#pragma once

#include "preview/PageSurface.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <memory>

class QPaintDevice;
class QPainter;

namespace preview {

// A surface that draws with a painter on a paint device, scaled from inches to the device's
// pixels. Fonts keep their point size at the device's own resolution.
class PainterSurface : public PageSurface {
public:
    ~PainterSurface() override;

    double textWidth(const QString& text) const override;
    double textHeight(const QString& text) const override;
    void printRotated(const QString& text, int degrees) override;
    void line(const QPointF& from, const QPointF& to) override;
    void box(const QRectF& rect, const QColor& lineColor) override;
    void circle(const QPointF& centre, double radius, const QColor& lineColor, double aspect) override;
    void paintPicture(const QImage& picture, const QRectF& target) override;

    // The font as the device draws it.
    QFont qFont() const;
    // Where a point of the page lies on the device, in its pixels.
    QPointF toDevice(const QPointF& inches) const;

protected:
    PainterSurface();
    // Measures and draws on the device from now on, an inch being so many of its pixels across and
    // down; painting on the device before ends.
    void useDevice(QPaintDevice* device, double pixelsPerInchX, double pixelsPerInchY);
    // The painter on the device, begun when the first mark is made.
    QPainter& painter();
    // False when the device did not take what was painted.
    bool endPainting();
    // Makes the device ready for the first mark of a page (a printer opens its job).
    virtual void beforeFirstMark() {}
    // A colour or picture as the device prints it (asked once painting has begun).
    virtual QColor ink(const QColor& colour) const { return colour; }
    virtual QImage ink(const QImage& picture) const { return picture; }
    void drawText(const QPointF& topLeft, const QString& text) override;

private:
    void usePen(const QColor& color);
    void useFill();

    std::unique_ptr<QPainter> m_painter;
    QPaintDevice* m_device = nullptr;
    double m_pixelsPerInchX = 1;
    double m_pixelsPerInchY = 1;
};

} // namespace preview
