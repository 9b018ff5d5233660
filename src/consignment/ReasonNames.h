#pragma once

#include <QString>
#include <optional>

namespace consignment {

// The name the month's reason master gives a non-delivery reason code; none when it lacks the
// code. The code is quoted like any other text, as it was read back from the database.
std::optional<QString> reasonName(const QString& reasonCode);

} // namespace consignment
