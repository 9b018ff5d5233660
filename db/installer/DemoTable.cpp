#include "installer/DemoTable.h"
#include "installer/Installer.h"

#include "platform/db/SqliteFunctions.h"

#include <cstring>
#include <sqlite3.h>

namespace installer {

// ---- DemoTable -----------------------------------------------------------------------------------

DemoTable::DemoTable(DemoDatabase& database, std::string name) : m_database(database), m_name(std::move(name)) {}

DemoTable::~DemoTable()
{
    sqlite3_finalize(m_statement);
}

DemoTable& DemoTable::row()
{
    m_count = 0;
    return *this;
}

DemoTable::Value& DemoTable::next(const char* column)
{
    if (m_statement) {
        // Later rows repeat the columns of the first one; the names are mostly the same literals.
        if (m_count >= m_columns.size()
            || (m_columns[m_count] != column && std::strcmp(m_columns[m_count], column) != 0))
            fail(QStringLiteral("column %1 out of order").arg(QLatin1String(column)));
    } else if (m_count == m_columns.size()) {
        m_columns.push_back(column);
    }
    if (m_count == m_values.size())
        m_values.emplace_back();
    return m_values[m_count++];
}

DemoTable& DemoTable::set(const char* column, std::int64_t value)
{
    Value& v = next(column);
    v.kind = Kind::Integer;
    v.integer = value;
    return *this;
}

DemoTable& DemoTable::set(const char* column, double value)
{
    Value& v = next(column);
    v.kind = Kind::Real;
    v.real = value;
    return *this;
}

DemoTable& DemoTable::set(const char* column, std::string_view value)
{
    Value& v = next(column);
    v.kind = Kind::Text;
    v.text.assign(value.data(), value.size());
    return *this;
}

DemoTable& DemoTable::set(const char* column, const char* value)
{
    return value ? set(column, std::string_view(value)) : setNull(column);
}

DemoTable& DemoTable::set(const char* column, std::optional<std::int64_t> value)
{
    return value ? set(column, *value) : setNull(column);
}

DemoTable& DemoTable::set(const char* column, std::optional<double> value)
{
    return value ? set(column, *value) : setNull(column);
}

DemoTable& DemoTable::set(const char* column, std::optional<std::string_view> value)
{
    return value ? set(column, *value) : setNull(column);
}

DemoTable& DemoTable::setNull(const char* column)
{
    next(column).kind = Kind::Null;
    return *this;
}

void DemoTable::prepare()
{
    std::string sql = "INSERT INTO " + m_name + " (";
    std::string marks;
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        sql += (i ? "," : "") + std::string(m_columns[i]);
        marks += i ? ",?" : "?";
    }
    sql += ") VALUES (" + marks + ")";
    if (sqlite3_prepare_v3(m_database.handle(), sql.c_str(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &m_statement, nullptr)
        != SQLITE_OK)
        fail(QString::fromUtf8(sqlite3_errmsg(m_database.handle())));
}

void DemoTable::insert()
{
    if (!m_statement)
        prepare();
    if (m_count != m_columns.size())
        fail(QStringLiteral("a row with %1 of its %2 columns").arg(m_count).arg(m_columns.size()));
    for (std::size_t i = 0; i < m_count; ++i) {
        const Value& v = m_values[i];
        const int index = int(i) + 1;
        switch (v.kind) {
        case Kind::Null:
            sqlite3_bind_null(m_statement, index);
            break;
        case Kind::Integer:
            sqlite3_bind_int64(m_statement, index, v.integer);
            break;
        case Kind::Real:
            sqlite3_bind_double(m_statement, index, v.real);
            break;
        case Kind::Text:
            sqlite3_bind_text(m_statement, index, v.text.data(), int(v.text.size()), SQLITE_STATIC);
            break;
        }
    }
    const int rc = sqlite3_step(m_statement);
    sqlite3_reset(m_statement);
    if (rc != SQLITE_DONE)
        fail(QString::fromUtf8(sqlite3_errmsg(m_database.handle())));
    m_count = 0;
    ++m_rows;
}

void DemoTable::fail(const QString& what) const
{
    throw InstallError(QStringLiteral("%1: cannot write the demo rows of %2: %3")
                           .arg(m_database.file(), QString::fromStdString(m_name), what)
                           .toStdString());
}

// ---- DemoDatabase --------------------------------------------------------------------------------

DemoDatabase::DemoDatabase(const QString& serverFolder, const QString& name)
    : m_name(name), m_file(databasePath(serverFolder, name))
{
    if (sqlite3_open_v2(m_file.toUtf8().constData(), &m_handle, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(m_handle));
        sqlite3_close(m_handle);
        m_handle = nullptr;
        throw InstallError(QStringLiteral("cannot open %1 to fill the demo branch: %2").arg(m_file, message).toStdString());
    }
    db::registerServerFunctions(m_handle);
    // The files are new and written by this connection alone: a rollback journal costs next to
    // nothing on a new file (the write-ahead log would copy every page twice).
    exec("PRAGMA journal_mode=DELETE");
    exec("PRAGMA synchronous=OFF");
    exec("PRAGMA cache_size=-65536");
    exec("BEGIN");
    holdBackIndexes();
}

DemoDatabase::~DemoDatabase()
{
    m_tables.clear(); // statements before the connection
    if (m_handle && !sqlite3_get_autocommit(m_handle))
        sqlite3_exec(m_handle, "ROLLBACK", nullptr, nullptr, nullptr);
    if (m_handle)
        sqlite3_exec(m_handle, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
    sqlite3_close(m_handle);
}

DemoTable& DemoDatabase::table(const std::string& name)
{
    auto it = m_tables.find(name);
    if (it == m_tables.end()) {
        it = m_tables.emplace(name, std::make_unique<DemoTable>(*this, name)).first;
        m_order.push_back(it->second.get());
    }
    return *it->second;
}

void DemoDatabase::holdBackIndexes()
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(m_handle, "SELECT name, sql FROM sqlite_master WHERE type='index' AND sql IS NOT NULL ORDER BY rowid",
                           -1, &statement, nullptr)
        != SQLITE_OK)
        throw InstallError(QStringLiteral("%1: cannot read its indexes: %2")
                               .arg(m_file, QString::fromUtf8(sqlite3_errmsg(m_handle)))
                               .toStdString());
    while (sqlite3_step(statement) == SQLITE_ROW)
        m_heldIndexes.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)),
                                   reinterpret_cast<const char*>(sqlite3_column_text(statement, 1)));
    sqlite3_finalize(statement);
    for (const auto& [name, sql] : m_heldIndexes)
        exec(("DROP INDEX \"" + name + "\"").c_str());
}

void DemoDatabase::commit()
{
    for (const auto& [name, sql] : m_heldIndexes)
        exec(sql.c_str());
    m_heldIndexes.clear();
    exec("COMMIT");
    exec("PRAGMA journal_mode=WAL");
}

void DemoDatabase::exec(const char* sql)
{
    char* message = nullptr;
    if (sqlite3_exec(m_handle, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const QString text = QString::fromUtf8(message);
        sqlite3_free(message);
        throw InstallError(QStringLiteral("%1: %2 failed while filling the demo branch: %3")
                               .arg(m_file, QString::fromUtf8(sql), text)
                               .toStdString());
    }
}

} // namespace installer
