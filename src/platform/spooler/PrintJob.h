#pragma once

#include <QColor>
#include <QImage>
#include <QPagedPaintDevice>
#include <memory>

class QPrinter;

namespace spooler {

class PdfDocument;

// One document of the application's printer (Printer::openJob), drawn with a painter on device() at
// the device's resolution; the device's newPage() starts the next page. A system printer takes the
// document as its painter ends; the PDF printer's file receives it only when finished.
class PrintJob {
public:
    explicit PrintJob(std::unique_ptr<QPrinter> printer);
    // A document of the PDF printer; grey when the printer is set to monochrome.
    PrintJob(std::unique_ptr<PdfDocument> pdf, bool grey);
    ~PrintJob();

    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    QPagedPaintDevice& device() { return *device_; }
    // A colour or picture as the document prints it: grey in a grey document (a system printer set
    // to monochrome makes it grey itself).
    QColor ink(const QColor& colour) const;
    QImage ink(const QImage& picture) const;

    // Completes the document once the painter on it has ended. A PDF file that could not be written
    // whole raises the printer error, naming the file and the system's reason; like a document never
    // finished, it leaves no part of itself behind.
    void finish();

private:
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PdfDocument> pdf_;
    QPagedPaintDevice* device_;
    bool grey_ = false;
};

} // namespace spooler
