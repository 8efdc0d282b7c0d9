#pragma once
// The row sets of the package templates.

#include "generators/common/line_table.h"

namespace generators::oracle
{

// One row per column, in field order: <column>, <type> its ora_types word and <comma>
// the list comma.
RowSet packageColumnRows(const QList<platform::ado::Field>& columns);

// Writes a template whose lines name <table> and the column rows above.
void writeTableColumns(ModuleFile& file, const LineTable& lines, const QString& table,
                       const QList<platform::ado::Field>& columns);

// One row per key column: <key_column>, and <key_joiner> " where " for the first and
// " and " for the others.
RowSet keyColumnRows(const QStringList& keyColumns);

} // namespace generators::oracle
