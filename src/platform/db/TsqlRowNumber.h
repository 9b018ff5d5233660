#pragma once

#include "platform/db/TsqlAdapter.h"

#include <vector>

namespace db {

// Replaces ROW_NUMBER() OVER(PARTITION BY columns ORDER BY columns [ASC|DESC]) AS name in the list
// of a SELECT that reads one table and nothing else (no WHERE, GROUP BY, join, DISTINCT or LIMIT)
// by the count of the table's rows of the same partition that sort before the row, plus one.
// The numbers are those of the window function: partitions and order use the columns' collations,
// Nulls group together and sort first ascending and last descending; rows equal in the order key
// are numbered in rowid order (the server numbers them in an order of its own).
// The window function numbers the whole table before an outer query picks its rows, and an outer
// filter cannot reach into it; the counts are worked out for the rows the outer query keeps only,
// each as one range of an index on the partition and order columns where there is one. A query
// that keeps every row of a large partition pays for it: the program's one such statement picks
// the rows of one consignment. Other uses of ROW_NUMBER stay as they are.
// Works on adapted tokens (multi-part names already resolved); asks the resolver for the table's
// columns.
void rewriteRowNumbers(std::vector<Token>& tokens, NameResolver& resolver);

} // namespace db
