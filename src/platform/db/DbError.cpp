#include "platform/db/DbError.h"

namespace db {
namespace {

qint32 numberOf(DbErrorKind kind)
{
    switch (kind) {
    case DbErrorKind::ObjectOpen: return 3705;
    case DbErrorKind::ObjectClosed: return 3704;
    case DbErrorKind::NoCurrentRecord:
    case DbErrorKind::BadBookmark: return 3021;
    case DbErrorKind::ItemNotFound: return 3265;
    case DbErrorKind::Syntax:
    case DbErrorKind::ProcedureNotFound: return kErrStatement;
    case DbErrorKind::Timeout: return kErrTimeout;
    case DbErrorKind::ServerNotFound:
    case DbErrorKind::DatabaseNotFound:
    case DbErrorKind::LinkedServerNotFound:
    case DbErrorKind::NoTransaction:
    case DbErrorKind::Provider: break;
    }
    return kErrGeneric;
}

// The provider's own text for the kinds that always say the same.
QString fixedDescription(DbErrorKind kind)
{
    switch (kind) {
    case DbErrorKind::ServerNotFound:
        return QStringLiteral("[DBNETLIB][ConnectionOpen (Connect()).]Specified SQL server not found.");
    case DbErrorKind::ObjectOpen: return QStringLiteral("Operation is not allowed when the object is open.");
    case DbErrorKind::ObjectClosed: return QStringLiteral("Operation is not allowed when the object is closed.");
    case DbErrorKind::NoCurrentRecord:
        return QStringLiteral("Either BOF or EOF is True, or the current record has been deleted. Requested operation "
                              "requires a current record.");
    case DbErrorKind::BadBookmark: return QStringLiteral("The bookmark is not valid.");
    case DbErrorKind::ItemNotFound:
        return QStringLiteral("Item cannot be found in the collection corresponding to the requested name or ordinal.");
    case DbErrorKind::Timeout: return QStringLiteral("Query timeout expired");
    case DbErrorKind::NoTransaction: return QStringLiteral("No transaction is active.");
    case DbErrorKind::DatabaseNotFound:
    case DbErrorKind::LinkedServerNotFound:
    case DbErrorKind::Syntax:
    case DbErrorKind::ProcedureNotFound:
    case DbErrorKind::Provider: break;
    }
    return QStringLiteral("Unspecified error");
}

} // namespace

DbError::DbError(DbErrorKind kind) : DbError(kind, fixedDescription(kind)) {}

DbError::DbError(DbErrorKind kind, const QString& description)
    : std::runtime_error(description.toStdString()), m_kind(kind), m_number(numberOf(kind)), m_description(description)
{
}

DbError DbError::databaseNotFound(const QString& database, const QString& cause)
{
    QString description = QStringLiteral("Cannot open database \"%1\" requested by the login. The login failed.").arg(database);
    if (!cause.isEmpty())
        description += QStringLiteral(" (%1)").arg(cause);
    return DbError(DbErrorKind::DatabaseNotFound, description);
}

DbError DbError::linkedServerNotFound(const QString& server)
{
    return DbError(DbErrorKind::LinkedServerNotFound,
                   QStringLiteral("Could not find server '%1' in sys.servers. Verify that the correct server name was "
                                  "specified.").arg(server));
}

DbError DbError::procedureNotFound(const QString& procedure)
{
    return DbError(DbErrorKind::ProcedureNotFound, QStringLiteral("Could not find stored procedure '%1'.").arg(procedure));
}

DbError DbError::invalidObjectName(const QString& object)
{
    return DbError(DbErrorKind::Syntax, QStringLiteral("Invalid object name '%1'.").arg(object));
}

DbError DbError::invalidColumnName(const QString& column)
{
    return DbError(DbErrorKind::Syntax, QStringLiteral("Invalid column name '%1'.").arg(column));
}

} // namespace db
