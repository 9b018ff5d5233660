#include "preview/PageFiles.h"

#include <QDir>
#include <QStringList>

namespace preview {
namespace {

// The runtime's "Path/File access error".
constexpr auto kFileAccessError = runtime::ErrorNumber(75);

} // namespace

QString pageFileName(int page) { return QStringLiteral("PPview%1.bmp").arg(page); }

QString pageFilePath(const QString& folder, int page) { return QDir(folder).filePath(pageFileName(page)); }

void deletePageFiles(const QString& folder)
{
    QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("PPview*.bmp")}, QDir::Files))
        dir.remove(name);
    QDir().rmdir(folder);
}

PageSaveError::PageSaveError(const QString& folder, const QList<int>& pages) : RuntimeError(kFileAccessError)
{
    QStringList numbers;
    for (int page : pages)
        numbers << QString::number(page + 1);
    m_description = QStringLiteral("Path/File access error: page %1 of the preview could not be written to %2.")
                        .arg(numbers.join(QStringLiteral(", ")), QDir::toNativeSeparators(folder))
                        .toStdString();
}

} // namespace preview
