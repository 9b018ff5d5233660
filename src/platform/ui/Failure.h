#pragma once

#include "platform/db/DbError.h"
#include "platform/ui/MessageBox.h"

#include <QString>
#include <exception>
#include <optional>

namespace ui {

// A database or runtime error as a window reports it: its number and its description, and for a
// database error its kind.
struct Failure {
    QString number;
    QString description;
    std::optional<db::DbErrorKind> kind;
};

// The failure an exception stands for; nothing for any other exception (such as the end of the
// program), which the caller lets pass.
std::optional<Failure> failureOf(const std::exception& error);

// How a window reports a failure: a message box whose text follows the pattern, %1 standing for
// the number and %2 for the description (a pattern without them is shown as it is), with its
// buttons-and-icon code and its title (empty: the program's title).
struct FailureReport {
    QString pattern = QStringLiteral("%2");
    int style = vbInformation;
    QString title;

    // The pattern with the failure's values in place; the values themselves are not scanned again.
    QString textFor(const Failure& failure) const;
};

} // namespace ui
