#include "app/solution_dialog.h"

#include "app/action_guard.h"
#include "app/generator_steps.h"
#include "app/main_window.h"
#include "app/solution_panel.h"
#include "app/vb_generator_page.h"
#include "platform/folders.h"

namespace app {

namespace {

QString projectFolder(const SolutionPanel& dialog)
{
    return dialog.spg->text() + dialog.png->text() + QLatin1Char('/');
}

} // namespace

void Command19_Click(MainWindow& window)
{
    // The dialog's Ok would start a second run inside this one, and its fields feed the
    // solution run: neither may change while a run is under way.
    if (window.session().runGuard().busy())
        return;
    SolutionPanel& dialog = *window.solution;
    centreOnParent(&dialog);
    const QString folder = platform::withTrailingSeparator(window.vbGenerator->outputFolder());
    // The name goes in first: its change handler renews the project from the folder shown so far,
    // and the lines below then set the folder and the project again.
    dialog.sng->setText(window.vbGenerator->prefix());
    dialog.spg->setText(folder);
    dialog.png->setText(dialog.sng->text() + QStringLiteral("Web"));
    dialog.ppg->setText(projectFolder(dialog));
    dialog.raise();
    dialog.show();
}

void sng_Change(MainWindow& window)
{
    SolutionPanel& dialog = *window.solution;
    window.vbGenerator->setPrefix(dialog.sng->text());
    dialog.png->setText(dialog.sng->text() + QStringLiteral("Web"));
    dialog.ppg->setText(projectFolder(dialog));
}

void Command20_Click(MainWindow& window)
{
    window.solution->hide();
}

void connectSolutionDialog(MainWindow& window)
{
    MainWindow* w = &window;
    SolutionPanel* dialog = window.solution;
    QObject::connect(window.vbGenerator, &VbGeneratorPage::solutionRequested, w, [w] { Command19_Click(*w); });
    QObject::connect(dialog->sng, &QLineEdit::textChanged, w, [w] { sng_Change(*w); });
    QObject::connect(dialog->Command21, &QPushButton::clicked, w, [w] { Command21_Click(*w); });
    QObject::connect(dialog->Command20, &QPushButton::clicked, w, [w] { Command20_Click(*w); });
}

} // namespace app
