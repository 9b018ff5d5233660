#pragma once

#include <QStringList>
#include <QVariant>
#include <vector>

namespace db {

// The rows of a query read a batch at a time, for views of many rows (a bound grid fetches what
// it shows). It keeps the statement open until it is destroyed or at its end.
class RowReader {
public:
    virtual ~RowReader() = default;
    virtual const QStringList& columns() const = 0;
    // Appends up to count further rows to rows; returns how many it read (0 at the end).
    virtual int fetch(std::vector<std::vector<QVariant>>& rows, int count) = 0;
    virtual bool atEnd() const = 0;
};

} // namespace db
