#include "preview/clsPrintDialog.h"

#include "preview/PrintDialogFlags.h"
#include "preview/PrintDialogSeam.h"

#include "platform/spooler/PdfFiles.h"
#include "platform/spooler/Printer.h"
#include "platform/spooler/PrinterDevices.h"

#include <QCoreApplication>
#include <QDir>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QSettings>
#include <algorithm>
#include <cmath>

namespace preview {
namespace {

qint32 atLeastOne(qint32 value) { return std::max(value, 1); }

// Runs a step of carrying the dialog's settings to the printer; a step the printer refuses is skipped.
template <class Step>
void skippingRefusal(Step step)
{
    try {
        step();
    } catch (const runtime::RuntimeError&) {
    }
}

spooler::PaperForm formOf(const QPageSize& size)
{
    const QSizeF millimetres = size.size(QPageSize::Millimeter);
    return {size.name(), {qint32(std::lround(millimetres.width() * 1000)), qint32(std::lround(millimetres.height() * 1000))}};
}

// The device the dialog chose: a printer by name, or the installation's PDF printer for a PDF file.
QString chosenDevice(const PrintDialogChoice& choice)
{
    if (!choice.deviceName.isEmpty())
        return choice.deviceName;
    const auto pdf = spooler::installedPdfPrinter();
    return pdf ? pdf->name : QString();
}

// Presets the dialog's printer from the application's printer. When that is the installation's PDF
// printer, which the dialog (listing the system's printers) knows only as its PDF entry, the result
// is the file the dialog proposes; else "".
QString presetFromApplicationPrinter(QPrinter& printer)
{
    const spooler::Printer& current = spooler::Printer::current();
    const QString device = current.deviceName();
    const auto pdf = spooler::installedPdfPrinter();
    QString proposed;
    if (pdf && pdf->name == device) {
        // The dialog's Print button takes a file it can write that is not there yet: the file a
        // document without a name would go to next, in the printer's folder (made if missing).
        QDir().mkpath(pdf->folder);
        proposed = spooler::nextPdfFile(pdf->folder, QString());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(proposed);
    } else if (!QPrinterInfo::printerInfo(device).isNull()) {
        printer.setPrinterName(device);
    }
    printer.setPageSize(current.pageSize());
    printer.setPageOrientation(current.orientation());
    return proposed;
}

} // namespace

PrintDialogCancel::PrintDialogCancel() : runtime::RuntimeError(runtime::ErrorNumber(kNumber)) {}

const char* PrintDialogCancel::what() const noexcept { return "Cancel."; }

QString PrintDialogCancel::source() { return QStringLiteral("PrintDialog"); }

clsPrintDialog::~clsPrintDialog()
{
    skippingRefusal([] {
        const QString device = spooler::Printer::current().deviceName();
        QSettings settings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::applicationName());
        settings.setValue(QStringLiteral("Options/Printer"), device);
    });
}

void clsPrintDialog::SetMinPage(qint32 page)
{
    m_minPage = atLeastOne(page);
    m_fromPage = std::max(m_fromPage, m_minPage);
    m_toPage = std::max(m_toPage, m_minPage);
    m_maxPage = std::max(m_maxPage, m_minPage);
}

void clsPrintDialog::SetFromPage(qint32 page)
{
    m_fromPage = atLeastOne(page);
    m_toPage = std::max(m_toPage, m_fromPage);
    m_maxPage = std::max(m_maxPage, m_fromPage);
    m_minPage = std::min(m_minPage, m_fromPage);
}

void clsPrintDialog::SetToPage(qint32 page)
{
    m_toPage = atLeastOne(page);
    m_maxPage = std::max(m_maxPage, m_toPage);
    m_fromPage = std::min(m_fromPage, m_toPage);
    m_minPage = std::min(m_minPage, m_toPage);
}

void clsPrintDialog::SetMaxPage(qint32 page)
{
    m_maxPage = atLeastOne(page);
    m_toPage = std::min(m_toPage, m_maxPage);
    m_fromPage = std::min(m_fromPage, m_maxPage);
    m_minPage = std::min(m_minPage, m_maxPage);
}

void clsPrintDialog::SetCopies(qint32 copies) { m_copies = atLeastOne(copies); }

void clsPrintDialog::SetMaxCopies(qint32 copies) { m_maxCopies = atLeastOne(copies); }

bool clsPrintDialog::ShowPrinter(qint32 flags)
{
    if (!m_allowPrintToFile)
        flags |= pdHidePrintToFile;
    QPrinter printer(QPrinter::HighResolution);
    const QString proposedFile = presetFromApplicationPrinter(printer);
    printer.setCopyCount(m_copies);
    QPrintDialog dialog(&printer, m_owner ? QWidget::find(WId(m_owner)) : nullptr);
    PrintDialogSetup setup = setupForFlags(flags, m_minPage < m_maxPage);
    if (!proposedFile.isEmpty()) // the PDF printer in use is always offered
        setup.options |= QAbstractPrintDialog::PrintToFile;
    if (m_minPage <= m_maxPage)
        dialog.setMinMax(m_minPage, m_maxPage);
    if (m_fromPage > 0 && m_fromPage <= m_toPage)
        dialog.setFromTo(m_fromPage, m_toPage);
    dialog.setOptions(setup.options);
    dialog.setPrintRange(setup.range);
    printer.setCollateCopies(setup.collate);

    const PrintDialogAnswer answer = PrintDialogSeam::run(dialog);
    switch (answer.outcome) {
    case PrintDialogAnswer::Failed: throw runtime::RuntimeError(runtime::ErrorNumber::PrinterError);
    case PrintDialogAnswer::Cancelled:
        if (CancelError)
            throw PrintDialogCancel();
        return true;
    case PrintDialogAnswer::Confirmed: break;
    }
    takeChoice(answer.choice, proposedFile);
    return false;
}

void clsPrintDialog::takeChoice(const PrintDialogChoice& choice, const QString& proposedFile)
{
    // no range chosen leaves the caller's range
    if (choice.fromPage != 0 || choice.toPage != 0) {
        m_fromPage = choice.fromPage;
        m_toPage = choice.toPage;
    }
    spooler::Printer& printer = spooler::Printer::current();
    skippingRefusal([&] {
        const QString device = chosenDevice(choice);
        if (!device.isEmpty() && device.compare(printer.deviceName(), Qt::CaseInsensitive) != 0)
            printer.choose(device);
    });
    // the file proposed and left as it was names no file: the printer keeps its own names
    if (!choice.outputFile.isEmpty() && choice.outputFile != proposedFile)
        printer.writeNextDocumentTo(choice.outputFile);
    printer.setMonochrome(choice.colorMode == QPrinter::GrayScale);
    printer.setCopies(std::min(choice.copies, m_maxCopies));
    if (m_allowOrientation)
        printer.setOrientation(choice.orientation);
    skippingRefusal([&] {
        if (choice.pageSize.isValid() && !choice.pageSize.isEquivalentTo(printer.pageSize()))
            printer.usePaperForm(formOf(choice.pageSize));
    });
}

} // namespace preview
