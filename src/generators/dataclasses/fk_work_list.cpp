#include "generators/dataclasses/fk_work_list.h"

#include "generators/common/parent_key_columns.h"

#include <QSet>
#include <algorithm>

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

// The column pairs from one chosen child table to one parent, as the catalogue gave them.
struct KeyPairs {
    QString child, parent;
    QList<ForeignKeyRow> rows;
};

// Whether the pairs belong to more than one key: a parent column reached from two child
// columns, or two pairs that each open a key. The pairs of one composite key do neither.
bool severalKeys(const QList<ForeignKeyRow>& rows, QStringList* childColumns)
{
    QHash<QString, QString> childOfParentColumn;
    QSet<QString> keyStarts;
    bool several = false;
    for (const ForeignKeyRow& row : rows) {
        if (!childColumns->contains(row.fkColumn))
            childColumns->append(row.fkColumn);
        const auto seen = childOfParentColumn.constFind(row.pkColumn);
        if (seen != childOfParentColumn.cend() && *seen != row.fkColumn)
            several = true;
        childOfParentColumn.insert(row.pkColumn, row.fkColumn);
        if (row.ordinal == 1)
            keyStarts.insert(row.fkColumn);
    }
    return several || keyStarts.size() > 1;
}

// A child with several keys to one parent gets one join and one parent property for all
// of them: the join requires every column to match at once, and the property copies each
// child column into the same parent key.
void reportSeveralKeys(RunContext& ctx, const QList<KeyPairs>& pairs)
{
    const bool joins = ctx.in.gcfk && (ctx.in.gn[0] || ctx.in.gn[1] || ctx.in.gn[2]);
    if (!joins && !ctx.in.gn[2])
        return;
    for (const KeyPairs& pair : pairs) {
        QStringList columns;
        if (pair.child == pair.parent || !severalKeys(pair.rows, &columns))
            continue;
        ctx.problem(QStringLiteral("%1: several foreign keys lead to %2 (%3); its generated code treats them "
                                   "as one key, so its join to %2 requires all of these columns to match "
                                   "at once and its %2 property copies them into the same parent key")
                        .arg(pair.child, pair.parent, columns.join(QStringLiteral(", "))));
    }
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
    QList<KeyPairs> pairs;

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
        if (timesChosen.contains(row.fkTable)) {
            auto pair = std::find_if(pairs.begin(), pairs.end(), [&row](const KeyPairs& p) {
                return p.child == row.fkTable && p.parent == row.pkTable;
            });
            if (pair == pairs.end())
                pair = pairs.insert(pairs.end(), {row.fkTable, row.pkTable, {}});
            ForeignKeyRow filled = row;
            filled.pkColumn = parentColumn;
            pair->rows.append(filled);
        }
    }
    reportSeveralKeys(ctx, pairs);
}

void reportMutualReferences(RunContext& ctx)
{
    if (!ctx.in.gn[2])
        return;
    for (const QString& table : ctx.chosenTables()) {
        const Relations relations = relationsOf(ctx.fk_rows, table, /*withChildren=*/true);
        for (const QString& other : relations.parents) {
            if (relations.children.contains(other))
                ctx.problem(QStringLiteral("%1: %2 is both its parent and its child; its data class declares "
                                           "the member %2 twice and will not compile")
                                .arg(table, other));
        }
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
