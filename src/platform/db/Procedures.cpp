#include "platform/db/Procedures.h"

#include "platform/db/StatusProcedures.h"

#include <QHash>

namespace db {

namespace {
QHash<QString, Procedures::Procedure>& registry()
{
    // the server's own procedures are there before anything is run
    static QHash<QString, Procedures::Procedure> all = [] {
        QHash<QString, Procedures::Procedure> own;
        for (auto& [name, procedure] : statusProcedures())
            own.insert(name.toLower(), std::move(procedure));
        return own;
    }();
    return all;
}
} // namespace

void Procedures::add(const QString& name, Procedure procedure) { registry()[name.toLower()] = std::move(procedure); }

Procedures::Procedure Procedures::find(const QString& name) { return registry().value(name.toLower()); }

} // namespace db
