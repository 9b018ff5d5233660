#pragma once

#include <QPageLayout>
#include <QSaveFile>
#include <QString>
#include <memory>

class QPdfWriter;

// The files the installation's PDF printer writes: <folder>/<document name>-<n>.pdf with the first n
// not yet used. The name is "Document" when the document has none; its folder separators become
// "_", and it is cut short where the whole file name, or the name of the save file it is written
// through, would exceed what the file system takes (the document keeps its whole name as its title).
namespace spooler {

// The file the next document of that name would be written to; nothing is created.
QString nextPdfFile(const QString& folder, const QString& documentName);

// Creates the folder when missing and reserves the document's file by creating it empty. A folder
// or file that cannot be created raises the printer error, naming it and the system's reason.
QString reservePdfFile(const QString& folder, const QString& documentName);

// A document drawn on a PDF writer into its file through a save file: the file receives the
// document only once every byte of it is written, and a document not finished, or one that could
// not be written whole, leaves the file as it was. The document takes its name as its title.
class PdfDocument {
public:
    // A document of the PDF printer's folder, in the file reserved for it as reservePdfFile
    // reserves one; the reservation is removed again unless the document is finished.
    static std::unique_ptr<PdfDocument> inFolder(const QString& folder, const QString& documentName, const QPageLayout& layout);
    // A document that replaces the file.
    static std::unique_ptr<PdfDocument> replacing(const QString& file, const QString& documentName, const QPageLayout& layout);
    ~PdfDocument();

    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    QPdfWriter& writer() { return *writer_; }
    // Puts the document written so far in its file. A document that could not be written whole
    // raises the printer error, naming the file and the system's reason.
    void finish();

private:
    PdfDocument(const QString& file, bool reserved, const QString& documentName, const QPageLayout& layout);

    QString path_;
    bool reserved_;
    QSaveFile file_;
    std::unique_ptr<QPdfWriter> writer_;
    bool finished_ = false;
};

} // namespace spooler
