#pragma once

#include "platform/spooler/FormStore.h"

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <memory>
#include <optional>

class QPainter;

namespace spooler {

class PrintJob;

// The application's printer object. Its device is the installation's print-to-PDF printer when
// <root>/printer.ini names one, else the system's default printer; each use looks the device up
// afresh. Every member that reaches the device throws runtime::RuntimeError(PrinterError) when there
// is neither.
//
// Text is printed in text mode: positions are in twips (1/1440 inch) from the top left corner of the
// sheet. The first output starts a document, which endDoc() releases to the printer; a document
// still open when the application ends is released then.
class Printer {
public:
    static Printer& current();

    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    QString deviceName() const;
    // Makes the printer of that name (compared case-insensitively, as openPrinter finds it) the device
    // of the next documents in place of the default one. False, leaving the device as it was, when no
    // printer has that name; a chosen printer that has gone gives way to the default again.
    bool choose(const QString& name);

    // The paper of the next document: the form selected on this device, else the device's default paper.
    QString formName() const;
    QPageSize pageSize() const;
    // Selects a form of the current device (as SelectPaperForm does).
    void usePaperForm(const PaperForm& form);

    // A job for one document on the current device and paper, with the page settings below: the PDF
    // printer writes <folder>/<documentName>-<n>.pdf with the first n not yet used (see PdfDocument);
    // a system printer prints there. A file given by writeNextDocumentTo takes that one document in
    // place of the device. Raises the printer error when the file cannot be made.
    std::unique_ptr<PrintJob> openJob(const QString& documentName);
    // Writes the next document as PDF to that file, replacing it, whatever the device; the documents
    // after it go to the device again.
    void writeNextDocumentTo(const QString& pdfFile) { nextDocumentFile_ = pdfFile; }

    // Page settings of the next documents (the printer object's Orientation, Copies and ColorMode);
    // until set, the device's own. pageSize() stays the paper as it stands in portrait.
    QPageLayout::Orientation orientation() const;
    void setOrientation(QPageLayout::Orientation orientation);
    int copies() const;
    void setCopies(int copies);
    void setMonochrome(bool monochrome);

    // The font of the lines printed next (see printerFont); initially the resident 10 cpi draft font.
    QString fontName() const { return fontName_; }
    void setFontName(const QString& name) { fontName_ = name; }
    // The vertical print position, in twips.
    double currentY() const { return currentY_; }
    void setCurrentY(double twips) { currentY_ = twips; }

    // Prints text at the left margin from the current position and moves down one line of the font.
    // In a draft font each character fills one cell of the font's pitch: character n of the text
    // stands n cells from the margin.
    void print(const QString& text);
    // Ends the document and releases it to the printer; the next line starts at the top of a new sheet.
    // A document the printer cannot take raises the printer error with its cause: a PDF file that
    // cannot be written whole is named with the system's reason, and no part of it is left.
    void endDoc();
    // Puts the object back as the program starts: the default device with its own paper and page
    // settings, the first font at the top of a sheet; an open document is dropped unprinted.
    void reset();

private:
    Printer();
    ~Printer();
    void startDocument();

    QString formDevice_; // the device the selected form belongs to
    PaperForm form_;
    std::optional<QPageLayout::Orientation> orientation_;
    std::optional<int> copies_;
    std::optional<bool> monochrome_;
    std::optional<QString> nextDocumentFile_;
    static inline const QString kFirstFont = QStringLiteral("Draft 10Cpi");
    QString fontName_ = kFirstFont;
    double currentY_ = 0;
    // The open document.
    std::unique_ptr<PrintJob> job_;
    std::unique_ptr<QPainter> painter_;
};

} // namespace spooler
