// quorvel-db: creates installations, fills a demo branch, and runs statements on a server.
#include "installer/DemoBranch.h"
#include "installer/Installer.h"
#include "installer/SqlScript.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>
#include <sqlite3.h>

namespace {

int usage()
{
    QTextStream(stderr) << "usage:\n"
                           "  quorvel-db create <root> [--today yyyy-MM-dd]\n"
                           "  quorvel-db demo <root> [--consignments N] [--seed S] [--today yyyy-MM-dd]\n"
                           "  quorvel-db sql <root> <server> <database>   (statements on standard input, batches end at GO)\n";
    return 2;
}

// The value after a --name option, or fallback.
QString option(const QStringList& args, const QString& name, const QString& fallback)
{
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

QDate todayOption(const QStringList& args)
{
    const QString text = option(args, QStringLiteral("--today"), QString());
    if (text.isEmpty())
        return QDate::currentDate();
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        throw installer::InstallError(QStringLiteral("--today wants a date yyyy-MM-dd, not \"%1\"").arg(text).toStdString());
    return date;
}

qint64 numberOption(const QStringList& args, const QString& name, qint64 fallback)
{
    const QString text = option(args, name, QString::number(fallback));
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    if (!ok || value < 0)
        throw installer::InstallError(QStringLiteral("%1 wants a whole number, not \"%2\"").arg(name, text).toStdString());
    return value;
}

void printServers(QTextStream& out, const QString& root, const QDate& today)
{
    out << "installation: " << QDir(root).absolutePath() << '\n'
        << "branch server: " << installer::Names::kBranchServer << " (" << installer::Names::kAdminDatabase << ", "
        << installer::Names::kTrackingDatabase << ", " << installer::Names::kPhoneBookDatabase << ", "
        << installer::initialMonths(today).join(QStringLiteral(", ")) << ")\n"
        << "head-office server: " << installer::Names::kHeadOfficeServer << " (" << installer::Names::kHeadOfficeDatabase
        << "), linked as [" << installer::Names::kHeadOfficeLink << "]\n";
}

int runSql(const QStringList& args)
{
    qputenv("QUORVEL_ROOT", args[2].toLocal8Bit());
    db::Connection connection;
    connection.setProvider(QStringLiteral("SQLOLEDB"));
    QTextStream out(stdout);
    try {
        connection.open(QStringLiteral("Data Source=%1;USER ID=sa;PASSWORD=;Initial Catalog=%2").arg(args[3], args[4]));
    } catch (const db::DbError& e) {
        out << "Msg " << e.number() << ": " << e.description() << '\n';
        return 1;
    }
    QTextStream in(stdin);
    return installer::runScript(connection, in.readAll(), out) > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Filling a demo branch allocates for every row written: SQLite's memory statistics, kept under
    // one lock for both writing threads, are of no use to the tool. Set before SQLite starts.
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return usage();
    const QString command = args[1];
    try {
        if (command == u"sql")
            return args.size() == 5 ? runSql(args) : usage();
        QTextStream out(stdout);
        const QString root = args[2];
        const QDate today = todayOption(args);
        if (command == u"create") {
            installer::createInstallation(root, today);
            printServers(out, root, today);
            return 0;
        }
        if (command == u"demo") {
            installer::DemoOptions options;
            options.consignments = numberOption(args, QStringLiteral("--consignments"), options.consignments);
            options.seed = quint64(numberOption(args, QStringLiteral("--seed"), qint64(options.seed)));
            options.today = today;
            if (options.consignments < 1)
                throw installer::InstallError("--consignments wants at least 1");
            installer::createInstallation(root, today);
            printServers(out, root, today);
            try {
                installer::fillDemoBranch(root, options, out);
            } catch (...) {
                // the installation was made just now: leave nothing half-filled behind
                QDir(root).removeRecursively();
                throw;
            }
            return 0;
        }
    } catch (const std::exception& e) {
        QTextStream(stderr) << "quorvel-db: " << e.what() << '\n';
        return 1;
    }
    return usage();
}
