#pragma once
// The VB.NET generation run over the window it runs in.

#include "generators/common/run_inputs.h"

#include <QStringList>

namespace generation_ui
{

class RunCatalogueScope;
class RunWindow;

// One run over `in`, reading the catalogue of `catalogue`, without the action guard: for
// callers that already hold it (the solution generator). Returns the problems met, which
// the run shows under "End of Generation" unless the solution dialog is visible; then the
// caller shows them in its own end message.
QStringList runVbNetGeneration(RunWindow& window, generators::RunInputs in, RunCatalogueScope& catalogue);

} // namespace generation_ui
