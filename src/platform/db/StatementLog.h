#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace db {

// Every statement a connection is asked to run, as the caller wrote it (before adaptation),
// with the database the connection is open on.
class StatementLog {
public:
    using Listener = std::function<void(const QString& database, const QString& sql)>;
    static int addListener(Listener listener);
    static void removeListener(int id);
    static void record(const QString& database, const QString& sql);
};

// Collects the statements sent while it lives (for tests that check the exact text sent).
class StatementCapture {
public:
    StatementCapture();
    ~StatementCapture();
    StatementCapture(const StatementCapture&) = delete;
    StatementCapture& operator=(const StatementCapture&) = delete;

    const QStringList& statements() const { return m_statements; }
    void clear() { m_statements.clear(); }

private:
    int m_id;
    QStringList m_statements;
};

} // namespace db
