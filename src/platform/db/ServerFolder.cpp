#include "platform/db/ServerFolder.h"

#include "platform/db/DbError.h"
#include "platform/paths/Installation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

namespace db {

namespace {

// A server name as a folder name: an instance name's backslash cannot stand in a file name.
QString folderNameOf(const QString& serverName)
{
    QString name = serverName.trimmed();
    return name.replace(QLatin1Char('\\'), QLatin1Char('_'));
}

// A name that could lead out of its folder: "." or "..", or one holding a path separator or "..".
bool isPath(const QString& name)
{
    return name == u"." || name.contains(QLatin1String("..")) || name.contains(u'/') || name.contains(u'\\');
}

} // namespace

ServerFolder ServerFolder::find(const QString& serverName)
{
    const QString root = paths::serversFolder();
    const QString wanted = folderNameOf(serverName);
    const QString entry = wanted.isEmpty() || isPath(wanted) ? QString() : paths::findEntryNoCase(root, wanted);
    if (entry.isEmpty() || !QFileInfo(root + QLatin1Char('/') + entry).isDir())
        throw DbError(DbErrorKind::ServerNotFound);
    return ServerFolder(entry, root + QLatin1Char('/') + entry);
}

QString ServerFolder::databaseFile(const QString& database) const
{
    const QString name = database.trimmed();
    const QString entry = name.isEmpty() || isPath(name)
                              ? QString()
                              : paths::findEntryNoCase(m_path, name + QLatin1String(kDatabaseSuffix));
    if (entry.isEmpty())
        throw DbError::databaseNotFound(database);
    return m_path + QLatin1Char('/') + entry;
}

QStringList ServerFolder::databases() const
{
    QStringList names;
    const QStringList files = QDir(m_path).entryList({QStringLiteral("*") + QLatin1String(kDatabaseSuffix)}, QDir::Files);
    for (const QString& file : files)
        names << file.chopped(int(qstrlen(kDatabaseSuffix)));
    return names;
}

ServerFolder ServerFolder::linkedServer(const QString& linkedName) const
{
    QFile ini(m_path + QStringLiteral("/linked-servers.ini"));
    if (ini.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream in(&ini);
        while (!in.atEnd()) {
            const QString line = in.readLine().trimmed();
            const qsizetype eq = line.indexOf(u'=');
            if (line.startsWith(u'#') || line.startsWith(u';') || eq <= 0)
                continue;
            if (line.left(eq).trimmed().compare(linkedName.trimmed(), Qt::CaseInsensitive) == 0)
                return find(line.mid(eq + 1).trimmed());
        }
    }
    throw DbError::linkedServerNotFound(linkedName);
}

} // namespace db
