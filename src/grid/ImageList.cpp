#include "grid/ImageList.h"

#include "grid/GridColors.h"
#include "platform/runtime/RuntimeError.h"

#include <QImage>
#include <QPainter>

#include <algorithm>

namespace grid {

namespace {

constexpr OleColor COLOR_HIGHLIGHT = OleColor(0x8000000Du);

// The image with every pixel that is not fully transparent mixed half and half with Highlight
// (an RGB colour); each pixel keeps its own transparency.
QImage blendedWith(const QPixmap& image, OleColor Highlight)
{
    QImage blended = image.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < blended.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(blended.scanLine(y));
        for (int x = 0; x < blended.width(); ++x) {
            const QRgb pixel = line[x];
            if (qAlpha(pixel) == 0)
                continue;
            QColor mix = ToQColor(BlendColors(FromQColor(QColor(pixel)), Highlight, 128));
            mix.setAlpha(qAlpha(pixel));
            line[x] = mix.rgba();
        }
    }
    return blended;
}

} // namespace

ImageList::ImageList(QSize ImageSize) : m_imageSize(ImageSize) {}

qint32 ImageList::Add(const QPixmap& Image, const QString& Key)
{
    if (!Key.isEmpty() && indexOfKey(Key) != 0)
        throw runtime::RuntimeError(runtime::ErrorNumber::InvalidProcedureCall);
    if (m_imageSize.isEmpty())
        m_imageSize = Image.size();
    const QPixmap image = Image.size() == m_imageSize
        ? Image
        : Image.scaled(m_imageSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    m_images.append({image, Key});
    return Count();
}

const ImageList::Item& ImageList::item(qint32 Index) const
{
    if (Index < 1 || Index > Count())
        throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange);
    return m_images[Index - 1];
}

qint32 ImageList::indexOfKey(const QString& Key) const
{
    const auto found = std::find_if(m_images.cbegin(), m_images.cend(), [&](const Item& i) { return i.key == Key; });
    return found == m_images.cend() ? 0 : qint32(found - m_images.cbegin()) + 1;
}

qint32 ImageList::IndexOf(const QString& Key) const
{
    const qint32 index = Key.isEmpty() ? 0 : indexOfKey(Key);
    if (index == 0)
        throw runtime::RuntimeError(runtime::ErrorNumber::SubscriptOutOfRange);
    return index;
}

QString ImageList::Key(qint32 Index) const { return item(Index).key; }

void ImageList::Draw(QPainter& painter, qint32 Index, int x, int y, bool Selected) const
{
    const QPixmap& image = item(Index).image;
    if (Selected)
        painter.drawImage(x, y, blendedWith(image, TranslateColor(COLOR_HIGHLIGHT)));
    else
        painter.drawPixmap(x, y, image);
}

} // namespace grid
