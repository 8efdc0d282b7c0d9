// "Generate VB.Net Files!" (Command11 and its caption link).

#include "app/vbnet_run.h"

#include "app/action_guard.h"
#include "app/main_window.h"
#include "app/window_host.h"
#include "generators/common/ado_catalogue.h"
#include "generators/vbnet/generation_run.h"

namespace app {

QStringList runVbNetGeneration(MainWindow& window)
{
    FormState& form = window.form();
    generators::AdoCatalogue catalogue(form.db_cnx, form.db_cnxstr, form.data3, form.data4);
    WindowHost host(window);
    generators::RunContext ctx(window.runInputs(), catalogue, host);
    ctx.fk_rows = form.fk_rows;
    generators::vbnet::runGeneration(ctx);
    form.fk_rows = ctx.fk_rows;
    return ctx.problems;
}

void MainWindow::Command11_Click()
{
    // The run yields to the event loop, so a second click, a Connect or a window reload
    // could arrive in the middle of it; they are refused while it holds the guard.
    ActionGuard guard;
    if (!guard)
        return;
    runVbNetGeneration(*this);
}

} // namespace app
