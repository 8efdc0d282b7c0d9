#pragma once
// Writes a block of generated lines of the package generator. A template row naming
// <column> is written once per column, in field order, with <type> the column's
// ora_types word and <comma> the list comma; a row naming <key_column> is written once
// per key column, with <key_joiner> " where " for the first and " and " for the others.
// Every other row is written once. A list over no columns or keys writes nothing.

#include "generators/common/module_file.h"
#include "generators/common/template.h"

namespace generators::oracle {

void writeLineRows(ModuleFile& file, const QStringList& rows, const Placeholders& values,
                   const QList<platform::ado::Field>& columns = {}, const QStringList& keyColumns = {});

void writeLineTable(ModuleFile& file, QStringView block, const Placeholders& values,
                    const QList<platform::ado::Field>& columns = {}, const QStringList& keyColumns = {});

} // namespace generators::oracle
