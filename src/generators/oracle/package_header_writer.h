#pragma once
// The specification of a table's package <table>_PKG: the cursor type and the four
// row procedures, each column parameter typed by ora_types.

#include "generators/common/line_table.h"

namespace generators::oracle
{

void writePackageSpecification(ModuleFile& file, const QString& table,
                               const QList<platform::ado::Field>& columns);

// The line tables this writer writes.
QList<const LineTable*> packageSpecLineTables();

} // namespace generators::oracle
