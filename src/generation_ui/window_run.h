#pragma once
// What a generator runs with in the window: the catalogue over the window's connection
// and data controls, the window as host, and the run's context over a snapshot of its values.

#include "generation_ui/form_state.h"
#include "generation_ui/run_window.h"
#include "generation_ui/window_host.h"
#include "generators/common/ado_catalogue.h"
#include "generators/common/run_context.h"

#include <optional>

namespace generation_ui
{

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
    // Whether this scope is the outermost: its run puts the files in place.
    bool owns() const { return owns_; }

private:
    FormState& form_;
    bool owns_;
};

// Before a run: a connection the session lost (its link dropped, or the server stopped
// answering) is opened again on the same string, and the data controls may try again.
// When it cannot be opened, the status bar says "Not connected", the message says to
// connect again, and false tells the run not to start.
bool reopenLostConnection(RunWindow& window);

struct WindowRun {
    explicit WindowRun(RunWindow& window);
    // A run over `in` whose lines go through `host`, which outlives the run: the edit pages
    // of a solution share one host, so that only the last page's previews are laid out.
    WindowRun(RunWindow& window, WindowHost& host, generators::RunInputs in);

    RunCatalogueScope scope;
    generators::AdoCatalogue catalogue;
    std::optional<WindowHost> ownHost;
    WindowHost& host;
    generators::RunContext ctx;
};

} // namespace generation_ui
