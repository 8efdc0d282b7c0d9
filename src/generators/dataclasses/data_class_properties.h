#pragma once
// The properties region of a data class up to its relation properties: rowid (stored
// procedures only), one property per column, WhereClause, OrderClause and IsDirty.

#include "generators/common/line_table.h"

namespace generators::dataclasses
{

void writeDataClassProperties(ModuleFile& file, const QString& table,
                              const QList<platform::ado::Field>& columns, bool storedProcedures);

// The line tables this writer writes.
QList<const LineTable*> propertyLineTables();

} // namespace generators::dataclasses
