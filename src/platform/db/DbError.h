#pragma once

#include <QString>
#include <stdexcept>

namespace db {

// Error numbers as the data provider reports them (HRESULTs read as signed 32-bit).
constexpr qint32 kErrGeneric = qint32(0x80004005u);   // connection and run-time failures
constexpr qint32 kErrStatement = qint32(0x80040E14u); // the statement text could not be run
constexpr qint32 kErrTimeout = qint32(0x80040E31u);   // the command time-out ran out

// What went wrong, set where the failure is raised; callers choose their report by it.
enum class DbErrorKind {
    ServerNotFound,       // no server of that name
    DatabaseNotFound,     // no database of that name on the server, or it cannot be opened
    LinkedServerNotFound, // a four-part name whose server is not linked
    ObjectOpen,           // opening a connection or recordset that is already open
    ObjectClosed,         // using a connection or recordset that is closed
    NoCurrentRecord,      // reading or moving past BOF or EOF
    BadBookmark,          // a bookmark that names no record
    ItemNotFound,         // no field of that name or ordinal
    Syntax,               // the statement text cannot be run as written
    ProcedureNotFound,    // EXEC of a procedure the server does not have
    Timeout,              // the command time-out ran out waiting for a lock
    NoTransaction,        // committing or rolling back with no transaction active
    Provider,             // any other failure, in the database's own words
};

// A failed database call: its kind, and the number and description a window shows to the clerk.
class DbError : public std::runtime_error {
public:
    // A failure of a kind whose description is always the same.
    explicit DbError(DbErrorKind kind);
    DbError(DbErrorKind kind, const QString& description);

    DbErrorKind kind() const { return m_kind; }
    qint32 number() const { return m_number; }
    const QString& description() const { return m_description; }

    static DbError databaseNotFound(const QString& database, const QString& cause = QString());
    static DbError linkedServerNotFound(const QString& server);
    static DbError procedureNotFound(const QString& procedure);
    // A table, or a column, the statement names that is not there, named as the statement named it.
    static DbError invalidObjectName(const QString& object);
    static DbError invalidColumnName(const QString& column);

private:
    DbErrorKind m_kind;
    qint32 m_number;
    QString m_description;
};

} // namespace db
