#pragma once
// The code-behind class Edit_<table> from its imports to the end of initpage: the control
// declarations (written while the markup's loops run), the designer region, Page_Load and
// initpage, which fills the drop-downs and the grid through the generated data layer.

#include "generators/common/line_table.h"
#include "generators/web/edit_page_lists.h"
#include "generators/web/edit_page_names.h"

namespace generators::web
{

// The import of the data layer's namespace and the class head.
void writeCodeHead(ModuleFile& code, const EditPageNames& names);
// The declaration of a control named for a column (a child table for a grid).
enum class DeclaredControl { KeyDropDown, LookupDropDown, TextBox, ChildGrid };
void declareControl(ModuleFile& code, DeclaredControl control, const QString& name);
// The buttons and the table's grid, the designer region, Page_Load and the start of
// initpage with one criteria object per parent table.
void writePageSetup(ModuleFile& code, const EditPageNames& names, const QStringList& parentTables);
// initpage's binding of a key drop-down, ordered by its column.
void writeKeyBinding(ModuleFile& code, const EditPageNames& names, const QString& column);
// initpage's binding of the lookup drop-downs the page shows, in foreign-key order.
void writeLookupBindings(ModuleFile& code, const EditPageLists& lists);
// The grid's binding, the emptied text boxes, no selection, and the end of initpage.
void writeInitEnd(ModuleFile& code, const EditPageNames& names, const QStringList& columns,
                  const QStringList& pkColumns);

// The line tables this writer writes.
QList<const LineTable*> codeSetupLineTables();

} // namespace generators::web
