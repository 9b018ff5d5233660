#include "platform/paths/Installation.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace paths {

QString installationRoot()
{
    const QString fromEnvironment = qEnvironmentVariable("QUORVEL_ROOT");
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(QDir(fromEnvironment).absolutePath());
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/quorvel");
}

QString serversFolder() { return installationRoot() + QStringLiteral("/servers"); }

QString programPath(const QString& relative) { return mapWindowsPath(relative); }

QString findEntryNoCase(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (dir.exists(name))
        return name;
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return QString();
}

QString mapWindowsPath(const QString& windowsPath)
{
    QString path = windowsPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QStringList components;
    if (path.startsWith(QLatin1String("//"))) {
        components << QStringLiteral("UNC");
        path = path.mid(2);
    } else if (path.size() >= 2 && path[0].isLetter() && path[1] == u':') {
        components << QString(path[0].toUpper());
        path = path.mid(2);
    }
    components << path.split(QLatin1Char('/'), Qt::SkipEmptyParts);

    QString result = installationRoot();
    for (const QString& component : components) {
        if (component == u".")
            continue;
        const QString existing = findEntryNoCase(result, component);
        result += QLatin1Char('/') + (existing.isEmpty() ? component : existing);
    }
    return result;
}

} // namespace paths
