#pragma once
// Join readers: shared functions Get<child>_<parent>Reader of the data access class, one
// per chosen table and each of its parents, appended after the table readers.

#include "generators/common/line_table.h"

namespace generators::dataclasses
{

// Takes one progress step per chosen table, parents or not.
void writeJoinReaders(RunContext& ctx, ModuleFile& file);

// The line tables this writer writes.
QList<const LineTable*> joinReaderLineTables();

} // namespace generators::dataclasses
