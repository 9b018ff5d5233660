#include "platform/shell/Shell.h"

#include "platform/paths/Installation.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace shell {

namespace {

bool isWebAddress(const QString& text)
{
    for (const char* scheme : {"http:\\\\", "https:\\\\", "http://", "https://"})
        if (text.startsWith(QLatin1String(scheme), Qt::CaseInsensitive))
            return true;
    return false;
}

int openWith(const QUrl& url) { return QDesktopServices::openUrl(url) ? kOpened : kNoAssociation; }

} // namespace

int ShellExecute(const QString& operation, const QString& file)
{
    if (!operation.isEmpty() && operation.compare(QLatin1String("open"), Qt::CaseInsensitive) != 0)
        return kNoAssociation;
    if (isWebAddress(file))
        return openWith(QUrl(QString(file).replace(QLatin1Char('\\'), QLatin1Char('/')), QUrl::TolerantMode));

    const QFileInfo target(paths::mapWindowsPath(file));
    if (!target.dir().exists())
        return kPathNotFound;
    if (!target.exists())
        return kFileNotFound;
    return openWith(QUrl::fromLocalFile(target.absoluteFilePath()));
}

} // namespace shell
