#pragma once
// The pass every join writer makes: each chosen table as a child, joined to each of its
// parents in turn.

#include "generators/common/line_table.h"

#include <functional>

namespace generators::dataclasses
{

// The two lines that open the joins of one child.
inline const LineTable kJoinSectionHead{u"join section head", {}, {}, uR"(

    'Foreign Keys - Join Classes
)"};

// One child table and one of its parents, with the columns discovered for each.
struct JoinPair {
    QString child, parent;
    QList<platform::ado::Field> childColumns, parentColumns;
};

// Walks the chosen tables as forEachChosenTable does (one progress step and a yield per
// table, parents or not). A child with parents gets the section head; then, per parent,
// the child's columns are discovered through data3 and the parent's through data4 (with
// row_limit when asked) and the pair goes to `writeJoin`.
void forEachJoin(RunContext& ctx, ModuleFile& file, bool withRowLimit,
                 const std::function<void(const JoinPair& join)>& writeJoin);

} // namespace generators::dataclasses
