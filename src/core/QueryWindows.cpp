#include "core/QueryWindows.h"

#include <QHash>
#include <QtGlobal>

namespace core {

namespace {
QHash<QString, QueryWindows::Factory>& factories()
{
    static QHash<QString, QueryWindows::Factory> registered;
    return registered;
}
} // namespace

void QueryWindows::add(const QString& name, Factory factory) { factories().insert(name, std::move(factory)); }

void QueryWindows::remove(const QString& name) { factories().remove(name); }

QWidget* QueryWindows::load(const QString& name)
{
    const auto found = factories().constFind(name);
    if (found == factories().constEnd()) {
        qWarning("No window is registered as %s", qPrintable(name));
        return nullptr;
    }
    return &(*found)();
}

} // namespace core
