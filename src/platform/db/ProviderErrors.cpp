#include "platform/db/ProviderErrors.h"

#include "platform/db/SqlText.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <sqlite3.h>

namespace db {
namespace {

QString text(sqlite3_stmt* stmt, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)));
}

// The rows of a PRAGMA as text, one list per row.
QList<QStringList> pragmaRows(sqlite3* db, const QString& pragma)
{
    QList<QStringList> rows;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray sql = pragma.toUtf8();
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK)
        return rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList row;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c)
            row << text(stmt, c);
        rows << row;
    }
    sqlite3_finalize(stmt);
    return rows;
}

// The unique index made by CREATE UNIQUE INDEX over exactly these columns of the table, if any.
QString uniqueIndexOver(sqlite3* db, const QString& table, const QStringList& columns)
{
    // index_list: seq, name, unique, origin, partial
    for (const QStringList& index : pragmaRows(db, QStringLiteral("PRAGMA index_list(%1)").arg(sqliteName(table)))) {
        if (index.size() < 4 || index[2] != u"1" || index[3] != u"c")
            continue;
        QStringList indexed; // index_info: seqno, cid, name
        for (const QStringList& column : pragmaRows(db, QStringLiteral("PRAGMA index_info(%1)").arg(sqliteName(index[1]))))
            indexed << column.value(2);
        if (indexed.join(u',').compare(columns.join(u','), Qt::CaseInsensitive) == 0)
            return index[1];
    }
    return QString();
}

// "UNIQUE constraint failed: T.a, T.b" as the server words it.
QString duplicateKey(sqlite3* db, int code, const QString& message)
{
    static const QRegularExpression failed(QStringLiteral("constraint failed: (.*)$"));
    QString table;
    QStringList columns;
    for (const QString& column : failed.match(message).captured(1).split(QStringLiteral(", "))) {
        table = column.section(u'.', 0, 0);
        columns << column.section(u'.', 1);
    }
    if (table.isEmpty())
        return message;
    const QString object = QStringLiteral("dbo.") + table;
    if (code == SQLITE_CONSTRAINT_UNIQUE) {
        if (const QString index = uniqueIndexOver(db, table, columns); !index.isEmpty())
            return QStringLiteral("Cannot insert duplicate key row in object '%1' with unique index '%2'.").arg(object, index);
        return QStringLiteral("Violation of UNIQUE KEY constraint 'UQ_%1'. Cannot insert duplicate key in object '%2'.")
            .arg(table, object);
    }
    return QStringLiteral("Violation of PRIMARY KEY constraint 'PK_%1'. Cannot insert duplicate key in object '%2'.")
        .arg(table, object);
}

// The name of the connection's database that cannot be written: its file's name.
QString readOnlyDatabase(sqlite3* db)
{
    for (const QStringList& database : pragmaRows(db, QStringLiteral("PRAGMA database_list"))) {
        const QByteArray schema = database.value(1).toUtf8();
        if (sqlite3_db_readonly(db, schema.constData()) == 1)
            return QFileInfo(database.value(2)).completeBaseName();
    }
    return QFileInfo(QString::fromUtf8(sqlite3_db_filename(db, "main"))).completeBaseName();
}

} // namespace

DbError providerError(sqlite3* db)
{
    const int code = sqlite3_extended_errcode(db);
    const QString message = QString::fromUtf8(sqlite3_errmsg(db));
    if (code == SQLITE_CONSTRAINT_PRIMARYKEY || code == SQLITE_CONSTRAINT_UNIQUE)
        return DbError(DbErrorKind::Provider, duplicateKey(db, code, message));
    if ((code & 0xff) == SQLITE_READONLY)
        return DbError(DbErrorKind::Provider,
                       QStringLiteral("Failed to update database \"%1\" because the database is read-only.")
                           .arg(readOnlyDatabase(db)));
    return DbError(DbErrorKind::Provider, message);
}

DbError inProviderWords(const DbError& error, const std::function<QString(const QString& schema)>& databaseOf)
{
    static const QRegularExpression missing(QStringLiteral("^no such (table|column): (?:([a-z0-9_]+)\\.)?(.+)$"));
    static const QRegularExpression notInserted(QStringLiteral("^table \\S+ has no column named (.+)$"));
    if (error.kind() != DbErrorKind::Syntax)
        return error;
    if (const QRegularExpressionMatch listed = notInserted.match(error.description()); listed.hasMatch())
        return DbError::invalidColumnName(listed.captured(1));
    const QRegularExpressionMatch match = missing.match(error.description());
    if (!match.hasMatch())
        return error;
    const QString name = match.captured(3);
    if (match.captured(1) == u"column")
        return DbError::invalidColumnName(name.section(u'.', -1));
    const QString database = match.captured(2).isEmpty() ? QString() : databaseOf(match.captured(2));
    return DbError::invalidObjectName(database.isEmpty() ? name : database + QStringLiteral("..") + name);
}

} // namespace db
