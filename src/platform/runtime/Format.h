#pragma once

#include <QString>
#include <QVariant>

namespace runtime {

// Format: Null gives "", "" gives CStr, date/number patterns convert the value; text that does not fit stays.
QString Format(const QVariant& value, const QString& pattern);

} // namespace runtime
