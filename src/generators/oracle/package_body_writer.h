#pragma once
// The body of a table's package <table>_PKG: Get_Rows, Insert_Row, Update_Row,
// Delete_Row and the end of the package.

#include "generators/common/line_table.h"

namespace generators::oracle
{

// The body's opening line and Get_Rows.
void writePackageBodyGetRows(ModuleFile& file, const QString& table,
                             const QList<platform::ado::Field>& columns);

// Insert_Row (its cursor finds the new row by the key columns), Update_Row, Delete_Row,
// the end of the body and the "/" line.
void writePackageBodyRowProcedures(ModuleFile& file, const QString& table,
                                   const QList<platform::ado::Field>& columns, const QStringList& keyColumns);

// The line tables this writer writes.
QList<const LineTable*> packageBodyLineTables();

} // namespace generators::oracle
