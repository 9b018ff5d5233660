#include "grid/PropertyBag.h"

namespace grid {

void PropertyBag::WriteProperty(const QString& Key, const QVariant& Value, const QVariant& Default)
{
    if (!Default.isValid() || Value != Default)
        m_values.insert(Key, Value);
}

} // namespace grid
