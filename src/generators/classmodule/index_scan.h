#pragma once
// The index scan: index rows in the provider's order become one entry per index (its
// column names joined by ", ") and the column list of the first index. An index is a
// run of consecutive rows with the same index name, so a name that comes back after
// another counts as a further index. Both lists keep at most 100 entries.

#include "generators/common/catalogue.h"

#include <QStringList>

namespace generators::classmodule
{

inline constexpr int kMaxIndexEntries = 100;

struct IndexLists {
    QStringList indexColumns; // entry n-1 holds the columns of index n
    QStringList keyColumns;   // the columns of the first index, in row order
};

IndexLists scanIndexes(const QList<IndexRow>& rows);

} // namespace generators::classmodule
