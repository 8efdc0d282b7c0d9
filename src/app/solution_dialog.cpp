#include "app/solution_dialog.h"

#include "app/generator_steps.h"
#include "app/main_window.h"
#include "app/solution_panel.h"
#include "app/vb_generator_page.h"
#include "kit/action_guard.h"
#include "platform/folders.h"

namespace app
{

void Command19_Click(MainWindow& window)
{
    // The dialog's Ok would start a second run inside this one, and its fields feed the
    // solution run: neither may change while a run is under way.
    if (window.session().runGuard().busy())
        return;
    window.solution->openFor(window.vbGenerator->prefix(),
                             platform::withTrailingSeparator(window.vbGenerator->outputFolder()));
}

void connectSolutionDialog(MainWindow& window)
{
    MainWindow* w = &window;
    QObject::connect(window.vbGenerator, &VbGeneratorPage::solutionRequested, w,
                     [w] { Command19_Click(*w); });
    QObject::connect(window.solution, &SolutionPanel::solutionNameEdited, window.vbGenerator,
                     &VbGeneratorPage::setPrefix);
    QObject::connect(window.solution, &SolutionPanel::okClicked, w, [w] { Command21_Click(*w); });
}

} // namespace app
