#pragma once
// The VB.NET generation run behind "Generate VB.Net Files!": creates the output folder,
// checks the choices, sets up progress and previews, writes the data access module (or
// hands it to system_ora) and the data manager module, and ends with cont_gen.

#include "generators/common/run_context.h"

namespace generators::vbnet
{

// Passes over the table list that a run with these choices counts on (nb_steps).
int countSteps(const RunInputs& in);

void runGeneration(RunContext& ctx);

} // namespace generators::vbnet
