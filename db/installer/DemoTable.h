#pragma once

#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

// Bulk writing of demo rows into a database file of an installation: one prepared INSERT per table,
// one transaction per database.
namespace installer {

class DemoDatabase;

// Text that is written as Null when empty.
inline std::optional<std::string_view> orNull(std::string_view text)
{
    return text.empty() ? std::nullopt : std::optional<std::string_view>(text);
}

// The rows of one table. A row is written as its column names and values in turn:
//     table.row().set("ConsignmentNo", n).set("Origin", "KWD").insert();
// The first row fixes the columns of the INSERT; every later row must name the same columns in the
// same order. Text is copied; a null pointer or an empty optional writes Null.
class DemoTable {
public:
    DemoTable(DemoDatabase& database, std::string name);
    ~DemoTable();
    DemoTable(const DemoTable&) = delete;
    DemoTable& operator=(const DemoTable&) = delete;

    DemoTable& row();
    DemoTable& set(const char* column, std::int64_t value);
    DemoTable& set(const char* column, int value) { return set(column, std::int64_t(value)); }
    DemoTable& set(const char* column, double value);
    DemoTable& set(const char* column, std::string_view value);
    DemoTable& set(const char* column, const std::string& value) { return set(column, std::string_view(value)); }
    DemoTable& set(const char* column, const char* value);
    DemoTable& set(const char* column, std::optional<std::int64_t> value);
    DemoTable& set(const char* column, std::optional<double> value);
    DemoTable& set(const char* column, std::optional<std::string_view> value);
    DemoTable& setNull(const char* column);
    // Throws InstallError naming the database file, the table and the server's message.
    void insert();

    const std::string& name() const { return m_name; }
    std::int64_t rows() const { return m_rows; }

private:
    enum class Kind { Null, Integer, Real, Text };
    struct Value {
        Kind kind = Kind::Null;
        std::int64_t integer = 0;
        double real = 0;
        std::string text;
    };
    Value& next(const char* column);
    void prepare();
    [[noreturn]] void fail(const QString& what) const;

    DemoDatabase& m_database;
    std::string m_name;
    std::vector<const char*> m_columns;
    std::vector<Value> m_values;
    std::size_t m_count = 0; // values set in the current row
    sqlite3_stmt* m_statement = nullptr;
    std::int64_t m_rows = 0;
};

// One database file of the installation, open for filling: synchronous writes off and one
// transaction from open to commit. Its tables are made on first use and kept in the order of it.
// The schema's own indexes (not those of keys) are dropped on opening and made again, from the
// same statements, on commit: sorting all rows once is faster than growing each index by each row.
class DemoDatabase {
public:
    // Opens an existing database of a server folder; throws InstallError.
    DemoDatabase(const QString& serverFolder, const QString& name);
    ~DemoDatabase();
    DemoDatabase(const DemoDatabase&) = delete;
    DemoDatabase& operator=(const DemoDatabase&) = delete;

    DemoTable& table(const std::string& name);
    // Makes the held-back indexes, commits the rows and returns the database to the journal mode
    // the program uses.
    void commit();

    const QString& name() const { return m_name; }
    const QString& file() const { return m_file; }
    sqlite3* handle() const { return m_handle; }
    // The tables written to, in the order of their first row.
    const std::vector<const DemoTable*>& tables() const { return m_order; }

private:
    void exec(const char* sql);
    void holdBackIndexes();

    QString m_name;
    QString m_file;
    sqlite3* m_handle = nullptr;
    std::map<std::string, std::unique_ptr<DemoTable>> m_tables;
    std::vector<const DemoTable*> m_order;
    std::vector<std::pair<std::string, std::string>> m_heldIndexes; // name and CREATE statement
};

} // namespace installer
