#include "platform/spooler/PdfFiles.h"

#include "platform/paths/FileNames.h"
#include "platform/runtime/RuntimeError.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <string>

namespace spooler {
namespace {

// A PDF file or its folder that could not be created, as the runtime's printer error.
class PdfFileError : public runtime::RuntimeError {
public:
    PdfFileError(const QString& path, const QString& reason)
        : RuntimeError(runtime::ErrorNumber::PrinterError),
          m_description(QStringLiteral("%1 could not be created: %2.").arg(QDir::toNativeSeparators(path), reason).toStdString())
    {
    }
    const char* what() const noexcept override { return m_description.c_str(); }

private:
    std::string m_description;
};

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
        throw PdfFileError(folder, QString::fromLocal8Bit(std::strerror(errno)));
    for (int n = 1;; ++n) {
        const QString path = pdfFile(folder, documentName, n);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        if (!file.exists())
            throw PdfFileError(path, file.errorString());
    }
}

} // namespace spooler
