#pragma once
// The column names a VB.NET module writer reads for a table.

#include "generators/common/run_context.h"

namespace generators::vbnet
{

// The names of the fields of the table's discovery query through data3 (none when the
// query fails; the failure is recorded as a problem of the run).
QStringList discoverColumnNames(RunContext& ctx, const QString& table, bool withRowLimit);

} // namespace generators::vbnet
