#include "platform/spooler/PrintJob.h"

#include "platform/spooler/PdfFiles.h"

#include <QPdfWriter>
#include <QPrinter>

namespace spooler {

PrintJob::PrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)), device_(printer_.get()) {}

PrintJob::PrintJob(std::unique_ptr<PdfDocument> pdf, bool grey)
    : pdf_(std::move(pdf))
    , device_(&pdf_->writer())
    , grey_(grey)
{
}

PrintJob::~PrintJob() = default;

// The grey a PDF printer set to monochrome prints for a colour (as Qt's own PDF printer greys it).
QColor PrintJob::ink(const QColor& colour) const
{
    if (!grey_)
        return colour;
    const int grey = qGray(colour.rgb());
    return QColor(grey, grey, grey, colour.alpha());
}

QImage PrintJob::ink(const QImage& picture) const
{
    if (!grey_)
        return picture;
    QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int level = qGray(line[x]);
            line[x] = qRgba(level, level, level, qAlpha(line[x]));
        }
    }
    return grey;
}

void PrintJob::finish()
{
    if (pdf_)
        pdf_->finish();
}

} // namespace spooler
