#include "platform/db/Procedures.h"

#include <QHash>

namespace db {

namespace {
QHash<QString, Procedures::Procedure>& registry()
{
    static QHash<QString, Procedures::Procedure> all;
    return all;
}
} // namespace

void Procedures::add(const QString& name, Procedure procedure) { registry()[name.toLower()] = std::move(procedure); }

Procedures::Procedure Procedures::find(const QString& name) { return registry().value(name.toLower()); }

} // namespace db
