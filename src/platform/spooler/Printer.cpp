#include "platform/spooler/Printer.h"

#include "platform/runtime/RuntimeError.h"
#include "platform/spooler/PdfFiles.h"
#include "platform/spooler/PrintJob.h"
#include "platform/spooler/PrinterDevices.h"
#include "platform/spooler/PrinterFonts.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <utility>

namespace spooler {
namespace {

constexpr double kTwipsPerInch = 1440.0;

struct Device {
    QString name;
    std::optional<QString> pdfFolder; // set for the installation's PDF printer
};

// The device chosen in place of the default one (Printer::choose), "" for none.
QString& chosenDevice()
{
    static QString name;
    return name;
}

Device currentDevice()
{
    const auto pdf = installedPdfPrinter();
    const QString chosen = chosenDevice().isEmpty() ? QString() : openPrinter(chosenDevice());
    if (!chosen.isEmpty() && !(pdf && pdf->name == chosen))
        return {chosen, std::nullopt};
    if (pdf)
        return {pdf->name, pdf->folder};
    const QString system = defaultSystemPrinter();
    if (system.isEmpty())
        throw runtime::RuntimeError(runtime::ErrorNumber::PrinterError);
    return {system, std::nullopt};
}

// The paper of a document on the device: the form selected for it, else the device's default paper.
QPageSize paperOf(const Device& device, const QString& formDevice, const PaperForm& form)
{
    if (formDevice == device.name)
        return QPageSize(QSizeF(form.size.width / 1000.0, form.size.height / 1000.0), QPageSize::Millimeter, form.name,
                         QPageSize::ExactMatch);
    if (device.pdfFolder)
        return QPageSize(QPageSize::A4);
    return QPrinterInfo::printerInfo(device.name).defaultPageSize();
}

} // namespace

Printer& Printer::current()
{
    static Printer printer;
    return printer;
}

Printer::Printer()
{
    // A document still open as the application ends is released then; a failure has nobody left
    // to tell, and leaves no file all the same.
    qAddPostRoutine([] {
        try {
            Printer::current().endDoc();
        } catch (const runtime::RuntimeError&) {
        }
    });
}

Printer::~Printer() = default;

QString Printer::deviceName() const { return currentDevice().name; }

bool Printer::choose(const QString& name)
{
    const QString device = openPrinter(name);
    if (!device.isEmpty())
        chosenDevice() = device;
    return !device.isEmpty();
}

QString Printer::formName() const
{
    return formDevice_ == deviceName() ? form_.name : QString();
}

QPageSize Printer::pageSize() const { return paperOf(currentDevice(), formDevice_, form_); }

void Printer::usePaperForm(const PaperForm& form)
{
    formDevice_ = deviceName();
    form_ = form;
}

std::unique_ptr<PrintJob> Printer::openJob(const QString& documentName)
{
    const Device device = currentDevice();
    const QPageSize paper = paperOf(device, formDevice_, form_);
    if (nextDocumentFile_ || device.pdfFolder) {
        const QPageLayout layout(paper, orientation(), QMarginsF());
        auto pdf = nextDocumentFile_ ? PdfDocument::replacing(*std::exchange(nextDocumentFile_, std::nullopt), documentName, layout)
                                     : PdfDocument::inFolder(*device.pdfFolder, documentName, layout);
        return std::make_unique<PrintJob>(std::move(pdf), monochrome_.value_or(false));
    }
    auto printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(device.name), QPrinter::HighResolution);
    printer->setDocName(documentName);
    printer->setFullPage(true);
    printer->setPageSize(paper);
    printer->setPageMargins(QMarginsF());
    if (orientation_)
        printer->setPageOrientation(*orientation_);
    if (copies_)
        printer->setCopyCount(*copies_);
    if (monochrome_)
        printer->setColorMode(*monochrome_ ? QPrinter::GrayScale : QPrinter::Color);
    return std::make_unique<PrintJob>(std::move(printer));
}

QPageLayout::Orientation Printer::orientation() const { return orientation_.value_or(QPageLayout::Portrait); }

void Printer::setOrientation(QPageLayout::Orientation orientation) { orientation_ = orientation; }

int Printer::copies() const { return copies_.value_or(1); }

void Printer::setCopies(int copies) { copies_ = copies; }

void Printer::setMonochrome(bool monochrome) { monochrome_ = monochrome; }

void Printer::startDocument()
{
    auto job = openJob(QCoreApplication::applicationName());
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(&job->device()))
        throw runtime::RuntimeError(runtime::ErrorNumber::PrinterError);
    job_ = std::move(job);
    painter_ = std::move(painter);
}

void Printer::print(const QString& text)
{
    if (!painter_)
        startDocument();
    QPagedPaintDevice* document = &job_->device();
    const PrinterFont font = printerFont(fontName_, document);
    const double pixelsPerTwip = document->logicalDpiY() / kTwipsPerInch;
    painter_->setFont(font.font);
    const double baseline = currentY_ * pixelsPerTwip + QFontMetricsF(font.font, document).ascent();
    if (font.cellWidth > 0) {
        // text mode: each character in its own cell, so columns stay exact whatever the glyphs measure
        for (qsizetype column = 0; column < text.size(); ++column)
            if (!text[column].isSpace())
                painter_->drawText(QPointF(column * font.cellWidth, baseline), QString(text[column]));
    } else {
        painter_->drawText(QPointF(0, baseline), text);
    }
    currentY_ += font.lineHeight / pixelsPerTwip;
}

void Printer::endDoc()
{
    const bool ended = !painter_ || painter_->end();
    painter_.reset();
    const std::unique_ptr<PrintJob> job = std::move(job_);
    currentY_ = 0;
    if (!ended)
        throw runtime::RuntimeError(runtime::ErrorNumber::PrinterError);
    if (job)
        job->finish();
}

void Printer::reset()
{
    painter_.reset();
    job_.reset();
    chosenDevice().clear();
    formDevice_.clear();
    form_ = {};
    orientation_.reset();
    copies_.reset();
    monochrome_.reset();
    nextDocumentFile_.reset();
    fontName_ = kFirstFont;
    currentY_ = 0;
}

} // namespace spooler
