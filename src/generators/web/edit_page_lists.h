#pragma once
// The per-run lists of the edit-page run: the page table's foreign-key columns and their
// parents, the tables that reference it, and its primary-key columns. Each list holds at
// most 100 entries; a row that would make it longer is not recorded.

#include "generators/common/run_context.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace generators::web
{

inline constexpr int kMaxListEntries = 100;

// One foreign-key row whose child is the page table.
struct ForeignKeyEntry {
    QString column;       // fk_cols
    QString parentTable;  // fk_parent_tables
    QString parentColumn; // fk_parent_cols
    bool seen = false;    // fk_seen: the form gave the column a lookup drop-down
};

// The first foreign-key row recorded for a table that references the page table.
struct ChildEntry {
    QString table;     // child_tables
    QString keyColumn; // child_key_cols: the page table's referenced column
    QString fkColumn;  // child_fk_cols: the child's referencing column
};

struct EditPageLists {
    QList<ForeignKeyEntry> foreignKeys;
    QStringList parentTables;   // distinct parents but the table itself, first seen first
    QList<ChildEntry> children; // distinct referencing tables but the table itself
    QStringList pkColumns;      // pk_cols, filled by the second primary-key read

    // The foreign-key entries the passes over fk_cols visit: an entry with an empty
    // column ends them.
    qsizetype foreignKeyPassLength() const;
    // The entry whose column equals `column` exactly (letter case included), searched from
    // the first; -1 when none matches before the end or an empty column.
    qsizetype matchForeignKey(const QString& column) const;
    // The entries the page gave a lookup drop-down, in foreign-key order: the passes of
    // the code-behind over fk_cols.
    QList<ForeignKeyEntry> lookupEntries() const;
    // Records a primary-key column while there is room.
    void addPrimaryKeyColumn(const QString& column);
};

// The rows of a foreign-key rowset by the tables they name, child or parent: a run that
// writes a page per table visits each page's own rows, not every row of the database. It
// keeps the rowset it indexed; a rowset not shared with that one is indexed afresh.
class ForeignKeyRowsByTable
{
public:
    // The positions of the rows of `rows` whose child or parent table is `table`, each
    // once, in rowset order.
    QList<qsizetype> rowsOf(const ForeignKeyRows& rows, const QString& table);

private:
    QList<ForeignKeyRow> indexed_;
    QHash<QString, QList<qsizetype>> byTable_;
};

// Reads the foreign-key rowset (every key of the database, no criteria) and fills the
// foreign-key, parent and child lists of `table`. Rows are matched by table name alone,
// exactly. A rowset that cannot be read counts as empty and is recorded as a problem.
// Pages of one run may share `byTable`.
EditPageLists scanForeignKeys(RunContext& ctx, const QString& table, ForeignKeyRowsByTable& byTable);
EditPageLists scanForeignKeys(RunContext& ctx, const QString& table);

} // namespace generators::web
