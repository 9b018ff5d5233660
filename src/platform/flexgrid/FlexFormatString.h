#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ui {

// A grid's format string: "<Heading|^Heading|>Heading;Corner|Row heading|...". The part before
// the semicolon gives one column per "|"-separated segment, each optionally led by its alignment
// (< left, ^ centre, > right, all vertically centred); the part after it gives the texts of
// column 0, one per row from row 0.
struct FlexFormatColumn {
    QString heading;
    std::optional<int> alignment; // a FlexAlignment value
};

struct FlexFormatSpec {
    std::vector<FlexFormatColumn> columns;    // empty when the string has no column part
    std::optional<QStringList> rowHeadings;   // set when the string has a semicolon
};

FlexFormatSpec parseFormatString(const QString& format);

} // namespace ui
