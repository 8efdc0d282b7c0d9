#include "generation_ui/window_run.h"

#include "generation_ui/form_state.h"
#include "generation_ui/run_window.h"

#include <QPointer>

namespace generation_ui
{

RunCatalogueScope::RunCatalogueScope(FormState& form) : form_(form), owns_(!form.runCatalogue)
{
    if (owns_)
        form_.runCatalogue = std::make_unique<generators::RunCatalogueCache>();
}

RunCatalogueScope::~RunCatalogueScope()
{
    if (!owns_)
        return;
    // A run that found the link gone, on whichever of its connections, leaves the session's
    // connection closed: the next action opens a new one instead of meeting the dead link.
    if (form_.runCatalogue->connectionFault)
        form_.db_cnx.close();
    form_.runCatalogue.reset();
}

generators::RunCatalogueCache* RunCatalogueScope::cache() const
{
    return form_.runCatalogue.get();
}

bool reopenLostConnection(RunWindow& window)
{
    FormState& form = window.form();
    for (platform::ado::DataControl* data : {&form.data3, &form.data4})
        data->allowNewTry();
    if (window.showsNotConnected() || form.db_cnx.state() == platform::ado::adStateOpen)
        return true;
    const QPointer<QObject> alive(&window.windowObject());
    const platform::ado::Status opened = form.db_cnx.open(form.db_cnxstr);
    if (!alive)
        return false;
    if (opened.ok)
        return true;
    window.showNotConnected();
    form.connected = 0;
    window.showMessage(QStringLiteral("The connection to the database was lost and could not be opened "
                                      "again (%1).\nConnect again.")
                           .arg(opened.message));
    return false;
}

WindowRun::WindowRun(RunWindow& window)
    : scope(window.form()), catalogue(window.form().db_cnx, window.form().db_cnxstr, window.form().data3,
                                      window.form().data4, scope.cache()),
      ownHost(std::in_place, window), host(*ownHost), ctx(window.runInputs(), catalogue, host)
{
    ctx.output = &scope.cache()->output;
    ctx.placesOutput = scope.owns();
}

WindowRun::WindowRun(RunWindow& window, WindowHost& sharedHost, generators::RunInputs in)
    : scope(window.form()), catalogue(window.form().db_cnx, window.form().db_cnxstr, window.form().data3,
                                      window.form().data4, scope.cache()),
      host(sharedHost), ctx(std::move(in), catalogue, host)
{
    ctx.output = &scope.cache()->output;
    ctx.placesOutput = scope.owns();
}

} // namespace generation_ui
