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
    // the pattern of the call before, which a column's next cell asks for again
    thread_local QString lastPattern;
    thread_local Result lastResult{};
    if (!lastPattern.isNull() && pattern == lastPattern)
        return lastResult;
    auto found = results.constFind(pattern);
    if (found == results.cend()) {
        if (results.size() >= kMostPatterns)
            results.clear();
        found = results.insert(pattern, Read(pattern));
    }
    lastPattern = pattern;
    lastResult = *found;
    return lastResult;
}

} // namespace runtime
