#pragma once
// Join classes: after the last data class, one flat class <child>_<parent> per chosen
// table and each of its parents, holding the columns of both tables.

#include "generators/common/line_table.h"

namespace generators::dataclasses
{

// Takes one progress step per chosen table, parents or not.
void writeJoinClasses(RunContext& ctx, ModuleFile& file);

// The line tables this writer writes.
QList<const LineTable*> joinClassLineTables();

} // namespace generators::dataclasses
