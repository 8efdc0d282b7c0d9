#pragma once
// The specification of a table's package <table>_PKG: the cursor type and the four
// row procedures, each column parameter typed by ora_types.

#include "generators/common/module_file.h"

namespace generators::oracle {

void writePackageSpecification(ModuleFile& file, const QString& table,
                               const QList<platform::ado::Field>& columns);

} // namespace generators::oracle
