// The output folder, shown in pn, pn2 and status panel 3, and the folder picker.

#include "app/main_window.h"

namespace app
{

void MainWindow::pn_Change()
{
    setStatusPanel(3, session_.vbOutputFolderEdited());
}

void MainWindow::pn2_Change()
{
    session_.aspxOutputFolderEdited();
}

void MainWindow::chpth_Click(int)
{
    session_.pickOutputFolder();
}

void MainWindow::Command9_Click()
{
    session_.takePickedFolder();
}

} // namespace app
