#pragma once
// What a generator runs with in the main window: the catalogue over the window's connection
// and data controls, the window as host, and the run's context over a snapshot of its values.

#include "app/window_host.h"
#include "generators/common/ado_catalogue.h"
#include "generators/common/run_context.h"

namespace app
{

class MainWindow;

struct WindowRun {
    explicit WindowRun(MainWindow& window);

    generators::AdoCatalogue catalogue;
    WindowHost host;
    generators::RunContext ctx;
};

} // namespace app
