#include "platform/db/SqliteEngine.h"

#include "platform/db/DbError.h"
#include "platform/db/NameScope.h"
#include "platform/db/Procedures.h"
#include "platform/db/ProviderErrors.h"
#include "platform/db/SqlText.h"
#include "platform/db/SqliteFunctions.h"
#include "platform/db/TsqlAdapter.h"
#include "platform/db/TsqlParameters.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>
#include <sqlite3.h>
#include <unistd.h>

namespace db {

namespace {

QString lastError(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

// Steps a prepared statement once; false at its end. Inside a transaction SQLite does not wait
// for the write lock of a database the transaction has read: the busy handler, where given, waits
// for it then, as SQLite waits for any other lock, unless another connection has written that
// database since the transaction read it.
bool step(sqlite3* db, sqlite3_stmt* stmt, BusyHandler* busyHandler = nullptr)
{
    int rc = sqlite3_step(stmt);
    while (busyHandler && rc == SQLITE_BUSY && sqlite3_extended_errcode(db) == SQLITE_BUSY && !sqlite3_get_autocommit(db)
           && BusyHandler::onBusy(busyHandler, 1)) {
        sqlite3_reset(stmt);
        rc = sqlite3_step(stmt);
    }
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    if ((rc & 0xff) == SQLITE_BUSY)
        throw DbError(DbErrorKind::Timeout);
    if (rc == SQLITE_AUTH) // prepared again after a change of schema
        throw NameScope::refusal();
    throw providerError(db);
}

sqlite3_stmt* prepare(sqlite3* db, const QString& sql)
{
    NameScope::refuseTablesNotOwn(db);
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (const int rc = sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, nullptr); rc != SQLITE_OK)
        throw rc == SQLITE_AUTH ? NameScope::refusal() : DbError(DbErrorKind::Syntax, lastError(db));
    return stmt;
}

// A statement prepared for one run only.
class Statement {
public:
    Statement(sqlite3* db, const QString& sql) : m_db(db), m_stmt(prepare(db, sql)) {}
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool step() { return db::step(m_db, m_stmt); }
    sqlite3_stmt* get() const { return m_stmt; }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt;
};

void bindValues(sqlite3_stmt* stmt, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant& v = values[i];
        if (v.typeId() == QMetaType::QString) {
            const QByteArray utf8 = v.toString().toUtf8();
            sqlite3_bind_text(stmt, i + 1, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        } else if (v.typeId() == QMetaType::LongLong) {
            sqlite3_bind_int64(stmt, i + 1, v.toLongLong());
        } else {
            sqlite3_bind_double(stmt, i + 1, v.toDouble());
        }
    }
}

// Reads every row of a statement that has been prepared and bound.
ResultSet readRows(sqlite3* db, sqlite3_stmt* stmt, BusyHandler* busyHandler)
{
    RowDecoder rows(stmt);
    ResultSet result;
    result.columns = rows.columns();
    while (step(db, stmt, busyHandler))
        result.rows.push_back(rows.read());
    return result;
}

// Puts a kept statement back for its next use, whatever happened in this one.
struct ResetOnExit {
    sqlite3_stmt* stmt;
    ~ResetOnExit()
    {
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
    }
};

// Reads the rows of its own statement a batch at a time.
class SqliteRowReader final : public RowReader {
public:
    SqliteRowReader(sqlite3* db, const QString& sql, WrittenNames names, std::shared_ptr<BusyHandler> busyHandler)
        : m_names(std::move(names)), m_busyHandler(std::move(busyHandler)), m_db(db), m_stmt(prepared(db, sql, m_names)),
          m_rows(m_stmt)
    {
    }
    ~SqliteRowReader() override { sqlite3_finalize(m_stmt); }

    const QStringList& columns() const override { return m_rows.columns(); }
    bool atEnd() const override { return m_atEnd; }

    int fetch(RowStore& rows, int count) override
    {
        NameScope::Use use(m_names);
        const BusyHandler::Call underWay(*m_busyHandler);
        int read = 0;
        while (!m_atEnd && read < count) {
            if (!step(m_db, m_stmt)) {
                m_atEnd = true;
                break;
            }
            m_rows.read(rows);
            ++read;
        }
        return read;
    }

private:
    static sqlite3_stmt* prepared(sqlite3* db, const QString& sql, const WrittenNames& names)
    {
        NameScope::Use use(names);
        return prepare(db, sql);
    }

    WrittenNames m_names; // the tables its statement names
    std::shared_ptr<BusyHandler> m_busyHandler; // lives as long as the connection its reader keeps
    sqlite3* m_db;
    sqlite3_stmt* m_stmt;
    RowDecoder m_rows;
    bool m_atEnd = false;
};

// The tokens of the one statement a text holds, without a closing semicolon. A window's text is
// one statement: a second one (say a stored value "0; DELETE FROM Invoice" joined into the text)
// is refused, and nothing of the text runs.
std::vector<Token> oneStatement(const QString& sql)
{
    std::vector<Token> tokens = tokenize(sql);
    const auto end = std::find_if(tokens.begin(), tokens.end(), [](const Token& t) { return t.isPunct(";"); });
    if (std::any_of(end, tokens.end(), [](const Token& t) { return !t.isPunct(";"); }))
        throw DbError(DbErrorKind::Syntax,
                      QStringLiteral("The text holds more than one statement; only one statement can be run at a time."));
    tokens.erase(end, tokens.end());
    return tokens;
}

// Reading a database in write-ahead-log mode needs its index file ("-shm") beside it. Where that
// cannot be made for a full disk, a database is read as it lies in its file, but only when no log
// or journal beside it holds anything: the file then holds every committed change and nothing
// half-written, no other connection can add to its log on that disk, and a connection opened so
// cannot write, so no change is missed or lost. A folder this account cannot write is another
// matter: another account may write the database while it is read, and a file read as it lies
// would then give wrong rows; such a database is refused with the reason. Busy and other failures
// are never read past.
enum class InPlace { Refused, Readable, FolderNotWritable };

InPlace readInPlace(int rc, const QString& file)
{
    const int primary = rc & 0xff;
    const bool noFileCanBeMade =
        primary == SQLITE_IOERR || primary == SQLITE_READONLY || primary == SQLITE_CANTOPEN || primary == SQLITE_FULL;
    if (!noFileCanBeMade)
        return InPlace::Refused;
    if (::access(QFile::encodeName(QFileInfo(file).absolutePath()).constData(), W_OK) != 0)
        return InPlace::FolderNotWritable;
    return QFileInfo(file + QStringLiteral("-wal")).size() == 0 && QFileInfo(file + QStringLiteral("-journal")).size() == 0
               ? InPlace::Readable
               : InPlace::Refused;
}

const QString kFolderNotWritable =
    QStringLiteral("this account cannot write the server's folder, and the database cannot be read safely while "
                   "another account may be changing it");

// A SQLite message without the file's address it may hold ("unable to open database: file:///...").
QString withoutAddress(QString message)
{
    static const QRegularExpression address(QStringLiteral(":?\\s*file:\\S*"));
    return message.remove(address);
}

// Every connection reads a double-quoted name as a name only: an unknown one is an unknown
// column, as the server reports it, never a text. Its busy handler waits for locks.
void configure(sqlite3* db, BusyHandler* busyHandler)
{
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
    sqlite3_busy_handler(db, BusyHandler::onBusy, busyHandler);
}

// A table of the schema's, or an empty text when it has none.
QString anyTableOf(sqlite3* db, const QString& schema)
{
    Statement first(db, QStringLiteral("SELECT name FROM \"%1\".sqlite_master WHERE type='table' AND "
                                       "substr(name,1,7)<>'sqlite_' LIMIT 1")
                            .arg(schema));
    return first.step() ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(first.get(), 0)))
                        : QString();
}

QString fileUri(const QString& file, bool inPlace)
{
    return QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded)
           + (inPlace ? QStringLiteral("?mode=ro&immutable=1") : QStringLiteral("?mode=rw"));
}

// Reads the schema of a database of the connection: the first read, which needs the log's index.
int readSchema(sqlite3* db, const QString& schema)
{
    const QByteArray sql = QStringLiteral("PRAGMA \"%1\".schema_version").arg(schema).toUtf8();
    sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    return sqlite3_extended_errcode(db);
}

// Attaches a database file and reads it; the SQLite result code (the file is detached again when
// it cannot be read).
int attachFile(sqlite3* db, const QString& file, const QString& alias, bool inPlace)
{
    const QByteArray sql = QStringLiteral("ATTACH DATABASE '%1' AS \"%2\"")
                               .arg(fileUri(file, inPlace).replace(u'\'', QStringLiteral("''")), alias)
                               .toUtf8();
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return sqlite3_extended_errcode(db);
    const int rc = readSchema(db, alias);
    if (rc != SQLITE_OK) {
        const QByteArray detach = QStringLiteral("DETACH DATABASE \"%1\"").arg(alias).toUtf8();
        sqlite3_exec(db, detach.constData(), nullptr, nullptr, nullptr);
    }
    return rc;
}

// Shapes kept per connection; beyond this the kept forms are dropped and made again.
constexpr size_t kPreparedLimit = 512;
// Texts of kept forms a text is compared with before it is read for its shape.
constexpr size_t kKeptTexts = 16;

} // namespace

SqliteEngine::SqliteEngine(const ServerFolder& server, const QString& catalog) : m_server(server), m_catalog(catalog)
{
    const QString file = m_server.databaseFile(catalog);
    QString message;
    for (const bool inPlace : {false, true}) {
        const QByteArray uri = fileUri(file, inPlace).toUtf8();
        // a connection is used by one thread at a time (as the engine itself is), so SQLite need not lock
        // it on every call
        int rc = sqlite3_open_v2(uri.constData(), &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX,
                                 nullptr);
        if (rc == SQLITE_OK) {
            configure(m_db, m_busyHandler.get());
            rc = readSchema(m_db, QStringLiteral("main"));
        }
        if (rc == SQLITE_OK)
            break;
        if (!inPlace)
            message = m_db ? withoutAddress(lastError(m_db)) : QStringLiteral("out of memory");
        sqlite3_close(m_db);
        m_db = nullptr;
        const InPlace readable = inPlace ? InPlace::Refused : readInPlace(rc, file);
        if (readable == InPlace::FolderNotWritable)
            message = kFolderNotWritable;
        if (readable != InPlace::Readable)
            break;
    }
    if (!m_db)
        throw DbError::databaseNotFound(catalog, message);
    // Pages are read straight from the mapped files (this one and every one attached later)
    // rather than copied in by a system call each. Reads only: SQLite still writes through its
    // log, and reads the pages the log holds from the log. The write-ahead log's shared index
    // already confines a database to a local disk, where a mapping is safe; a file read in place
    // is immutable, so its mapping never goes stale.
    sqlite3_exec(m_db, "PRAGMA mmap_size=2147418112", nullptr, nullptr, nullptr);
    registerServerFunctions(m_db);
    NameScope::watch(m_db);
}

SqliteEngine::~SqliteEngine()
{
    m_prepared.clear();
    // A row reader still open keeps the connection until the reader is gone, and with it the
    // busy handler.
    sqlite3_close_v2(m_db);
}

void SqliteEngine::setLockWait(int seconds) { m_busyHandler->setLimit(seconds); }

QString SqliteEngine::attach(const ServerFolder& server, const QString& database, const QStringList& needed)
{
    QString alias = QStringLiteral("q_") + (server.name() == m_server.name() ? QString() : server.name() + QLatin1Char('_'))
                    + database;
    alias = alias.toLower().replace(QRegularExpression(QStringLiteral("[^a-z0-9_]")), QStringLiteral("_"));
    if (const qsizetype at = m_attached.indexOf(alias); at >= 0) {
        m_attached.move(at, m_attached.size() - 1);
        return alias;
    }
    const QString file = server.databaseFile(database);
    makeRoomForAttachment(needed);
    int rc = attachFile(m_db, file, alias, false);
    if (rc != SQLITE_OK) {
        const QString message = withoutAddress(lastError(m_db));
        // ATTACH reads the schema of every database of the connection: a damaged one of its own
        // is named as such, not the one being attached
        if (sqlite3_exec(m_db, "SELECT count(*) FROM main.sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK)
            throw DbError::databaseNotFound(m_catalog, withoutAddress(lastError(m_db)));
        const InPlace readable = readInPlace(rc, file);
        if (readable == InPlace::FolderNotWritable)
            throw DbError::databaseNotFound(database, kFolderNotWritable);
        if (readable != InPlace::Readable || attachFile(m_db, file, alias, true) != SQLITE_OK)
            throw DbError::databaseNotFound(database, message);
    }
    m_attachable.insert(alias, {server, database});
    m_attached.append(alias);
    return alias;
}

void SqliteEngine::makeRoomForAttachment(const QStringList& needed)
{
    if (m_attached.size() < sqlite3_limit(m_db, SQLITE_LIMIT_ATTACHED, -1))
        return;
    for (qsizetype i = 0; i < m_attached.size(); ++i) {
        const QByteArray alias = m_attached[i].toUtf8();
        // one the transaction reached, or a statement under way reads, cannot be detached
        if (needed.contains(m_attached[i]) || sqlite3_txn_state(m_db, alias.constData()) != SQLITE_TXN_NONE)
            continue;
        const QByteArray detach = "DETACH DATABASE \"" + alias + '"';
        if (sqlite3_exec(m_db, detach.constData(), nullptr, nullptr, nullptr) == SQLITE_OK) {
            m_attached.removeAt(i);
            return;
        }
    }
}

void SqliteEngine::reattach(const QStringList& named)
{
    for (const QString& alias : named) {
        if (const qsizetype at = m_attached.indexOf(alias); at >= 0) {
            m_attached.move(at, m_attached.size() - 1);
            continue;
        }
        const Attachment& attachment = *m_attachable.constFind(alias);
        attach(attachment.server, attachment.database, named);
    }
}

QString SqliteEngine::schemaFor(const QString& linkedServer, const QString& database)
{
    if (linkedServer.isEmpty() || linkedServer.compare(m_server.name(), Qt::CaseInsensitive) == 0) {
        if (database.compare(m_catalog, Qt::CaseInsensitive) == 0)
            return QStringLiteral("main");
        m_named << attach(m_server, database, m_named);
        return m_named.constLast();
    }
    m_named << attach(m_server.linkedServer(linkedServer), database, m_named);
    return m_named.constLast();
}

NameResolver::Columns SqliteEngine::columnsOf(const QString& schema, const QString& table)
{
    Columns columns;
    Statement info(m_db, QStringLiteral("PRAGMA \"%1\".table_info(\"%2\")").arg(schema, table));
    int keyColumns = 0;
    int keyIndex = -1;
    bool integerKey = false;
    while (info.step()) {
        const QString name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 1)));
        const QString type = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 2)));
        if (sqlite3_column_int(info.get(), 5) > 0) {
            ++keyColumns;
            keyIndex = int(columns.names.size());
            integerKey = type.compare(u"INTEGER", Qt::CaseInsensitive) == 0;
        }
        columns.names << name;
    }
    if (keyColumns == 1 && integerKey)
        columns.identity = keyIndex;
    return columns;
}

void SqliteEngine::sqlite3_stmt_deleter::operator()(sqlite3_stmt* stmt) const { sqlite3_finalize(stmt); }

SqliteEngine::Prepared* SqliteEngine::prepared(const QString& shape, const std::vector<Token>& markedTokens)
{
    if (const auto it = m_prepared.find(shape); it != m_prepared.end())
        return &it->second;
    m_named.clear();
    const AdaptedStatement adapted = adaptStatement(markedTokens, *this);
    const std::optional<QString> text = parameterText(adapted.tokens);
    if (m_prepared.size() >= kPreparedLimit) {
        m_texts.clear();
        m_prepared.clear();
    }
    // A shape whose values cannot be parameters is remembered too, so it is not tried again.
    Prepared entry{nullptr, adapted.kind, writtenNames(adapted.tokens, m_named)};
    if (text) {
        NameScope::Use use(entry.names);
        entry.statement.reset(prepare(m_db, *text));
    }
    return &m_prepared.emplace(shape, std::move(entry)).first->second;
}

ResultSet SqliteEngine::runProcedure(const AdaptedStatement& call)
{
    const Procedures::Procedure procedure = Procedures::find(call.procedure);
    if (!procedure)
        throw DbError::procedureNotFound(call.procedure);
    return procedure(*this, call.arguments);
}

ResultSet SqliteEngine::runPrepared(Prepared& kept, const QVariantList& values, qint64* changes)
{
    reattach(kept.names.databases);
    sqlite3_stmt* stmt = kept.statement.get();
    NameScope::Use use(kept.names);
    ResetOnExit reset{stmt};
    bindValues(stmt, values);
    bool row = step(m_db, stmt, m_busyHandler.get());
    // a change of schema prepares the statement again as it steps, its columns perhaps changed
    const int reprepared = sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_REPREPARE, 0);
    if (!kept.rows || kept.reprepared != reprepared) {
        kept.rows.emplace(stmt);
        kept.reprepared = reprepared;
    }
    ResultSet result;
    result.columns = kept.rows->columns();
    for (; row; row = step(m_db, stmt))
        result.rows.push_back(kept.rows->read());
    if (changes && result.columns.isEmpty())
        *changes += sqlite3_changes64(m_db);
    return result;
}

ResultSet SqliteEngine::run(const std::vector<Token>& statement, qint64* changes, AdaptedStatement::Kind* kind)
{
    if (statement.front().isWord("EXEC") || statement.front().isWord("EXECUTE")) {
        *kind = AdaptedStatement::Procedure;
        return runProcedure(adaptStatement(statement, *this));
    }
    const ParameterizedStatement parameterized = parameterize(statement);
    Prepared* kept = prepared(parameterized.shape, parameterized.tokens);
    *kind = kept->kind;
    if (kept->statement)
        return runPrepared(*kept, parameterized.values, changes);
    m_named.clear();
    const AdaptedStatement adapted = adaptStatement(statement, *this);
    const WrittenNames names = writtenNames(adapted.tokens, m_named);
    NameScope::Use use(names);
    Statement once(m_db, joinTokens(adapted.tokens));
    *kind = adapted.kind;
    ResultSet result = readRows(m_db, once.get(), m_busyHandler.get());
    if (changes && result.columns.isEmpty())
        *changes += sqlite3_changes64(m_db);
    return result;
}

ResultSet SqliteEngine::runText(const QString& sql, qint64* changes)
{
    QVariantList values;
    for (auto kept = m_texts.begin(); kept != m_texts.end(); ++kept) {
        if (kept->text.match(sql, values)) {
            std::rotate(m_texts.begin(), kept, kept + 1);
            return runPrepared(*m_texts.front().prepared, values, changes);
        }
    }
    if (const std::optional<StatementKey> key = statementKey(sql); key && !key->shape.isEmpty()) {
        if (const auto it = m_prepared.find(key->shape); it != m_prepared.end() && it->second.statement) {
            if (m_texts.size() >= kKeptTexts)
                m_texts.pop_back();
            m_texts.insert(m_texts.begin(), {StatementTemplate(sql, key->literals), &it->second});
            return runPrepared(it->second, key->values, changes);
        }
    }
    const std::vector<Token> statement = oneStatement(sql);
    if (statement.empty())
        return ResultSet();
    AdaptedStatement::Kind kind = AdaptedStatement::Command;
    return run(statement, changes, &kind);
}

template <typename Call> auto SqliteEngine::inProviderWords(Call call) -> decltype(call())
{
    try {
        return call();
    } catch (const DbError& e) {
        throw db::inProviderWords(e, [this](const QString& schema) {
            const auto attached = m_attachable.constFind(schema);
            return attached == m_attachable.cend() ? QString() : attached->database;
        });
    }
}

ResultSet SqliteEngine::query(const QString& sql)
{
    const BusyHandler::Call underWay(*m_busyHandler);
    return inProviderWords([&] { return runText(sql, nullptr); });
}

ResultSet SqliteEngine::executeBatch(const QString& sql)
{
    const BusyHandler::Call underWay(*m_busyHandler);
    return inProviderWords([&] {
        std::optional<ResultSet> first;
        for (const auto& statement : splitStatements(tokenize(sql))) {
            AdaptedStatement::Kind kind = AdaptedStatement::Command;
            ResultSet result = run(statement, nullptr, &kind);
            if (!first && (kind != AdaptedStatement::Command || !result.columns.isEmpty()))
                first = std::move(result);
        }
        return first.value_or(ResultSet());
    });
}

std::unique_ptr<RowReader> SqliteEngine::openReader(const QString& sql)
{
    const BusyHandler::Call underWay(*m_busyHandler);
    return inProviderWords([&]() -> std::unique_ptr<RowReader> {
        std::vector<Token> statement = oneStatement(sql);
        if (statement.empty())
            throw DbError(DbErrorKind::Syntax, QStringLiteral("A row reader takes exactly one query."));
        m_named.clear();
        const AdaptedStatement adapted = adaptStatement(std::move(statement), *this);
        if (adapted.kind != AdaptedStatement::Query)
            throw DbError(DbErrorKind::Syntax, QStringLiteral("A row reader takes exactly one query."));
        return std::make_unique<SqliteRowReader>(m_db, joinTokens(adapted.tokens), writtenNames(adapted.tokens, m_named),
                                                 m_busyHandler);
    });
}

qint64 SqliteEngine::execute(const QString& sql)
{
    const BusyHandler::Call underWay(*m_busyHandler);
    return inProviderWords([&] {
        qint64 changes = 0;
        runText(sql, &changes);
        return changes;
    });
}

void SqliteEngine::beginTransaction(TransactionLock lock)
{
    const BusyHandler::Call underWay(*m_busyHandler);
    inProviderWords([&] {
        // SQLite ends a transaction by itself when its COMMIT fails for want of space: the depth
        // follows it, so a transaction begun afterwards really begins.
        if (sqlite3_get_autocommit(m_db))
            m_transactionDepth = 0;
        if (m_transactionDepth == 0) {
            // The connection's own database is locked for writing now, waiting for another writer
            // as any statement does: a save that first read it would find it taken when it came to
            // write, and could not wait then. Deleting nothing from one of its tables takes the lock
            // of that database alone.
            const bool lockOwn = lock == TransactionLock::OwnDatabase && sqlite3_db_readonly(m_db, "main") == 0;
            const QString table = lockOwn ? anyTableOf(m_db, QStringLiteral("main")) : QString();
            Statement(m_db, QStringLiteral("BEGIN")).step();
            if (!table.isEmpty()) {
                try {
                    Statement(m_db, QStringLiteral("DELETE FROM main.%1 WHERE 0").arg(sqliteName(table))).step();
                } catch (...) {
                    sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
                    throw;
                }
            }
        }
        ++m_transactionDepth;
    });
}

void SqliteEngine::commitTransaction()
{
    if (m_transactionDepth == 0)
        throw DbError(DbErrorKind::NoTransaction);
    if (m_transactionDepth > 1) {
        --m_transactionDepth;
        return;
    }
    // A failed COMMIT reports its own cause; the transaction is still open for the caller's
    // rollback unless SQLite has ended it.
    const BusyHandler::Call underWay(*m_busyHandler);
    inProviderWords([&] { Statement(m_db, QStringLiteral("COMMIT")).step(); });
    m_transactionDepth = 0;
}

void SqliteEngine::rollbackTransaction()
{
    if (m_transactionDepth == 0)
        throw DbError(DbErrorKind::NoTransaction);
    m_transactionDepth = 0;
    if (!sqlite3_get_autocommit(m_db)) // not already ended by a failed COMMIT
        Statement(m_db, QStringLiteral("ROLLBACK")).step();
}

} // namespace db
