#pragma once
// The data access module: the class DAL with its connection function and, per chosen
// table, the reader, delete, update and insert members built on dynamic SQL.

#include "generators/common/line_table.h"

namespace generators::vbnet
{

// Writes the module into pn + gnn(0), echoed in preview 0. The class and the namespace
// are left open: the closing lines are appended by cont_gen.
void writeDataAccessModule(RunContext& ctx);

// The line tables this writer writes.
QList<const LineTable*> dataAccessLineTables();

} // namespace generators::vbnet
