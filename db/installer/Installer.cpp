#include "installer/Installer.h"

#include "platform/db/MonthDatabases.h"
#include "platform/db/ServerFolder.h"
#include "platform/db/SqliteFunctions.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QTextStream>
#include <sqlite3.h>

namespace installer {

namespace {

void writeTextFile(const QString& path, const QString& text)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        throw InstallError(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()).toStdString());
    QTextStream(&file) << text;
}

void execOn(sqlite3* handle, const QString& file, const QByteArray& sql)
{
    char* message = nullptr;
    if (sqlite3_exec(handle, sql.constData(), nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message);
        sqlite3_free(message);
        throw InstallError(QStringLiteral("%1: %2").arg(file, text).toStdString());
    }
}

void buildServers(const QString& root, const QDate& today)
{
    const QString branch = serverFolder(root, Names::kBranchServer);
    const QString headOffice = serverFolder(root, Names::kHeadOfficeServer);
    for (const QString& folder : {branch, headOffice, root + QStringLiteral("/C/NVX"), root + QStringLiteral("/ConvertedExcelFile")})
        if (!QDir().mkpath(folder))
            throw InstallError(QStringLiteral("cannot create the folder %1").arg(folder).toStdString());

    const QString adminFile = databasePath(branch, QLatin1String(Names::kAdminDatabase));
    createDatabase(adminFile, QStringLiteral("admin"));
    createDatabase(databasePath(branch, QLatin1String(Names::kTrackingDatabase)), QStringLiteral("tracking"));
    createDatabase(databasePath(branch, QLatin1String(Names::kPhoneBookDatabase)), QStringLiteral("admindb"));
    for (const QString& month : initialMonths(today))
        createDatabase(databasePath(branch, month), QStringLiteral("month"));
    createDatabase(databasePath(headOffice, QLatin1String(Names::kHeadOfficeDatabase)), QStringLiteral("headoffice"));

    // The head office as the branch server sees it: a linked server, and the settings row that names it.
    writeTextFile(branch + QStringLiteral("/linked-servers.ini"),
                  QStringLiteral("# linked server name = server folder\n%1 = %2\n%2 = %2\n")
                      .arg(QLatin1String(Names::kHeadOfficeLink), QLatin1String(Names::kHeadOfficeServer)));
    sqlite3* admin = nullptr;
    sqlite3_open_v2(adminFile.toUtf8().constData(), &admin, SQLITE_OPEN_READWRITE, nullptr);
    db::registerServerFunctions(admin);
    try {
        execOn(admin, adminFile,
               QStringLiteral("INSERT INTO tab_Settings (Software, Description, Status, Remarks) VALUES "
                              "('QUERY', 'HO SERVER', 1, '%1')").arg(QLatin1String(Names::kHeadOfficeServer)).toUtf8());
    } catch (...) {
        sqlite3_close(admin);
        throw;
    }
    sqlite3_close(admin);

    writeBackgroundPicture(root);
    writeTextFile(root + QStringLiteral("/C/NVX/NVX_ZEL_CONFIG.ini"),
                  QStringLiteral("[SERVER]\nPRIMARY_SERVER=%1\nALTER_SERVER=%1\n").arg(QLatin1String(Names::kBranchServer)));
    // Many counters have no printer: the installation prints to PDF files in its "Printed" folder.
    writeTextFile(root + QStringLiteral("/printer.ini"), QStringLiteral("[Printer]\nName=Quorvel PDF\nFolder=Printed\n"));
}

} // namespace

QString serverFolder(const QString& root, const char* server)
{
    return root + QStringLiteral("/servers/") + QLatin1String(server);
}

QString databasePath(const QString& folder, const QString& database)
{
    return folder + QLatin1Char('/') + database + QLatin1String(db::ServerFolder::kDatabaseSuffix);
}

QString monthDatabaseName(const QDate& date)
{
    return db::monthDatabaseName(QLatin1String(Names::kStation), date);
}

QStringList initialMonths(const QDate& today)
{
    const QDate first(today.year(), today.month(), 1);
    return {monthDatabaseName(first), monthDatabaseName(first.addMonths(-1)), monthDatabaseName(first.addMonths(-2))};
}

void createDatabase(const QString& file, const QString& schemaName)
{
    if (QFileInfo::exists(file))
        throw InstallError(QStringLiteral("%1 already exists").arg(file).toStdString());
    QFile schema(QStringLiteral(":/schema/%1.sql").arg(schemaName));
    if (!schema.open(QIODevice::ReadOnly))
        throw InstallError(QStringLiteral("the schema %1 is missing from the program").arg(schemaName).toStdString());
    sqlite3* handle = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &handle, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        sqlite3_close(handle);
        throw InstallError(QStringLiteral("cannot create %1").arg(file).toStdString());
    }
    db::registerServerFunctions(handle);
    try {
        // Write-ahead logging lets the program's several connections read while one writes.
        execOn(handle, file, "PRAGMA journal_mode=WAL;");
        execOn(handle, file, "BEGIN;" + schema.readAll() + "\n;COMMIT;");
    } catch (...) {
        sqlite3_close(handle);
        throw;
    }
    sqlite3_close(handle);
}

void writeBackgroundPicture(const QString& root)
{
    QImage picture(1024, 768, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, picture.height());
    gradient.setColorAt(0, QColor(0xE8, 0xEE, 0xF6));
    gradient.setColorAt(1, QColor(0xB8, 0xC8, 0xDE));
    painter.fillRect(picture.rect(), gradient);
    painter.end();
    const QString file = root + QStringLiteral("/BackScreen.jpg");
    if (!picture.save(file, "JPG", 90))
        throw InstallError(QStringLiteral("cannot write %1").arg(file).toStdString());
}

void createInstallation(const QString& root, const QDate& today)
{
    const QFileInfo target(root);
    if (target.exists() && !(target.isDir() && QDir(root).isEmpty()))
        throw InstallError(QStringLiteral("%1 already exists and is not empty; an installation is never overwritten").arg(root).toStdString());
    const QString absolute = target.absoluteFilePath();
    QDir().mkpath(target.absolutePath());
    // Built in a work folder made afresh beside root, which on leaving removes what it holds and
    // nothing else; inside it, so that root gets the permissions of a new folder, not the work
    // folder's owner-only ones.
    QTemporaryDir work(absolute + QStringLiteral(".partial-XXXXXX"));
    if (!work.isValid())
        throw InstallError(QStringLiteral("cannot create a work folder beside %1: %2").arg(absolute, work.errorString()).toStdString());
    const QString built = work.filePath(QStringLiteral("installation"));
    buildServers(built, today);
    if (target.exists())
        QDir().rmdir(absolute);
    if (!QDir().rename(built, absolute))
        throw InstallError(QStringLiteral("cannot move the new installation to %1").arg(absolute).toStdString());
}

} // namespace installer
