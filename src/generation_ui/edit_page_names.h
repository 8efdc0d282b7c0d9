#pragma once
// The names of a table's edit page: the ASPX Generator page shows them in its boxes, and a
// solution run writes its pages under them.

#include "generators/web/edit_page_run.h"

namespace generation_ui
{

// The edit page of `table` for `project` in `folder`: "edit_<table>.aspx" and its code-behind.
generators::web::EditPageInputs editPageOf(const QString& table, const QString& project,
                                           const QString& folder);

} // namespace generation_ui
