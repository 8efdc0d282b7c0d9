#pragma once
// What a generator runs with in the main window: the catalogue over the window's connection
// and data controls, the window as host, and the run's context over a snapshot of its values.

#include "app/window_host.h"
#include "generators/common/ado_catalogue.h"
#include "generators/common/run_context.h"

#include <optional>

namespace app
{

class MainWindow;
struct FormState;

// Gives the form a catalogue cache for as long as the outermost scope lives, so that a run
// reads each part of the catalogue once; a solution run holds one across the runs it makes.
class RunCatalogueScope
{
public:
    explicit RunCatalogueScope(FormState& form);
    ~RunCatalogueScope();
    RunCatalogueScope(const RunCatalogueScope&) = delete;
    RunCatalogueScope& operator=(const RunCatalogueScope&) = delete;

    generators::RunCatalogueCache* cache() const;

private:
    FormState& form_;
    bool owns_;
};

struct WindowRun {
    explicit WindowRun(MainWindow& window);
    // A run over `in` whose lines go through `host`, which outlives the run: the edit pages
    // of a solution share one host, so that only the last page's previews are laid out.
    WindowRun(MainWindow& window, WindowHost& host, generators::RunInputs in);

    RunCatalogueScope scope;
    generators::AdoCatalogue catalogue;
    std::optional<WindowHost> ownHost;
    WindowHost& host;
    generators::RunContext ctx;
};

} // namespace app
