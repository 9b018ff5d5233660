#pragma once

#include "platform/db/Engine.h"
#include "platform/db/BusyHandler.h"
#include "platform/db/ServerFolder.h"
#include "platform/db/SqliteRows.h"
#include "platform/db/StatementTemplate.h"
#include "platform/db/TsqlAdapter.h"
#include "platform/db/WrittenNames.h"

#include <QHash>
#include <memory>
#include <optional>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

namespace db {

// The engine behind every connection: a SQLite file per database. Other databases and linked
// servers named in a statement are attached when a statement names them, also inside a
// transaction; where more are named than SQLite can hold at once, the one used least recently
// that no statement under way needs is detached again.
class SqliteEngine final : public Engine, private NameResolver {
public:
    // Opens the catalog's file (never creating one); throws DbError "Cannot open database". Where
    // no file can be made beside it on a full disk, a database whose write-ahead log is empty is
    // opened for reading only; a folder this account cannot write is refused, as another account
    // may be changing the database while it is read.
    SqliteEngine(const ServerFolder& server, const QString& catalog);
    ~SqliteEngine() override;
    SqliteEngine(const SqliteEngine&) = delete;
    SqliteEngine& operator=(const SqliteEngine&) = delete;

    ResultSet query(const QString& sql) override;
    qint64 execute(const QString& sql) override;
    std::unique_ptr<RowReader> openReader(const QString& sql) override;
    ResultSet executeBatch(const QString& sql) override;
    void beginTransaction(TransactionLock lock) override;
    void commitTransaction() override;
    void rollbackTransaction() override;
    void setLockWait(int seconds) override;

private:
    QString schemaFor(const QString& linkedServer, const QString& database) override;
    Columns columnsOf(const QString& schema, const QString& table) override;
    // The schema alias of a database, attached where it is not; `needed` are the ones the
    // statement under way names, which are not detached to make room for it.
    QString attach(const ServerFolder& server, const QString& database, const QStringList& needed);
    // Attaches again those of the databases (schema names) that were detached since.
    void reattach(const QStringList& named);
    // Detaches the least recently used database that none of `needed` is and no statement under
    // way reads, where SQLite can hold no more (where none can go, the attachment fails).
    void makeRoomForAttachment(const QStringList& needed);
    // Runs a call of the connection's, its failure in the provider's words.
    template <typename Call> auto inProviderWords(Call call) -> decltype(call());
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
        WrittenNames names;             // the tables it names
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
    struct Attachment {
        ServerFolder server;
        QString database; // as the statement that attached it last named it
    };
    QHash<QString, Attachment> m_attachable; // schema alias -> what it attaches, kept when detached
    QStringList m_attached;                  // the attached aliases, the one used last at the end
    QStringList m_named; // the attached databases named by the statement adapted last
    std::shared_ptr<BusyHandler> m_busyHandler = std::make_shared<BusyHandler>(); // shared with the row readers
    std::unordered_map<QString, Prepared> m_prepared; // statement shape -> prepared form
    struct KeptText {
        StatementTemplate text;
        Prepared* prepared;
    };
    std::vector<KeptText> m_texts; // texts that ran a kept prepared form, the one run last first
    int m_transactionDepth = 0;
};

} // namespace db
