// "Generate ASPX!" (Command8 and its caption link): the edit page and its code-behind for
// the table in the ASPX Generator page's table box.

#include "generation_ui/edit_page_run.h"

#include "generation_ui/aspx_generator_page.h"
#include "generation_ui/generator_steps.h"
#include "generation_ui/window_run.h"
#include "generators/web/edit_page_run.h"
#include "kit/action_guard.h"

#include <QPointer>

#include <optional>

namespace generation_ui
{

QStringList runEditPageGeneration(RunWindow& window, WindowHost* pages,
                                  generators::web::ForeignKeyRowsByTable* foreignKeys)
{
    const QPointer<AspxGeneratorPage> aspx = &window.aspxPage();
    std::optional<WindowRun> run;
    if (pages)
        run.emplace(window, *pages, window.runInputs(/*withChosenTables=*/false));
    else
        run.emplace(window);
    generators::web::runEditPage(
        run->ctx, aspx->editPageInputs(),
        [&aspx](const QString& text) {
            if (aspx)
                aspx->showStep(text);
        },
        foreignKeys);
    return run->ctx.problems;
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
    runEditPageGeneration(window);
}

} // namespace generation_ui
