#pragma once

#include "platform/db/RowStore.h"

#include <QStringList>

namespace db {

// The rows of a query read a batch at a time, for views of many rows (a bound grid fetches what
// it shows). It keeps the statement open until it is destroyed or at its end.
class RowReader {
public:
    virtual ~RowReader() = default;
    virtual const QStringList& columns() const = 0;
    // Appends up to count further rows to rows (a store of as many columns); returns how many it
    // read (0 at the end).
    virtual int fetch(RowStore& rows, int count) = 0;
    virtual bool atEnd() const = 0;
};

} // namespace db
