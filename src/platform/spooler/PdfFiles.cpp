#include "platform/spooler/PdfFiles.h"

#include "platform/paths/FileNames.h"
#include "platform/runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <cerrno>
#include <cstring>

namespace spooler {
namespace {

// A PDF file or its folder that could not be created or written, as the runtime's printer error.
runtime::RuntimeError fileError(const QString& path, const char* failed, const QString& reason)
{
    const QString text = QStringLiteral("%1 could not be %2: %3.").arg(QDir::toNativeSeparators(path), QLatin1String(failed), reason);
    return runtime::RuntimeError(runtime::ErrorNumber::PrinterError, text.toStdString());
}

// The save file a document is written through lies beside its file, named as the file with this
// added; the file system must take that name too.
const QString kSaveFileSuffix = QStringLiteral(".XXXXXX");

QString pdfFile(const QString& folder, const QString& documentName, int n)
{
    QString stem = documentName.isEmpty() ? QStringLiteral("Document") : documentName;
    stem.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return paths::fittedFileName(folder, stem, QStringLiteral("-%1.pdf").arg(n) + kSaveFileSuffix).chopped(kSaveFileSuffix.size());
}

} // namespace

QString nextPdfFile(const QString& folder, const QString& documentName)
{
    for (int n = 1;; ++n)
        if (const QString path = pdfFile(folder, documentName, n); !QFileInfo::exists(path))
            return path;
}

QString reservePdfFile(const QString& folder, const QString& documentName)
{
    if (!QDir().mkpath(folder))
        throw fileError(folder, "created", QString::fromLocal8Bit(std::strerror(errno)));
    for (int n = 1;; ++n) {
        const QString path = pdfFile(folder, documentName, n);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!file.exists())
            throw fileError(path, "created", file.errorString());
    }
}

std::unique_ptr<PdfDocument> PdfDocument::inFolder(const QString& folder, const QString& documentName,
                                                   const QPageLayout& layout)
{
    return std::unique_ptr<PdfDocument>(new PdfDocument(reservePdfFile(folder, documentName), true, documentName, layout));
}

std::unique_ptr<PdfDocument> PdfDocument::replacing(const QString& file, const QString& documentName,
                                                    const QPageLayout& layout)
{
    return std::unique_ptr<PdfDocument>(new PdfDocument(file, false, documentName, layout));
}

PdfDocument::PdfDocument(const QString& file, bool reserved, const QString& documentName, const QPageLayout& layout)
    : path_(file)
    , reserved_(reserved)
    , file_(file)
{
    if (!file_.open(QIODevice::WriteOnly)) {
        if (reserved_)
            QFile::remove(path_);
        throw fileError(path_, "written", file_.errorString());
    }
    writer_ = std::make_unique<QPdfWriter>(&file_);
    writer_->setTitle(documentName);
    writer_->setPageLayout(layout);
}

PdfDocument::~PdfDocument()
{
    if (reserved_ && !finished_)
        QFile::remove(path_);
}

void PdfDocument::finish()
{
    // The last bytes are written out first: a failure there would not stop the commit.
    if (!file_.flush() || !file_.commit())
        throw fileError(path_, "written", file_.errorString());
    finished_ = true;
}

} // namespace spooler
