#pragma once
// The end of a data class: one read-only property per parent and per child table, the
// constructors region with Init, and "End Class".

#include "generators/common/line_table.h"
#include "generators/dataclasses/fk_work_list.h"

namespace generators::dataclasses
{

void writeRelationProperties(ModuleFile& file, const FkWorkList& rows, const QString& table,
                             const Relations& relations);

void writeConstructors(ModuleFile& file, const QList<platform::ado::Field>& columns);

// The line tables this writer writes.
QList<const LineTable*> relationLineTables();

} // namespace generators::dataclasses
