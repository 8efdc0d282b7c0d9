#include "generation_ui/window_run.h"

#include "generation_ui/run_window.h"
#include "generation_ui/session_connection.h"

#include <QPointer>

namespace generation_ui
{

RunCatalogueScope::RunCatalogueScope(SessionConnection& connection, bool runsPlaceOutput)
    : connection_(connection), cache_(std::make_unique<generators::RunCatalogueCache>()),
      runsPlaceOutput_(runsPlaceOutput)
{
}

RunCatalogueScope::~RunCatalogueScope()
{
    // A run that found the link gone, on whichever of its connections, leaves the session's
    // connection closed: the next action opens a new one instead of meeting the dead link.
    if (connectionLost())
        connection_.dropLostLink();
}

bool reopenLostConnection(RunWindow& window)
{
    SessionConnection& connection = window.connection();
    connection.allowNewTries();
    if (window.showsNotConnected() || connection.isOpen())
        return true;
    const QPointer<QObject> alive(&window.windowObject());
    const platform::ado::Status opened = connection.open();
    if (!alive)
        return false;
    if (opened.ok)
        return true;
    window.showNotConnected();
    window.showMessage(QStringLiteral("The connection to the database was lost and could not be opened "
                                      "again (%1).\nConnect again.")
                           .arg(opened.message));
    return false;
}

namespace
{

WindowHost& hostOf(std::optional<WindowHost>& own, RunWindow& window, WindowHost* shared)
{
    if (shared)
        return *shared;
    return own.emplace(window);
}

} // namespace

WindowRun::WindowRun(RunWindow& window, generators::RunInputs in, RunCatalogueScope& scope,
                     WindowHost* sharedHost)
    : catalogue(scope.connection().catalogue(&scope.cache())), host(hostOf(ownHost, window, sharedHost)),
      ctx(std::move(in), catalogue, host)
{
    ctx.output = &scope.cache().output;
    ctx.placesOutput = scope.runsPlaceOutput();
}

} // namespace generation_ui
