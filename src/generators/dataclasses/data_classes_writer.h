#pragma once
// The data classes module: its head and one class per chosen table (members, properties,
// relation properties and Init). The join classes and the module's last line follow in
// the same file.

#include "generators/common/line_table.h"

namespace generators::dataclasses
{

// Writes the head and, for each chosen table after its progress step, its class.
void writeDataClasses(RunContext& ctx, ModuleFile& file);

// The line tables this writer writes.
QList<const LineTable*> dataClassLineTables();

} // namespace generators::dataclasses
