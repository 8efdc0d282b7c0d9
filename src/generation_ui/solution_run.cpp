// The solution dialog's Ok (Command21): a whole web solution. The solution's own files go
// into the solution and project folders, the VB.NET run into the project's Data_Access
// folder, and one edit page per chosen table into its User_Interface folder.

#include "generation_ui/aspx_generator_page.h"
#include "generation_ui/edit_page_run.h"
#include "generation_ui/generator_steps.h"
#include "generation_ui/run_window.h"
#include "generation_ui/solution_panel.h"
#include "generation_ui/vb_generator_page.h"
#include "generation_ui/vbnet_run.h"
#include "generation_ui/window_host.h"
#include "generation_ui/window_run.h"
#include "generators/common/name_check.h"
#include "generators/web/edit_page_lists.h"
#include "generators/web/solution_files.h"
#include "kit/action_guard.h"
#include "platform/folders.h"
#include "platform/user_feedback.h"

#include <QPointer>

namespace generation_ui
{

namespace
{

generators::web::SolutionInputs solutionInputs(RunWindow& window, const QStringList& tables)
{
    generators::web::SolutionInputs in;
    window.solutionPanel().fillSolutionInputs(in);
    in.gnn = window.vbPage().moduleFileNames();
    in.tdn1 = tables;
    in.psEnabled = window.vbPage().storedProceduresAllowed();
    return in;
}

// The solution files, into folders created first: the dialog proposes a project folder
// that does not exist yet. A table whose names cannot go into code is left out of the
// project as it is left out of every run; `tables` keeps the others.
QStringList writeSolution(RunWindow& window, QStringList& tables)
{
    WindowRun run(window);
    tables = generators::tablesFitForCode(run.ctx, tables, /*withRowLimit=*/true);
    const generators::web::SolutionInputs in = solutionInputs(window, tables);
    platform::smkdir(in.spg);
    platform::smkdir(in.ppg);
    generators::web::writeSolutionFiles(run.ctx, in);
    return run.ctx.problems;
}

} // namespace

void generateSolution(RunWindow& window)
{
    // The run yields, and the dialog's Ok stays live meanwhile: a second start, or any other
    // guarded action, is refused until the run ends.
    kit::ActionGuard guard(window.runGuard());
    if (!guard)
        return;
    if (!reopenLostConnection(window))
        return;
    // The data layer and every page are made from one reading of the catalogue.
    const RunCatalogueScope catalogue(window.form());
    QPointer<QObject> alive(&window.windowObject());
    VbGeneratorPage& page = window.vbPage();
    AspxGeneratorPage& aspx = window.aspxPage();
    SolutionPanel& dialog = window.solutionPanel();
    // The solution name stays editable while the run yields; the pages still go into the
    // project whose files the run wrote.
    const QString project = dialog.projectFolder();

    page.tickWebConfig();
    QStringList tables = page.chosenTables();
    const generators::web::SolutionInputs folders = solutionInputs(window, tables);
    if (const auto fault = generators::readyOutputFolders({folders.spg, folders.ppg,
                                                           project + QStringLiteral("Data_Access/"),
                                                           project + QStringLiteral("User_Interface/")})) {
        WindowHost(window).message(*fault);
        return;
    }
    aspx.setProjectName(dialog.projectName());

    QStringList problems = writeSolution(window, tables);
    const auto stopped = [&catalogue] { return catalogue.cache()->connectionFault.has_value(); };

    page.setOutputFolder(project + QStringLiteral("Data_Access/"));
    dialog.showStep(QStringLiteral("Generate Data Access Files"));
    // A run that ends after Cancel has shown its problems with its own message.
    const QStringList dataProblems = runVbNetGeneration(window);
    if (!alive)
        return;
    if (dialog.isVisible())
        problems += dataProblems;

    aspx.setOutputFolder(project + QStringLiteral("User_Interface/"));
    {
        // One host for every page: each page clears the previews, so only the last one's
        // lines need laying out, and the yields between pages are paced as a run's are.
        WindowHost pages(window);
        pages.flushOnlyWhenDue();
        generators::web::ForeignKeyRowsByTable foreignKeys;
        for (const QString& table : tables) {
            if (stopped())
                break;
            generators::stepProgress(pages);
            pages.yield();
            aspx.chooseTable(table);
            dialog.showStep(QStringLiteral("Generate Aspx for ") + aspx.chosenTable());
            pages.yield();
            const QStringList pageProblems = runEditPageGeneration(window, &pages, &foreignKeys);
            if (!alive) {
                pages.dropPending(); // the boxes went with the window
                return;
            }
            if (dialog.isVisible())
                problems += pageProblems;
        }
    }

    // The runs meet the same tables: a problem is told once.
    platform::StagedFiles& output = catalogue.cache()->output;
    if (stopped()) {
        output.discard();
        WindowHost(window).message(generators::connectionFaultText(*catalogue.cache()->connectionFault));
    } else {
        problems += output.place();
        problems.removeDuplicates();
        WindowHost(window).message(generators::endOfGenerationText(problems, tables));
    }
    dialog.hide();
}

} // namespace generation_ui
