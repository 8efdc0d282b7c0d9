#pragma once
// The data manager module: one module <table>Manager per chosen table with its get,
// save, delete and list members over the data access class.

#include "generators/common/line_table.h"

namespace generators::vbnet
{

// Writes the module into pn + gnn(1), echoed in preview 1. The namespace is left open:
// its last line is appended by cont_gen.
void writeDataManagerModule(RunContext& ctx);

// The line tables this writer writes.
QList<const LineTable*> dataManagerLineTables();

} // namespace generators::vbnet
