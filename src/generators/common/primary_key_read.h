#pragma once
// The primary-key read of a generator run: the key columns of a table in the order of
// the rowset. A rowset that cannot be read gives none and is recorded as a problem.

#include "generators/common/run_context.h"

#include <QStringList>

namespace generators
{

// `schema` restricts the rowset; an empty schema reads the table of that name in every schema.
QStringList readPrimaryKey(RunContext& ctx, const QString& table, const QString& schema);

} // namespace generators
