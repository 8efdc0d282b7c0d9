#pragma once
// The foreign-key work list of a run (fk_rows) and the parents and children of a table
// derived from it.

#include "generators/common/run_context.h"

namespace generators::dataclasses
{

// A table lists at most this many distinct parents, and as many children.
constexpr int kMaxRelations = 100;

// Reads every foreign key of the database and adds each column pair that touches a
// chosen table to ctx.fk_rows: once when its child table is chosen and once more when its
// parent table is chosen, so the copies of one pair are adjacent. A pair whose parent
// column the catalogue leaves empty takes it from the parent's primary key at the same
// key position; a pair that stays incomplete is left out and reported. A chosen table
// with several foreign keys to one parent is reported when a module that joins it or
// writes its parent property is ticked.
void scanForeignKeys(RunContext& ctx);

// Reports each chosen table that is both parent and child of another table, when the
// data classes are written: its class would declare that relation member twice.
void reportMutualReferences(RunContext& ctx);

struct Relations {
    QStringList parents;  // distinct, in order of first appearance, at most kMaxRelations
    QStringList children; // the same; filled only when asked for
    bool linked = false;  // at least one parent or child listed
};

// The parents (and, with `withChildren`, the children) of `table`. The table itself is
// never listed: a self-reference would declare the same member twice.
Relations relationsOf(const FkWorkList& rows, const QString& table, bool withChildren);

} // namespace generators::dataclasses
