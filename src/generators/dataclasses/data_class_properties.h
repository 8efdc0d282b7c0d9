#pragma once
// The properties region of a data class up to its relation properties: rowid (stored
// procedures only), one property per column, WhereClause, OrderClause and IsDirty.

#include "generators/common/module_file.h"

namespace generators::dataclasses {

void writeDataClassProperties(ModuleFile& file, const QString& table, const QList<platform::ado::Field>& columns,
                              bool storedProcedures);

} // namespace generators::dataclasses
