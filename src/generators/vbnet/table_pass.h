#pragma once
// The pass over the chosen tables that every module writer of a run makes: each item of
// tdn1 in list order, the progress bar raised by one and a yield before each table.

#include "generators/common/run_context.h"

#include <functional>

namespace generators::vbnet {

void forEachChosenTable(RunContext& ctx, const std::function<void(const QString& table)>& writeTable);

// The names of the fields of the table's discovery query through data3 (none when the
// query fails; the failure is recorded as a problem of the run).
QStringList discoverColumnNames(RunContext& ctx, const QString& table, bool withRowLimit);

} // namespace generators::vbnet
