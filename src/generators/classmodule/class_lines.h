#pragma once
// Writes a block of class-module lines kept as a raw string (see template.h), with
// <table> the table name. A row naming <column> is written once per column, in field
// order, with <vbtype>, <sqlquote> and <value> (the input member as the generated SQL
// takes it); a row naming <n> once per index, with <index_columns>; a row naming
// <key_column> once per column of the first index. A row that starts with a tag
// "[name]" is written only when `tags` holds that name; the tag itself is not written.
// Every other row is written once. A list without entries writes nothing for its row.

#include "generators/classmodule/class_table.h"
#include "generators/common/module_file.h"
#include "generators/common/template.h"

namespace generators::classmodule
{

void writeClassLines(ModuleFile& file, QStringView block, const ClassTable& table,
                     const Placeholders& values = {}, const QStringList& tags = {});

// Writes the whole block once per column, in field order (a group of lines per column).
void writeColumnGroups(ModuleFile& file, QStringView block, const ClassTable& table);

} // namespace generators::classmodule
