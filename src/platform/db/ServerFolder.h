#pragma once

#include <QString>

namespace db {

// A database server of the installation: a folder under the servers folder, one SQLite file per
// database ("<name>.sqlite"), and an optional "linked-servers.ini" whose lines "name = folder" map
// the names of linked servers to other server folders.
class ServerFolder {
public:
    static constexpr const char* kDatabaseSuffix = ".sqlite";

    // Finds the server by name, case-insensitively; throws DbError "Specified SQL server not found".
    // A name is never a path: one holding "..", "/" or (for a database) "\\" names nothing.
    static ServerFolder find(const QString& serverName);

    const QString& name() const { return m_name; }
    const QString& path() const { return m_path; }

    // The file of a database, found case-insensitively; throws DbError "Cannot open database".
    QString databaseFile(const QString& database) const;
    // The database names of the server (file names without the suffix).
    QStringList databases() const;
    // The server a linked-server name maps to; throws DbError when the name is not registered.
    ServerFolder linkedServer(const QString& linkedName) const;

private:
    ServerFolder(QString name, QString path) : m_name(std::move(name)), m_path(std::move(path)) {}
    QString m_name;
    QString m_path;
};

} // namespace db
