// The main window as the generator runs see it: previews and the progress bar of the
// generator pages, and what a solution run shows on the pages and its dialog.

#include "app/main_window.h"

#include "generators/common/host.h"

#include "generation_ui/aspx_generator_page.h"
#include "generation_ui/solution_panel.h"
#include "generation_ui/vb_generator_page.h"

namespace app
{

namespace
{

// The previews gnl(0..4) are the VB page's; gasp(0..1) after them the ASPX page's.
bool onAspxPage(int index)
{
    return index >= generators::kPreviewAspx;
}

} // namespace

void MainWindow::clearPreview(int index)
{
    if (onAspxPage(index))
        aspxGenerator->clearPreview(index - generators::kPreviewAspx);
    else
        vbGenerator->clearPreview(index);
}

void MainWindow::appendPreview(int index, QString text)
{
    if (onAspxPage(index))
        aspxGenerator->appendPreview(index - generators::kPreviewAspx, std::move(text));
    else
        vbGenerator->appendPreview(index, std::move(text));
}

void MainWindow::showPreviewTab(int index)
{
    vbGenerator->vvbg_Click(index);
}

void MainWindow::setProgressVisible(bool visible)
{
    vbGenerator->setProgressVisible(visible);
}

void MainWindow::setProgressValue(double value)
{
    vbGenerator->setProgressValue(value);
}

double MainWindow::progressValue() const
{
    return vbGenerator->progressValue();
}

void MainWindow::setProgressMaximum(double maximum)
{
    vbGenerator->setProgressMaximum(maximum);
}

double MainWindow::progressMaximum() const
{
    return vbGenerator->progressMaximum();
}

void MainWindow::showSolutionProject(const QString& projectName)
{
    vbGenerator->tickWebConfig();
    aspxGenerator->setProjectName(projectName);
}

void MainWindow::showDataLayerFolder(const QString& folder)
{
    vbGenerator->setOutputFolder(folder);
}

void MainWindow::showPagesFolder(const QString& folder)
{
    aspxGenerator->setOutputFolder(folder);
}

void MainWindow::showPageTable(const QString& table)
{
    aspxGenerator->chooseTable(table);
}

void MainWindow::showSolutionStep(const QString& text)
{
    solution->showStep(text);
}

bool MainWindow::solutionDialogVisible() const
{
    return session_.solutionDialogVisible();
}

void MainWindow::hideSolutionDialog()
{
    solution->hide();
}

void MainWindow::showEditPageStep(const QString& text)
{
    aspxGenerator->showStep(text);
}

} // namespace app
