#pragma once
// The VB.NET generation run over the window it runs in.

#include <QStringList>

namespace generation_ui
{

class RunWindow;

// One run over the window's current values, its form state and its widgets, without
// the action guard: for callers that already hold it (the solution generator). Returns
// the problems met, which the run shows under "End of Generation" unless the solution
// dialog is visible; then the caller shows them in its own end message.
QStringList runVbNetGeneration(RunWindow& window);

} // namespace generation_ui
