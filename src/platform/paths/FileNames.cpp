#include "platform/paths/FileNames.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

namespace paths {
namespace {

constexpr long kCommonNameLimit = 255; // bytes, when the file system does not say

// The longest file name, in bytes, that the folder (or the nearest folder above it that exists) takes.
long nameLimitOf(QString folder)
{
    while (!QFileInfo(folder).isDir() && !QDir(folder).isRoot() && !folder.isEmpty())
        folder = QFileInfo(folder).path();
    const long limit = pathconf(QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder).constData(), _PC_NAME_MAX);
    return limit > 0 ? limit : kCommonNameLimit;
}

} // namespace

QString fittedFileName(const QString& folder, const QString& stem, const QString& ending)
{
    const long room = nameLimitOf(folder) - QFile::encodeName(ending).size();
    QString fitted = stem;
    while (!fitted.isEmpty() && QFile::encodeName(fitted).size() > room)
        fitted.chop(fitted.size() >= 2 && fitted.back().isLowSurrogate() ? 2 : 1);
    return QDir(folder).filePath(fitted + ending);
}

} // namespace paths
