#include "platform/db/StatementLog.h"

#include <map>

namespace db {

namespace {
std::map<int, StatementLog::Listener>& listeners()
{
    static std::map<int, StatementLog::Listener> all;
    return all;
}
} // namespace

int StatementLog::addListener(Listener listener)
{
    static int nextId = 0;
    listeners()[++nextId] = std::move(listener);
    return nextId;
}

void StatementLog::removeListener(int id) { listeners().erase(id); }

void StatementLog::record(const QString& database, const QString& sql)
{
    for (const auto& [id, listener] : listeners())
        listener(database, sql);
}

StatementCapture::StatementCapture()
    : m_id(StatementLog::addListener([this](const QString&, const QString& sql) { m_statements << sql; }))
{
}

StatementCapture::~StatementCapture() { StatementLog::removeListener(m_id); }

} // namespace db
