#pragma once
// Join managers: one module <child>_<parent>Manager per chosen table and each of its
// parents, appended to the data manager module, reading the join reader into join
// objects.

#include "generators/common/line_table.h"

namespace generators::dataclasses
{

// Takes one progress step per chosen table, parents or not.
void writeJoinManagers(RunContext& ctx, ModuleFile& file);

// The line tables this writer writes.
QList<const LineTable*> joinManagerLineTables();

} // namespace generators::dataclasses
