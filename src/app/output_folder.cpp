// The output folder, shown in pn, pn2 and status panel 3, and the folder picker.

#include "app/aspx_generator_page.h"
#include "app/folder_picker.h"
#include "app/main_window.h"
#include "app/vb_generator_page.h"
#include "kit/action_guard.h"

namespace app
{

void MainWindow::pn_Change()
{
    aspxGenerator->setOutputFolder(vbGenerator->outputFolder());
    setStatusPanel(3, vbGenerator->outputFolder());
}

void MainWindow::pn2_Change()
{
    vbGenerator->setOutputFolder(aspxGenerator->outputFolder());
}

void MainWindow::pn_LostFocus()
{
    vbGenerator->endOutputFolderWithSeparator();
}

void MainWindow::pn2_LostFocus()
{
    aspxGenerator->endOutputFolderWithSeparator();
}

void MainWindow::chpth_Click(int)
{
    // A running generator reads the output folders between its steps.
    if (session_.runGuard().busy())
        return;
    folderPicker->openAt(vbGenerator->outputFolder());
}

void MainWindow::Command9_Click()
{
    if (session_.runGuard().busy())
        return;
    vbGenerator->setOutputFolder(folderPicker->chosenFolder());
    pn_LostFocus();
    aspxGenerator->setOutputFolder(vbGenerator->outputFolder());
    folderPicker->hide();
}

void MainWindow::Command17_Click()
{
    folderPicker->hide();
}

} // namespace app
