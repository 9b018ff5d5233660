#include "preview/ImageSurface.h"

#include "preview/PageFiles.h"

namespace preview {
namespace {

constexpr double kMargin = 0.25; // inches the picture exceeds the paper each way
constexpr double kInchesPerMeter = 39.37;

} // namespace

ImageSurface::ImageSurface(const QSizeF& paperInches, const QString& folder, double screenDpi)
    : m_paper(paperInches), m_folder(folder),
      m_image(qRound((paperInches.width() + kMargin) * screenDpi), qRound((paperInches.height() + kMargin) * screenDpi),
              QImage::Format_RGB32)
{
    m_image.setDotsPerMeterX(qRound(screenDpi * kInchesPerMeter));
    m_image.setDotsPerMeterY(qRound(screenDpi * kInchesPerMeter));
    m_image.fill(Qt::white);
    useDevice(&m_image, m_image.width() / paperInches.width(), m_image.height() / paperInches.height());
}

void ImageSurface::startDoc()
{
    m_page = 0;
    m_failed.clear();
    m_firstReason.clear();
}

void ImageSurface::savePage()
{
    endPainting();
    if (const QString reason = writePageFile(m_image, m_folder, m_page); !reason.isEmpty()) {
        if (m_failed.isEmpty())
            m_firstReason = reason;
        m_failed.append(m_page);
    }
    m_image.fill(Qt::white);
}

void ImageSurface::newPage()
{
    savePage();
    ++m_page;
}

void ImageSurface::endDoc()
{
    savePage();
    if (!m_failed.isEmpty())
        throw PageSaveError(m_folder, m_failed, m_firstReason);
}

} // namespace preview
