#include "preview/PrinterSurface.h"

#include "platform/spooler/Printer.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>

namespace preview {
namespace {

constexpr int kPrinterDpi = 1200; // QPrinter::HighResolution, as spooler::Printer makes its printers
constexpr double kInchesPerMeter = 39.37;

} // namespace

PrinterSurface::PrinterSurface() : m_measure(1, 1, QImage::Format_RGB32)
{
    m_measure.setDotsPerMeterX(qRound(kPrinterDpi * kInchesPerMeter));
    m_measure.setDotsPerMeterY(qRound(kPrinterDpi * kInchesPerMeter));
    useDevice(&m_measure, kPrinterDpi, kPrinterDpi);
}

PrinterSurface::~PrinterSurface() { endDoc(); }

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
    auto job = spooler::Printer::current().makeQPrinter(QCoreApplication::applicationName());
    useDevice(job.get(), job->resolution(), job->resolution());
    m_job = std::move(job);
}

void PrinterSurface::newPage()
{
    painter();
    m_job->newPage();
}

void PrinterSurface::endDoc()
{
    endPainting();
    m_job.reset();
    useDevice(&m_measure, kPrinterDpi, kPrinterDpi);
}

} // namespace preview
