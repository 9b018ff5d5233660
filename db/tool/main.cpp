// quorvel-db: creates installations, fills a demo branch, and runs statements on a server.
#include "installer/DemoBranch.h"
#include "installer/Installer.h"
#include "installer/SqlScript.h"

#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/MonthDatabases.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QTextStream>
#include <sqlite3.h>

namespace {

void printUsage(QTextStream& out)
{
    out << "usage:\n"
           "  quorvel-db create <root> [--today yyyy-MM-dd]\n"
           "  quorvel-db demo <root> [--consignments N] [--seed S] [--today yyyy-MM-dd]\n"
           "  quorvel-db sql <root> <server> <database>   (UTF-8 statements on standard input, batches end at GO)\n";
}

// A command line the tool does not take; nothing is made.
struct UsageError {
    QString reason;
};

// A command, its words and its options ("--name" to value), as the command takes them.
struct CommandLine {
    QString command;
    QStringList words;
    QMap<QString, QString> options;
};

CommandLine parseCommandLine(const QStringList& args)
{
    struct Grammar {
        qsizetype words;
        QStringList options;
    };
    const QMap<QString, Grammar> grammars{
        {QStringLiteral("create"), {1, {QStringLiteral("--today")}}},
        {QStringLiteral("demo"), {1, {QStringLiteral("--consignments"), QStringLiteral("--seed"), QStringLiteral("--today")}}},
        {QStringLiteral("sql"), {3, {}}},
    };
    CommandLine line{args.value(1), {}, {}};
    if (!grammars.contains(line.command))
        throw UsageError{line.command.isEmpty() ? QStringLiteral("no command") : QStringLiteral("unknown command %1").arg(line.command)};
    const Grammar& grammar = grammars[line.command];
    for (qsizetype i = 2; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (!arg.startsWith(u'-')) {
            if (line.words.size() == grammar.words)
                throw UsageError{QStringLiteral("unexpected word %1").arg(arg)};
            line.words << arg;
        } else if (!grammar.options.contains(arg)) {
            throw UsageError{QStringLiteral("unknown option %1").arg(arg)};
        } else if (i + 1 == args.size() || args[i + 1].startsWith(QLatin1String("--"))) {
            throw UsageError{QStringLiteral("%1 wants a value").arg(arg)};
        } else {
            line.options.insert(arg, args[++i]);
        }
    }
    if (line.words.size() < grammar.words)
        throw UsageError{QStringLiteral("too few words for %1").arg(line.command)};
    return line;
}

// The month names hold two digits of the year: only this century's years read back as they were.
QDate todayOption(const CommandLine& line)
{
    const QString text = line.options.value(QStringLiteral("--today"));
    if (text.isEmpty())
        return QDate::currentDate();
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid())
        throw installer::InstallError(QStringLiteral("--today wants a date yyyy-MM-dd, not \"%1\"").arg(text).toStdString());
    if (!db::inMonthDatabaseYears(date))
        throw UsageError{QStringLiteral("--today wants a year from %1 to %2, not %3")
                             .arg(db::kFirstMonthDatabaseYear)
                             .arg(db::kLastMonthDatabaseYear)
                             .arg(date.year())};
    return date;
}

qint64 numberOption(const CommandLine& line, const QString& name, qint64 fallback)
{
    const QString text = line.options.value(name, QString::number(fallback));
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

int runSql(const QStringList& words)
{
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    const QString script = installer::scriptText(in.readAll());
    qputenv("QUORVEL_ROOT", words[0].toLocal8Bit());
    db::Connection connection;
    connection.setProvider(QStringLiteral("SQLOLEDB"));
    QTextStream out(stdout);
    try {
        connection.open(QStringLiteral("Data Source=%1;USER ID=sa;PASSWORD=;Initial Catalog=%2").arg(words[1], words[2]));
    } catch (const db::DbError& e) {
        out << "Msg " << e.number() << ": " << e.description() << '\n';
        return 1;
    }
    return installer::runScript(connection, script, out) > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Filling a demo branch allocates for every row written: SQLite's memory statistics, kept under
    // one lock for both writing threads, are of no use to the tool. Set before SQLite starts.
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.contains(QStringLiteral("--help"))) {
        QTextStream out(stdout);
        printUsage(out);
        return 0;
    }
    try {
        const CommandLine line = parseCommandLine(args);
        if (line.command == u"sql")
            return runSql(line.words);
        QTextStream out(stdout);
        const QString root = line.words[0];
        const QDate today = todayOption(line);
        if (line.command == u"create") {
            installer::createInstallation(root, today);
            printServers(out, root, today);
            return 0;
        }
        installer::DemoOptions options;
        options.consignments = numberOption(line, QStringLiteral("--consignments"), options.consignments);
        options.seed = quint64(numberOption(line, QStringLiteral("--seed"), qint64(options.seed)));
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
    } catch (const UsageError& e) {
        QTextStream err(stderr);
        err << "quorvel-db: " << e.reason << '\n';
        printUsage(err);
        return 2;
    } catch (const std::exception& e) {
        QTextStream(stderr) << "quorvel-db: " << e.what() << '\n';
        return 1;
    }
}
