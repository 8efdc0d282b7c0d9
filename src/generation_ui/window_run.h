#pragma once
// What a generator runs with in the window: the catalogue over the session's connection and
// data controls, the window as host, and the run's context over a snapshot of its values.

#include "generation_ui/run_window.h"
#include "generation_ui/window_host.h"
#include "generators/common/ado_catalogue.h"
#include "generators/common/run_context.h"

#include <memory>
#include <optional>

namespace generation_ui
{

class SessionConnection;

// What a run has read of the catalogue, kept while the scope lives so that each part is
// read once; a solution run holds one across the runs it makes and hands it to each.
class RunCatalogueScope
{
public:
    // With `runsPlaceOutput` false, the runs leave their files staged in the cache's output,
    // and the holder puts them in place at its end.
    explicit RunCatalogueScope(SessionConnection& connection, bool runsPlaceOutput = true);
    ~RunCatalogueScope();
    RunCatalogueScope(const RunCatalogueScope&) = delete;
    RunCatalogueScope& operator=(const RunCatalogueScope&) = delete;

    SessionConnection& connection() const { return connection_; }
    generators::RunCatalogueCache& cache() const { return *cache_; }
    bool runsPlaceOutput() const { return runsPlaceOutput_; }
    bool connectionLost() const { return cache_->connectionFault.has_value(); }

private:
    SessionConnection& connection_;
    std::unique_ptr<generators::RunCatalogueCache> cache_;
    bool runsPlaceOutput_;
};

// Before a run: a connection the session lost (its link dropped, or the server stopped
// answering) is opened again on the same string, and the data controls may try again.
// When it cannot be opened, the status bar says "Not connected", the message says to
// connect again, and false tells the run not to start.
bool reopenLostConnection(RunWindow& window);

struct WindowRun {
    // A run over `in` reading the catalogue of `scope`. Its lines go through `sharedHost` when
    // given, which outlives the run: the edit pages of a solution share one host, so that only
    // the last page's previews are laid out.
    WindowRun(RunWindow& window, generators::RunInputs in, RunCatalogueScope& scope,
              WindowHost* sharedHost = nullptr);

    generators::AdoCatalogue catalogue;
    std::optional<WindowHost> ownHost;
    WindowHost& host;
    generators::RunContext ctx;
};

} // namespace generation_ui
