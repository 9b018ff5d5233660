#pragma once

#include <QString>
#include <exception>
#include <optional>

namespace ui {

// A database or runtime error as a window reports it: its number and its description.
struct Failure {
    QString number;
    QString description;
};

// The failure an exception stands for; nothing for any other exception (such as the end of the
// program), which the caller lets pass.
std::optional<Failure> failureOf(const std::exception& error);

} // namespace ui
