#pragma once
// The edit-page run over the window it runs in.

#include <QStringList>

namespace generators::web
{
class ForeignKeyRowsByTable;
}

namespace generation_ui
{

class RunWindow;
class WindowHost;

// One run over the ASPX Generator page's current values, without the action guard: for
// callers that already hold it. Returns the problems met, which the run shows under "End
// of Generation" unless the solution dialog is visible; then the caller shows them in its
// own end message.
// With `pages`, the run's lines go through that host, shared by the pages of a solution,
// as is the foreign-key rowset's index `foreignKeys`.
QStringList runEditPageGeneration(RunWindow& window, WindowHost* pages = nullptr,
                                  generators::web::ForeignKeyRowsByTable* foreignKeys = nullptr);

} // namespace generation_ui
