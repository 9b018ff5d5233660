#include "preview/PrinterSurface.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/spooler/PrintJob.h"
#include "platform/spooler/Printer.h"

#include <QCoreApplication>

namespace preview {
namespace {

constexpr int kPrinterDpi = 1200; // the resolution of spooler::Printer's jobs (QPrinter::HighResolution, a QPdfWriter's own)
constexpr double kInchesPerMeter = 39.37;

} // namespace

PrinterSurface::PrinterSurface() : m_measure(1, 1, QImage::Format_RGB32)
{
    m_measure.setDotsPerMeterX(qRound(kPrinterDpi * kInchesPerMeter));
    m_measure.setDotsPerMeterY(qRound(kPrinterDpi * kInchesPerMeter));
    useDevice(&m_measure, kPrinterDpi, kPrinterDpi);
}

PrinterSurface::~PrinterSurface()
{
    // a document still open is sent as the surface goes; a failure then has nobody left to tell,
    // and leaves no file all the same
    try {
        endDoc();
    } catch (const runtime::RuntimeError&) {
    }
}

QSizeF PrinterSurface::paperSize() const
{
    const spooler::Printer& printer = spooler::Printer::current();
    const QPageLayout layout(printer.pageSize(), printer.orientation(), QMarginsF());
    return layout.fullRect(QPageLayout::Inch).size();
}

void PrinterSurface::startDoc() { painter(); }

void PrinterSurface::beforeFirstMark()
{
    if (!m_job)
        openJob();
}

void PrinterSurface::openJob()
{
    auto job = spooler::Printer::current().openJob(QCoreApplication::applicationName());
    QPagedPaintDevice& device = job->device();
    useDevice(&device, device.logicalDpiX(), device.logicalDpiY());
    m_job = std::move(job);
}

QColor PrinterSurface::ink(const QColor& colour) const { return m_job->ink(colour); }

QImage PrinterSurface::ink(const QImage& picture) const { return m_job->ink(picture); }

void PrinterSurface::newPage()
{
    painter();
    m_job->device().newPage();
}

void PrinterSurface::endDoc()
{
    const bool ended = endPainting();
    const std::unique_ptr<spooler::PrintJob> job = std::move(m_job);
    useDevice(&m_measure, kPrinterDpi, kPrinterDpi);
    if (!ended)
        throw runtime::RuntimeError(runtime::ErrorNumber::PrinterError);
    if (job)
        job->finish();
}

} // namespace preview
