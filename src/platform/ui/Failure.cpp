#include "platform/ui/Failure.h"

#include "platform/db/DbError.h"
#include "platform/runtime/RuntimeError.h"

namespace ui {

std::optional<Failure> failureOf(const std::exception& error)
{
    if (const auto* db = dynamic_cast<const db::DbError*>(&error))
        return Failure{QString::number(db->number()), db->description()};
    if (const auto* runtime = dynamic_cast<const runtime::RuntimeError*>(&error))
        return Failure{QString::number(int(runtime->number())), QString::fromUtf8(runtime->what())};
    return std::nullopt;
}

} // namespace ui
