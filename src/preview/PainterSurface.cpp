#include "preview/PainterSurface.h"

#include "platform/runtime/RuntimeError.h"

#include <QFontMetricsF>
#include <QPainter>

namespace preview {
namespace {

// The brushes of the fill styles 0 (solid) to 7; 1 is transparent.
Qt::BrushStyle brushOf(int fillStyle)
{
    static constexpr Qt::BrushStyle styles[] = {Qt::SolidPattern, Qt::NoBrush,       Qt::HorPattern,
                                                Qt::VerPattern,   Qt::BDiagPattern,  Qt::FDiagPattern,
                                                Qt::CrossPattern, Qt::DiagCrossPattern};
    return fillStyle >= 0 && fillStyle < int(std::size(styles)) ? styles[fillStyle] : Qt::NoBrush;
}

} // namespace

PainterSurface::PainterSurface() = default;

PainterSurface::~PainterSurface() = default;

void PainterSurface::useDevice(QPaintDevice* device, double pixelsPerInchX, double pixelsPerInchY)
{
    endPainting();
    m_device = device;
    m_pixelsPerInchX = pixelsPerInchX;
    m_pixelsPerInchY = pixelsPerInchY;
}

QPainter& PainterSurface::painter()
{
    if (!m_painter) {
        beforeFirstMark();
        auto painter = std::make_unique<QPainter>();
        if (!m_device || !painter->begin(m_device))
            throw runtime::RuntimeError(runtime::ErrorNumber::PrinterError);
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setRenderHint(QPainter::TextAntialiasing);
        m_painter = std::move(painter);
    }
    return *m_painter;
}

bool PainterSurface::endPainting()
{
    const bool ended = !m_painter || m_painter->end();
    m_painter.reset();
    return ended;
}

QFont PainterSurface::qFont() const
{
    QFont qfont(font().name);
    qfont.setPointSizeF(std::max(font().size, 1.0));
    qfont.setBold(font().bold);
    qfont.setItalic(font().italic);
    qfont.setUnderline(font().underline);
    qfont.setStrikeOut(font().strikethru);
    return qfont;
}

QPointF PainterSurface::toDevice(const QPointF& inches) const
{
    return {inches.x() * m_pixelsPerInchX, inches.y() * m_pixelsPerInchY};
}

double PainterSurface::textWidth(const QString& text) const
{
    return QFontMetricsF(qFont(), m_device).horizontalAdvance(text) / m_pixelsPerInchX;
}

double PainterSurface::textHeight(const QString& text) const
{
    return QFontMetricsF(qFont(), m_device).height() / m_pixelsPerInchY;
}

void PainterSurface::drawText(const QPointF& topLeft, const QString& text)
{
    if (text.isEmpty())
        return;
    QPainter& p = painter();
    p.setFont(qFont());
    const QFontMetricsF metrics(p.font(), m_device);
    const QPointF at = toDevice(topLeft);
    if (!fontTransparent())
        p.fillRect(QRectF(at, QSizeF(metrics.horizontalAdvance(text), metrics.height())), ink(backColor()));
    p.setPen(ink(foreColor()));
    p.drawText(at + QPointF(0, metrics.ascent()), text);
}

void PainterSurface::printRotated(const QString& text, int degrees)
{
    QPainter& p = painter();
    p.save();
    p.setFont(qFont());
    p.setPen(ink(foreColor()));
    p.translate(toDevice(QPointF(currentX(), currentY())));
    p.rotate(-degrees);
    p.drawText(QPointF(0, QFontMetricsF(p.font(), m_device).ascent()), text);
    p.restore();
}

void PainterSurface::usePen(const QColor& color)
{
    QPainter& p = painter();
    QPen pen(ink(color));
    pen.setWidthF(drawWidth());
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
}

void PainterSurface::useFill()
{
    QPainter& p = painter();
    p.setBrush(QBrush(ink(fillColor()), brushOf(fillStyle())));
}

void PainterSurface::line(const QPointF& from, const QPointF& to)
{
    usePen(foreColor());
    painter().setBrush(Qt::NoBrush);
    painter().drawLine(toDevice(from), toDevice(to));
}

void PainterSurface::box(const QRectF& rect, const QColor& lineColor)
{
    usePen(lineColor);
    useFill();
    painter().drawRect(QRectF(toDevice(rect.topLeft()), toDevice(rect.bottomRight())));
}

void PainterSurface::circle(const QPointF& centre, double radius, const QColor& lineColor, double aspect)
{
    const double across = aspect > 1 ? radius / aspect : radius;
    const double down = aspect > 1 ? radius : radius * aspect;
    usePen(lineColor);
    useFill();
    const QPointF c = toDevice(centre);
    painter().drawEllipse(c, across * m_pixelsPerInchX, down * m_pixelsPerInchY);
}

void PainterSurface::paintPicture(const QImage& picture, const QRectF& target)
{
    QPainter& p = painter();
    p.drawImage(QRectF(toDevice(target.topLeft()), toDevice(target.bottomRight())), ink(picture));
}

} // namespace preview
