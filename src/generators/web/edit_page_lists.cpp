#include "generators/web/edit_page_lists.h"

#include "generators/common/parent_key_columns.h"

#include <algorithm>

namespace generators::web
{

qsizetype EditPageLists::foreignKeyPassLength() const
{
    for (qsizetype k = 0; k < foreignKeys.size(); ++k) {
        if (foreignKeys.at(k).column.isEmpty())
            return k;
    }
    return foreignKeys.size();
}

qsizetype EditPageLists::matchForeignKey(const QString& column) const
{
    const qsizetype length = foreignKeyPassLength();
    for (qsizetype k = 0; k < length; ++k) {
        if (foreignKeys.at(k).column == column)
            return k;
    }
    return -1;
}

QList<ForeignKeyEntry> EditPageLists::lookupEntries() const
{
    QList<ForeignKeyEntry> entries;
    const qsizetype length = foreignKeyPassLength();
    for (qsizetype k = 0; k < length; ++k) {
        if (foreignKeys.at(k).seen)
            entries.append(foreignKeys.at(k));
    }
    return entries;
}

void EditPageLists::addPrimaryKeyColumn(const QString& column)
{
    if (pkColumns.size() < kMaxListEntries)
        pkColumns.append(column);
}

QList<qsizetype> ForeignKeyRowsByTable::rowsOf(const ForeignKeyRows& rows, const QString& table)
{
    if (rows.rows.isEmpty())
        return {};
    // The run's catalogue hands out copies of one rowset, which share its rows.
    if (indexed_.constData() != rows.rows.constData() || indexed_.size() != rows.rows.size()) {
        indexed_ = rows.rows;
        byTable_.clear();
        for (qsizetype i = 0; i < indexed_.size(); ++i) {
            const ForeignKeyRow& row = indexed_.at(i);
            byTable_[row.fkTable].append(i);
            if (row.pkTable != row.fkTable)
                byTable_[row.pkTable].append(i);
        }
    }
    return byTable_.value(table);
}

EditPageLists scanForeignKeys(RunContext& ctx, const QString& table)
{
    ForeignKeyRowsByTable byTable;
    return scanForeignKeys(ctx, table, byTable);
}

EditPageLists scanForeignKeys(RunContext& ctx, const QString& table, ForeignKeyRowsByTable& byTable)
{
    EditPageLists lists;
    ParentKeyColumns parentColumns(ctx.catalogue);
    const ForeignKeyRows rows = ctx.catalogue.foreignKeys();
    if (!rows.ok) {
        ctx.problem(QStringLiteral("The foreign keys could not be read (%1)").arg(rows.error));
        return lists;
    }
    // Rows that name the table neither as child nor as parent add nothing.
    for (const qsizetype at : byTable.rowsOf(rows, table)) {
        const ForeignKeyRow& row = rows.rows.at(at);
        if (row.fkTable == table && lists.foreignKeys.size() < kMaxListEntries) {
            lists.foreignKeys.append({row.fkColumn, row.pkTable, parentColumns.of(row), false});
            // The parent list ends at its first empty entry, so an empty name is never kept.
            // A table that references itself already has its criteria object; a second one
            // of the same name would not compile.
            if (!row.pkTable.isEmpty() && row.pkTable != table && !lists.parentTables.contains(row.pkTable) &&
                lists.parentTables.size() < kMaxListEntries)
                lists.parentTables.append(row.pkTable);
        }
        // A table is not its own child: the child grid would take the id and the field name
        // of the table's own grid, and the data class has no property for it.
        if (row.pkTable == table && row.fkTable != table && lists.children.size() < kMaxListEntries) {
            const bool known =
                std::any_of(lists.children.cbegin(), lists.children.cend(),
                            [&](const ChildEntry& child) { return child.table == row.fkTable; });
            if (!known)
                lists.children.append({row.fkTable, parentColumns.of(row), row.fkColumn});
        }
    }
    return lists;
}

} // namespace generators::web
