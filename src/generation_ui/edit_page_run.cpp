// "Generate ASPX!" (Command8 and its caption link): the edit page and its code-behind for
// the table in the ASPX Generator page's table box.

#include "generation_ui/edit_page_run.h"

#include "generation_ui/generator_steps.h"
#include "generation_ui/window_run.h"
#include "kit/action_guard.h"

#include <QPointer>

namespace generation_ui
{

QStringList runEditPageGeneration(RunWindow& window, generators::RunInputs in,
                                  const generators::web::EditPageInputs& page, RunCatalogueScope& catalogue,
                                  WindowHost* pages, generators::web::ForeignKeyRowsByTable* foreignKeys)
{
    const QPointer<QObject> alive(&window.windowObject());
    WindowRun run(window, std::move(in), catalogue, pages);
    generators::web::runEditPage(
        run.ctx, page,
        [&window, &alive](const QString& text) {
            if (alive)
                window.showEditPageStep(text);
        },
        foreignKeys);
    return run.ctx.problems;
}

void generateEditPage(RunWindow& window)
{
    // The run yields after each step, so a second click could arrive in the middle of it;
    // it is refused, as is any other guarded action. The solution run holds its own guard
    // and calls runEditPageGeneration for each page.
    kit::ActionGuard guard(window.runGuard());
    if (!guard)
        return;
    if (!reopenLostConnection(window))
        return;
    RunCatalogueScope catalogue(window.connection());
    const RunSnapshot snapshot = window.snapshot();
    runEditPageGeneration(window, snapshot.run, snapshot.editPage, catalogue);
}

} // namespace generation_ui
