// "VB6 Classes only!" (Command18 and its caption link).

#include "generators/classmodule/class_module_run.h"
#include "generation_ui/generator_steps.h"
#include "generation_ui/window_run.h"
#include "kit/action_guard.h"

namespace generation_ui
{

void generateClassModules(RunWindow& window)
{
    // The run yields after every line, so a second click or another action could arrive
    // in the middle of it; they are refused while it holds the guard.
    kit::ActionGuard guard(window.runGuard());
    if (!guard)
        return;
    if (!reopenLostConnection(window))
        return;
    RunCatalogueScope catalogue(window.connection());
    const RunSnapshot snapshot = window.snapshot();
    WindowRun run(window, snapshot.run, catalogue);
    generators::classmodule::runClassModules(run.ctx, *snapshot.typeTables);
}

} // namespace generation_ui
