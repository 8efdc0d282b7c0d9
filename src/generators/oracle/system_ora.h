#pragma once
// system_ora: in stored-procedure mode, writes the package-calling data access module
// and the Oracle package file in place of the plain data access module.

#include "generators/common/run_context.h"

namespace generators
{

// Reopens the database connection, then writes the data access module (class and
// namespace left open: cont_gen, which always runs next, appends the join readers and
// closes them) and, next to it, the package file named with ".pkg" for ".vb".
// Advances the progress bar once per table in each of its two passes.
void system_ora(RunContext& ctx, int nbmax);

} // namespace generators
