#include "preview/PageFiles.h"

#include <QDir>
#include <QImageWriter>
#include <QStringList>

namespace preview {
namespace {

// The runtime's "Path/File access error".
constexpr auto kFileAccessError = runtime::ErrorNumber(75);

} // namespace

QString pageFileName(int page) { return QStringLiteral("PPview%1.bmp").arg(page); }

QString pageFilePath(const QString& folder, int page) { return QDir(folder).filePath(pageFileName(page)); }

QString writePageFile(const QImage& picture, const QString& folder, int page)
{
    QFile file(pageFilePath(folder, page));
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    QImageWriter writer(&file, "BMP");
    if (!writer.write(picture))
        return file.error() != QFileDevice::NoError ? file.errorString() : writer.errorString();
    return QString();
}

void deletePageFiles(const QString& folder)
{
    QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("PPview*.bmp")}, QDir::Files))
        dir.remove(name);
    QDir().rmdir(folder);
}

PageSaveError::PageSaveError(const QString& folder, const QList<int>& pages, const QString& reason)
    : RuntimeError(kFileAccessError)
{
    QStringList numbers;
    for (int page : pages)
        numbers << QString::number(page + 1);
    m_description = QStringLiteral("Path/File access error: page %1 of the preview could not be written to %2: %3.")
                        .arg(numbers.join(QStringLiteral(", ")), QDir::toNativeSeparators(folder), reason)
                        .toStdString();
}

} // namespace preview
