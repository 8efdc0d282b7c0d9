#pragma once
// The parts of one VB6 class module, in the order the run writes them into the open file.

#include "generators/classmodule/class_table.h"
#include "generators/common/line_table.h"

namespace generators::classmodule
{

// Version block and class attributes; needs the table name only (written before the
// columns are read).
void writeClassHeader(ModuleFile& file, const ClassTable& table);
// Member declarations and property procedures, from the columns.
void writeMembersAndProperties(ModuleFile& file, const ClassTable& table);
// The private section: my_order, my_lect, my_where, my_where_sup and my_pos, from the
// columns and the index lists.
void writePrivateProcedures(ModuleFile& file, const ClassTable& table);
// list, findfirst, findlast, search, findnext and findprevious.
void writeFinderMethods(ModuleFile& file, const ClassTable& table);
// count, raz, delete, update and insert; the last line of the file.
void writeStatementMethods(ModuleFile& file, const ClassTable& table);

// The line tables of each part.
QList<const LineTable*> headerLineTables();
QList<const LineTable*> privateProcedureLineTables();
QList<const LineTable*> finderLineTables();
QList<const LineTable*> statementLineTables();

} // namespace generators::classmodule
