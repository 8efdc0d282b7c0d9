// The solution dialog's Ok (Command21): a whole web solution. The solution's own files go
// into the solution and project folders, the VB.NET run into the project's Data_Access
// folder, and one edit page per chosen table into its User_Interface folder.

#include "generation_ui/edit_page_names.h"
#include "generation_ui/edit_page_run.h"
#include "generation_ui/generator_steps.h"
#include "generation_ui/run_window.h"
#include "generation_ui/vbnet_run.h"
#include "generation_ui/window_host.h"
#include "generation_ui/window_run.h"
#include "generators/common/name_check.h"
#include "generators/web/edit_page_lists.h"
#include "generators/web/solution_files.h"
#include "kit/action_guard.h"
#include "platform/folders.h"

#include <QPointer>

namespace generation_ui
{

namespace
{

// The solution files, into folders created first: the dialog proposes a project folder
// that does not exist yet. A table whose names cannot go into code is left out of the
// project as it is left out of every run; the tables returned are the others.
QStringList writeSolution(RunWindow& window, const generators::RunInputs& in,
                          generators::web::SolutionInputs solution, RunCatalogueScope& catalogue,
                          QStringList& problems)
{
    WindowRun run(window, in, catalogue);
    solution.tdn1 = generators::tablesFitForCode(run.ctx, in.tdn1, /*withRowLimit=*/true);
    solution.gnn = in.gnn;
    platform::smkdir(solution.spg);
    platform::smkdir(solution.ppg);
    generators::web::writeSolutionFiles(run.ctx, solution);
    problems = run.ctx.problems;
    return solution.tdn1;
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
    // The data layer and every page are made from one reading of the catalogue, and from the
    // values as the run starts: the solution name stays editable while it yields, and the
    // pages still go into the project whose files it wrote.
    RunCatalogueScope catalogue(window.connection(), /*runsPlaceOutput=*/false);
    const RunSnapshot snapshot = window.snapshot();
    QPointer<QObject> alive(&window.windowObject());
    const QString project = snapshot.solution.ppg;
    const QString projectName = snapshot.solution.png;

    generators::RunInputs in = snapshot.run;
    in.gwcf = true; // a solution has its Web.config
    const generators::web::SolutionInputs& folders = snapshot.solution;
    if (const auto fault = generators::readyOutputFolders({folders.spg, folders.ppg,
                                                           project + QStringLiteral("Data_Access/"),
                                                           project + QStringLiteral("User_Interface/")})) {
        WindowHost(window).message(*fault);
        return;
    }
    window.showSolutionProject(projectName);

    QStringList problems;
    const QStringList tables = writeSolution(window, in, snapshot.solution, catalogue, problems);

    in.pn = project + QStringLiteral("Data_Access/");
    window.showDataLayerFolder(in.pn);
    window.showSolutionStep(QStringLiteral("Generate Data Access Files"));
    // A run that ends after Cancel has shown its problems with its own message.
    const QStringList dataProblems = runVbNetGeneration(window, in, catalogue);
    if (!alive)
        return;
    if (window.solutionDialogVisible())
        problems += dataProblems;

    // The pages read no chosen tables: a solution makes one page per table.
    in.pn = project + QStringLiteral("User_Interface/");
    in.tdn1.clear();
    window.showPagesFolder(in.pn);
    {
        // One host for every page: each page clears the previews, so only the last one's
        // lines need laying out, and the yields between pages are paced as a run's are.
        WindowHost pages(window);
        pages.flushOnlyWhenDue();
        generators::web::ForeignKeyRowsByTable foreignKeys;
        for (const QString& table : tables) {
            if (catalogue.connectionLost())
                break;
            generators::stepProgress(pages);
            pages.yield();
            window.showPageTable(table);
            window.showSolutionStep(QStringLiteral("Generate Aspx for ") + table);
            pages.yield();
            const QStringList pageProblems = runEditPageGeneration(
                window, in, editPageOf(table, projectName, in.pn), catalogue, &pages, &foreignKeys);
            if (!alive) {
                pages.dropPending(); // the boxes went with the window
                return;
            }
            if (window.solutionDialogVisible())
                problems += pageProblems;
        }
    }

    // The runs meet the same tables: a problem is told once.
    platform::StagedFiles& output = catalogue.cache().output;
    if (catalogue.connectionLost()) {
        output.discard();
        WindowHost(window).message(generators::connectionFaultText(*catalogue.cache().connectionFault));
    } else {
        problems += output.place();
        problems.removeDuplicates();
        WindowHost(window).message(generators::endOfGenerationText(problems, tables));
    }
    window.hideSolutionDialog();
}

} // namespace generation_ui
