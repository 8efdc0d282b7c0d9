#pragma once
// The edit-page run over the window it runs in.

#include "generators/common/run_inputs.h"
#include "generators/web/edit_page_run.h"

#include <QStringList>

namespace generation_ui
{

class RunCatalogueScope;
class RunWindow;
class WindowHost;

// One run of the edit page `page` over `in`, reading the catalogue of `catalogue`, without
// the action guard: for callers that already hold it. Returns the problems met, which the
// run shows under "End of Generation" unless the solution dialog is visible; then the
// caller shows them in its own end message.
// With `pages`, the run's lines go through that host, shared by the pages of a solution,
// as is the foreign-key rowset's index `foreignKeys`.
QStringList runEditPageGeneration(RunWindow& window, generators::RunInputs in,
                                  const generators::web::EditPageInputs& page, RunCatalogueScope& catalogue,
                                  WindowHost* pages = nullptr,
                                  generators::web::ForeignKeyRowsByTable* foreignKeys = nullptr);

} // namespace generation_ui
