// The page engine's drawing commands.

#include "preview/clsMultiPgPreview.h"

#include "platform/ui/Colors.h"

namespace preview {
namespace {

constexpr double kRuleStep = 0.03; // inches a rule moves the line down before and after it
constexpr int kTransparent = 1;
const QString kSample = QStringLiteral("Sample Text");

QColor colorOf(int color) { return ui::toQColor(quint32(color)); }

} // namespace

void clsMultiPgPreview::pLine(double x1, double x2, int width, bool stepDown)
{
    if (x1 == -1)
        x1 = CurrentX();
    if (stepDown)
        setCurrentY(CurrentY() + kRuleStep);
    const int keptWidth = DrawWidth();
    if (width > 0)
        setDrawWidth(width);
    if (x2 <= x1)
        x2 = m_paper.width();
    surface().line({x1, CurrentY()}, {x2, CurrentY()});
    if (width > 0)
        setDrawWidth(keptWidth);
    if (stepDown)
        setCurrentY(CurrentY() + kRuleStep);
}

void clsMultiPgPreview::pVerticalLine(double x, double y1, double y2, int width)
{
    const int keptWidth = DrawWidth();
    if (width > 0)
        setDrawWidth(width);
    if (y2 == -1)
        y2 = m_paper.height() - 2 * textHeightAtSize10(kSample);
    if (x == -1)
        x = CurrentX();
    if (x > m_paper.width())
        x = m_paper.width() - 0.01;
    if (y1 == -1)
        y1 = CurrentY();
    surface().line({x, y1}, {x, y2});
    if (width > 0)
        setDrawWidth(keptWidth);
}

void clsMultiPgPreview::pBox(double x, double y, double width, double height, int lineColor, int fillColor,
                             int fillStyle)
{
    const QColor line = lineColor == -1 ? surface().foreColor() : colorOf(lineColor);
    const QColor fill = fillColor == -1 ? line : colorOf(fillColor);
    if (x == -1)
        x = CurrentX();
    if (y == -1)
        y = CurrentY();
    if (width == -1)
        width = m_paper.width();
    if (height == -1)
        height = GetTextHeight(kSample);
    if (fillStyle != kTransparent) {
        surface().setFillColor(fill);
        surface().setFillStyle(fillStyle);
    }
    surface().box(QRectF(x, y, width, height), line);
    surface().setFillStyle(kTransparent);
}

void clsMultiPgPreview::pCircle(double x, double y, double radius, int lineColor, int fillColor, int fillStyle,
                                double aspect)
{
    const QColor line = lineColor == -1 ? surface().foreColor() : colorOf(lineColor);
    const QColor fill = fillColor == -1 ? line : colorOf(fillColor);
    if (fillStyle != kTransparent) {
        surface().setFillStyle(fillStyle);
        surface().setFillColor(fill);
    }
    surface().circle({x, y}, radius, line, aspect);
    surface().setFillStyle(kTransparent);
}

void clsMultiPgPreview::pPrintPicture(const QImage& picture, double x, double y, double width, double height,
                                      bool fitToPage, bool keepAspect)
{
    if (width == 0)
        width = height;
    if (height == 0)
        height = width;
    if (width == 0 && height == 0)
        fitToPage = true;
    if (picture.width() <= 0)
        return;
    const double ratio = double(picture.height()) / picture.width();
    const QSizeF page = m_paper;
    double targetWidth = fitToPage ? page.width() : width;
    double targetHeight = fitToPage ? page.height() : height;
    double defaultX = 0;
    double defaultY = 0;
    if (keepAspect && targetHeight / targetWidth <= ratio) {
        targetWidth = targetHeight / ratio;
        defaultX = (page.width() - targetWidth) / 2;
    } else {
        if (keepAspect)
            targetHeight = targetWidth * ratio;
        defaultY = (page.height() - targetHeight) / 2;
    }
    surface().paintPicture(picture, QRectF(x == -1 ? defaultX : x, y == -1 ? defaultY : y, targetWidth, targetHeight));
}

} // namespace preview
