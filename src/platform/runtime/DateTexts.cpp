#include "platform/runtime/DateTexts.h"

#include "platform/runtime/Format.h"

namespace runtime {

QString DateTexts::of(const QVariant& value)
{
    const int type = value.typeId();
    if (type != QMetaType::QDate && type != QMetaType::QDateTime)
        return Format(value, m_pattern);
    const QDate date = value.toDate();
    auto known = m_texts.constFind(date);
    if (known == m_texts.constEnd())
        known = m_texts.insert(date, Format(value, m_pattern));
    return *known;
}

} // namespace runtime
