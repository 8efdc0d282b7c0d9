#include "generators/dataclasses/fk_work_list.h"

#include "generators/common/parent_key_columns.h"

namespace generators::dataclasses
{

namespace
{

bool schemaPasses(const QString& filter, const QString& schema)
{
    return filter.isEmpty() || filter == schema;
}

void offer(QStringList& list, const QString& name)
{
    if (list.size() < kMaxRelations && !list.contains(name))
        list.append(name);
}

} // namespace

void scanForeignKeys(RunContext& ctx)
{
    const ForeignKeyRows keys = ctx.catalogue.foreignKeys();
    if (!keys.ok) {
        // After a failed reconnect the scan cannot succeed; that cause is already recorded.
        if (!ctx.connectionLost)
            ctx.problem(QStringLiteral("The foreign keys could not be read (%1)").arg(keys.error));
        return;
    }
    // How often each name stands among the chosen tables.
    QHash<QString, int> timesChosen;
    for (const QString& table : ctx.chosenTables())
        ++timesChosen[table];
    ParentKeyColumns parentColumns(ctx.catalogue);

    for (const ForeignKeyRow& row : keys.rows) {
        if (!schemaPasses(ctx.in.schema_filter, row.pkSchema) ||
            !schemaPasses(ctx.in.schema_filter, row.fkSchema))
            continue;
        const int copies = (row.fkTable.isEmpty() ? 0 : timesChosen.value(row.fkTable)) +
                           (row.pkTable.isEmpty() ? 0 : timesChosen.value(row.pkTable));
        if (copies == 0)
            continue;

        const QString parentColumn = parentColumns.of(row);
        if (row.pkTable.isEmpty() || row.fkTable.isEmpty() || parentColumn.isEmpty() ||
            row.fkColumn.isEmpty()) {
            ctx.problem(QStringLiteral("%1: a foreign key to %2 was left out (its column names are unknown)")
                            .arg(row.fkTable.isEmpty() ? QStringLiteral("?") : row.fkTable,
                                 row.pkTable.isEmpty() ? QStringLiteral("?") : row.pkTable));
            continue;
        }
        for (int c = 0; c < copies; ++c)
            ctx.fk_rows.append(row.pkTable, parentColumn, row.fkTable, row.fkColumn);
    }
}

Relations relationsOf(const FkWorkList& rows, const QString& table, bool withChildren)
{
    Relations relations;
    for (const int j : rows.entriesWithChild(table)) {
        if (rows.pk_table.at(j) != table)
            offer(relations.parents, rows.pk_table.at(j));
    }
    if (withChildren) {
        for (const int j : rows.entriesWithParent(table)) {
            if (rows.pf_table.at(j) != table)
                offer(relations.children, rows.pf_table.at(j));
        }
    }
    relations.linked = !relations.parents.isEmpty() || !relations.children.isEmpty();
    return relations;
}

} // namespace generators::dataclasses
