#pragma once

#include <QString>

namespace consignment {

// A typed consignment number as the statements write it: the number value of the text as plain
// decimal digits ("00123" gives "123", an empty text "0").
QString statementNumber(const QString& typed);

} // namespace consignment
