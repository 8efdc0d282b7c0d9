#pragma once
// Join classes: after the last data class, one flat class <child>_<parent> per chosen
// table and each of its parents, holding the columns of both tables.

#include "generators/common/module_file.h"

namespace generators::dataclasses {

// Takes one progress step per chosen table, parents or not.
void writeJoinClasses(RunContext& ctx, ModuleFile& file);

} // namespace generators::dataclasses
