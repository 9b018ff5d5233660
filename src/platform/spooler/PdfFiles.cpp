#include "platform/spooler/PdfFiles.h"

#include "platform/paths/FileNames.h"
#include "platform/runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>

namespace spooler {
namespace {

// A PDF file or its folder that could not be created, as the runtime's printer error.
runtime::RuntimeError creationError(const QString& path, const QString& reason)
{
    return runtime::RuntimeError(runtime::ErrorNumber::PrinterError,
                                 QStringLiteral("%1 could not be created: %2.").arg(QDir::toNativeSeparators(path), reason).toStdString());
}

QString pdfFile(const QString& folder, const QString& documentName, int n)
{
    QString stem = documentName.isEmpty() ? QStringLiteral("Document") : documentName;
    stem.replace(QLatin1Char('/'), QLatin1Char('_')).replace(QLatin1Char('\\'), QLatin1Char('_'));
    return paths::fittedFileName(folder, stem, QStringLiteral("-%1.pdf").arg(n));
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
        throw creationError(folder, QString::fromLocal8Bit(std::strerror(errno)));
    for (int n = 1;; ++n) {
        const QString path = pdfFile(folder, documentName, n);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!file.exists())
            throw creationError(path, file.errorString());
    }
}

} // namespace spooler
