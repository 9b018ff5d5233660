#pragma once

#include "platform/db/Engine.h"
#include "platform/db/ServerFolder.h"
#include "platform/db/SqliteRows.h"
#include "platform/db/StatementTemplate.h"
#include "platform/db/TsqlAdapter.h"

#include <QHash>
#include <memory>
#include <optional>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

// The engine behind every connection: a SQLite file per database. Other databases and linked
// servers named in a statement are attached on first use.
class SqliteEngine final : public Engine, private NameResolver {
public:
    // Opens the catalog's file (never creating one); throws DbError "Cannot open database". Where
    // no file can be made beside it (a full disk, a read-only folder) a database whose write-ahead
    // log is empty is opened for reading only.
    SqliteEngine(const ServerFolder& server, const QString& catalog);
    ~SqliteEngine() override;
    SqliteEngine(const SqliteEngine&) = delete;
    SqliteEngine& operator=(const SqliteEngine&) = delete;

    ResultSet query(const QString& sql) override;
    qint64 execute(const QString& sql) override;
    std::unique_ptr<RowReader> openReader(const QString& sql) override;
    ResultSet executeBatch(const QString& sql) override;
    void beginTransaction() override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    void setBusyTimeout(int seconds) override;

private:
    QString schemaFor(const QString& linkedServer, const QString& database) override;
    Columns columnsOf(const QString& schema, const QString& table) override;
    QString attach(const ServerFolder& server, const QString& database);
    // Runs the one statement of a window's text; a statement whose shape is kept runs straight
    // from its text, without making tokens, and one that repeats a kept text but for its values
    // without reading the whole text again. Adds the rows a command changed to changes.
    ResultSet runText(const QString& sql, qint64* changes);
    // Runs one statement: procedures directly, everything else through its prepared
    // form with the values bound. Adds the rows a command changed to changes.
    ResultSet run(const std::vector<Token>& statement, qint64* changes, AdaptedStatement::Kind* kind);
    ResultSet runProcedure(const AdaptedStatement& call);
    struct sqlite3_stmt_deleter {
        void operator()(sqlite3_stmt* stmt) const;
    };
    struct Prepared {
        std::unique_ptr<sqlite3_stmt, sqlite3_stmt_deleter> statement;
        AdaptedStatement::Kind kind;
        QStringList named;              // the attached databases it names
        std::optional<RowDecoder> rows; // its result columns, described on first run
        int reprepared = 0;             // SQLite's count of its re-preparations when they were described
    };
    // The prepared form of a statement's shape, made and kept on first use; its statement is null
    // when the shape cannot take its values as parameters.
    Prepared* prepared(const QString& shape, const std::vector<Token>& markedTokens);
    // Runs a kept prepared form with the values bound.
    ResultSet runPrepared(Prepared& kept, const QVariantList& values, qint64* changes);

    sqlite3* m_db = nullptr;
    ServerFolder m_server;
    QString m_catalog;
    QHash<QString, QString> m_attached; // "server|database" -> schema alias
    QStringList m_named; // the attached databases named by the statement adapted last
    std::unordered_map<QString, Prepared> m_prepared; // statement shape -> prepared form
    struct KeptText {
        StatementTemplate text;
        Prepared* prepared;
    };
    std::vector<KeptText> m_texts; // texts that ran a kept prepared form, the one run last first
    int m_transactionDepth = 0;
};

} // namespace db
