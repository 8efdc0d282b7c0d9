#pragma once
// The edit page's markup: a key table with one drop-down per primary-key column, a form
// with a text box per column (and a lookup drop-down for a foreign-key column), the Ok,
// Cancel and Delete buttons, the table's grid and one grid per child table. The run
// calls the groups in file order, with the code-behind lines between them.

#include "generators/common/line_table.h"
#include "generators/web/edit_page_names.h"

namespace generators::web
{

// Directive, head and the start of the key table.
void writePageHead(ModuleFile& page, const EditPageNames& names);
// One key drop-down row.
void writeKeyRow(ModuleFile& page, const QString& column);
// End of the key table and start of the form table.
void writeFormStart(ModuleFile& page, const EditPageNames& names);
// One form row; `withLookup` adds the lookup drop-down of a foreign-key column.
void writeFormRow(ModuleFile& page, const QString& column, bool withLookup);
// End of the form table and the button table.
void writeButtons(ModuleFile& page, const EditPageNames& names);
// The link down to a child table's grid.
void writeChildLink(ModuleFile& page, const QString& child);
// The page table's grid: one bound column per column, then the Select column.
void writeTableGrid(ModuleFile& page, const EditPageNames& names, const QStringList& columns);
// A child table's grid under its anchor, one bound column per column of the child.
void writeChildGrid(ModuleFile& page, const QString& child, const QStringList& columns);
// End of the form, the body and the page.
void writePageTail(ModuleFile& page);

// The line tables this writer writes.
QList<const LineTable*> markupLineTables();

} // namespace generators::web
