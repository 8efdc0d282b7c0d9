#include "generators/common/parent_key_columns.h"

namespace generators
{

QString ParentKeyColumns::of(const ForeignKeyRow& row)
{
    if (!row.pkColumn.isEmpty() || row.pkTable.isEmpty() || row.ordinal < 1)
        return row.pkColumn;
    const QString key = row.pkSchema + QChar(0) + row.pkTable;
    auto it = keys_.find(key);
    if (it == keys_.end()) {
        const KeyColumns read = catalogue_.primaryKey(row.pkTable, row.pkSchema);
        it = keys_.insert(key, read.ok ? read.columns : QStringList());
    }
    return row.ordinal <= it->size() ? it->at(row.ordinal - 1) : QString();
}

} // namespace generators
