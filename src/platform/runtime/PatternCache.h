#pragma once

#include <QHash>
#include <QString>

#include <type_traits>

namespace runtime {

// What Read makes of a format pattern, worked out once per pattern (and thread): the program formats
// with a few fixed patterns, a grid column cell by cell with the same one.
template <auto Read>
auto readOncePerPattern(const QString& pattern)
{
    using Result = std::decay_t<decltype(Read(pattern))>;
    constexpr qsizetype kMostPatterns = 256; // a bound, should patterns ever come from data
    thread_local QHash<QString, Result> results;
    if (const auto found = results.constFind(pattern); found != results.cend())
        return *found;
    if (results.size() >= kMostPatterns)
        results.clear();
    return *results.insert(pattern, Read(pattern));
}

} // namespace runtime
