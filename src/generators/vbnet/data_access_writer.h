#pragma once
// The data access module: the class DAL with its connection function and, per chosen
// table, the reader, delete, update and insert members built on dynamic SQL.

#include "generators/common/run_context.h"

namespace generators::vbnet {

// Writes the module into pn + gnn(0), echoed in preview 0. The class and the namespace
// are left open: the closing lines are appended by cont_gen.
void writeDataAccessModule(RunContext& ctx);

} // namespace generators::vbnet
