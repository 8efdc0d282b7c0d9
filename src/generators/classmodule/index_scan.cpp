#include "generators/classmodule/index_scan.h"

namespace generators::classmodule
{

IndexLists scanIndexes(const QList<IndexRow>& rows)
{
    IndexLists lists;
    QString previous;
    QString text;
    QString separator;
    int n = 0; // number of the current index, from 1; rows before the first named index belong to none
    const auto store = [&] {
        if (n >= 1 && lists.indexColumns.size() < kMaxIndexEntries)
            lists.indexColumns.append(text);
    };
    for (const IndexRow& row : rows) {
        if (row.indexName != previous) {
            previous = row.indexName;
            store();
            ++n;
            text.clear();
            separator.clear();
        }
        text += separator + row.columnName;
        separator = QStringLiteral(", ");
        if (n == 1 && lists.keyColumns.size() < kMaxIndexEntries)
            lists.keyColumns.append(row.columnName);
    }
    store();
    return lists;
}

} // namespace generators::classmodule
