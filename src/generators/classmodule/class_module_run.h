#pragma once
// The class-module run behind "VB6 Classes only!": one VB6 class module per chosen
// table, written into the output folder as <folder><prefix><table>.cls and shown in the
// "VB6 Classes" preview, each table's part opened by a "******* " line with its path.

#include "generators/common/run_context.h"
#include "generators/common/type_tables.h"

namespace generators::classmodule
{

// The file of one table's class module: folder, prefix and table joined as they are.
QString classFilePath(const QString& folder, const QString& prefix, const QString& table);

void runClassModules(RunContext& ctx, const TypeTables& types);

} // namespace generators::classmodule
