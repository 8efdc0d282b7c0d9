#pragma once
// The code-behind's event handlers and the end of its class: the lookup drop-downs and
// their text boxes, the key drop-downs, Ok, Delete, Cancel and the grid's Select.

#include "generators/common/line_table.h"
#include "generators/web/edit_page_lists.h"
#include "generators/web/edit_page_names.h"

namespace generators::web
{

// The handlers of the lookup drop-downs the page shows, then their text boxes'
// pre-render handlers, both in foreign-key order.
void writeLookupHandlers(ModuleFile& code, const EditPageLists& lists);
// One handler per key drop-down: each narrows the later key drop-downs, reads the row
// into the text boxes and shows its child rows.
void writeKeyHandlers(ModuleFile& code, const EditPageNames& names, const EditPageLists& lists,
                      const QStringList& columns);
// Ok, Delete, Cancel, the grid's Select and the end of the class.
void writeButtonHandlers(ModuleFile& code, const EditPageNames& names, const EditPageLists& lists,
                         const QStringList& columns);

// The line tables this writer writes.
QList<const LineTable*> codeHandlerLineTables();

} // namespace generators::web
