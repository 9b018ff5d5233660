#pragma once

#include "platform/db/ResultSet.h"

#include <QVariantList>
#include <functional>

namespace db {

class Engine;

// Stored procedures of the installation, written in C++ and run by "exec <name> <arguments>".
// A procedure runs its own statements on the engine of the connection that called it. The
// server's own procedures (StatusProcedures.h) are registered from the start.
class Procedures {
public:
    using Procedure = std::function<ResultSet(Engine& engine, const QVariantList& arguments)>;
    static void add(const QString& name, Procedure procedure);
    // The procedure of that name (case-insensitive), or an empty function.
    static Procedure find(const QString& name);
};

} // namespace db
