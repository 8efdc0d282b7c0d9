#pragma once
// The end of a generated manager's read through a DAL data reader `rdr`: whatever the read
// did, the reader is closed once it ends.

#include "generators/common/line_table.h"

namespace generators
{

// Writes `read`, which opens the reader inside a Try, then the lines that close it, then
// `after` with the same values.
void writeReaderUse(ModuleFile& file, const LineTable& read, const LineTable& after,
                    const Placeholders& values, const RowSets& rows = {});

QList<const LineTable*> dalReaderLineTables();

} // namespace generators
