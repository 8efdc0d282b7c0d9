// "Generate VB.Net Files!" (Command11 and its caption link).

#include "generation_ui/vbnet_run.h"

#include "generation_ui/generator_steps.h"
#include "generation_ui/window_run.h"
#include "generators/vbnet/generation_run.h"
#include "kit/action_guard.h"

namespace generation_ui
{

QStringList runVbNetGeneration(RunWindow& window, generators::RunInputs in, RunCatalogueScope& catalogue)
{
    WindowRun run(window, std::move(in), catalogue);
    generators::vbnet::runGeneration(run.ctx);
    return run.ctx.problems;
}

void generateVbNetFiles(RunWindow& window)
{
    // The run yields to the event loop, so a second click, a Connect or a window reload
    // could arrive in the middle of it; they are refused while it holds the guard.
    kit::ActionGuard guard(window.runGuard());
    if (!guard)
        return;
    if (!reopenLostConnection(window))
        return;
    RunCatalogueScope catalogue(window.connection());
    runVbNetGeneration(window, window.snapshot().run, catalogue);
}

} // namespace generation_ui
