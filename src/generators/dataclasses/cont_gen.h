#pragma once
// cont_gen: the last step of every VB.NET run that passed its checks. It reads the
// foreign keys of the chosen tables, writes the data classes module with its join
// classes, finishes the data access and data manager modules (join readers and join
// managers when asked, and their closing lines), writes Web.config when asked, and ends
// the run.

#include "generators/common/run_context.h"

namespace generators
{

void cont_gen(RunContext& ctx, int nbmax);

} // namespace generators
