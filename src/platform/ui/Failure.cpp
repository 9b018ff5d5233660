#include "platform/ui/Failure.h"

#include "platform/runtime/RuntimeError.h"

namespace ui {

std::optional<Failure> failureOf(const std::exception& error)
{
    if (const auto* db = dynamic_cast<const db::DbError*>(&error))
        return Failure{QString::number(db->number()), db->description(), db->kind()};
    if (const auto* runtime = dynamic_cast<const runtime::RuntimeError*>(&error))
        return Failure{QString::number(int(runtime->number())), QString::fromUtf8(runtime->what()), std::nullopt};
    return std::nullopt;
}

QString FailureReport::textFor(const Failure& failure) const
{
    QString text;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        if (pattern[i] == u'%' && (next == u'1' || next == u'2')) {
            text += next == u'1' ? failure.number : failure.description;
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace ui
