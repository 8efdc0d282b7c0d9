#pragma once
// Writes a class-module line table (see line_table.h) with <table> the table name and
// the row sets of the class table: [column] once per column, in field order, with
// <column>, <vbtype>, <sqlquote> and <value> (the input member as the generated SQL
// takes it); [index] once per index, with <n> and <index_columns>; [key] once per column
// of the first index, with <key_column>.

#include "generators/classmodule/class_table.h"
#include "generators/common/line_table.h"

namespace generators::classmodule
{

// `rows` adds the table's own conditions.
void writeClassLines(ModuleFile& file, const LineTable& lines, const ClassTable& table,
                     const Placeholders& values = {}, RowSets rows = {});

// Writes the whole table once per column, in field order (a group of lines per column).
void writeColumnGroups(ModuleFile& file, const LineTable& group, const ClassTable& table);

} // namespace generators::classmodule
