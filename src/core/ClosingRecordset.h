#pragma once

#include "platform/db/Recordset.h"

#include <QScopeGuard>

namespace core {

// Closes the recordset when the procedure that opened it ends, also when a step fails; one the
// procedure has closed itself is left alone.
[[nodiscard]] inline auto closingAtEnd(db::Recordset& rs)
{
    return qScopeGuard([&rs] {
        if (rs.state() == db::ObjectState::Open)
            rs.close();
    });
}

} // namespace core
