// The output folder, shown in pn, pn2 and status panel 3, and the folder picker.

#include "app/action_guard.h"
#include "app/aspx_generator_page.h"
#include "app/folder_picker.h"
#include "app/main_window.h"
#include "app/vb_generator_page.h"

namespace app {

namespace {

// A folder value ends in one separator once its box has lost the focus.
void addTrailingSeparator(QLineEdit* box)
{
    const QString text = box->text();
    if (!text.endsWith(QLatin1Char('/')))
        box->setText(text + QLatin1Char('/'));
}

// Writes a box only when its text differs: an unchanged write raises no change.
void setTextIfChanged(QLineEdit* box, const QString& text)
{
    if (box->text() != text)
        box->setText(text);
}

// Centres a floating panel on the window's client area.
void centre(QWidget* panel)
{
    const QWidget* area = panel->parentWidget();
    panel->move((area->width() - panel->width()) / 2, (area->height() - panel->height()) / 2);
}

} // namespace

void MainWindow::pn_Change()
{
    setTextIfChanged(aspxGenerator->pn2, vbGenerator->pn->text());
    setStatusPanel(3, vbGenerator->pn->text());
}

void MainWindow::pn2_Change()
{
    setTextIfChanged(vbGenerator->pn, aspxGenerator->pn2->text());
}

void MainWindow::pn_LostFocus()
{
    addTrailingSeparator(vbGenerator->pn);
}

void MainWindow::pn2_LostFocus()
{
    addTrailingSeparator(aspxGenerator->pn2);
}

void MainWindow::chpth_Click(int)
{
    // A running generator reads the output folders between its steps.
    if (ActionGuard::busy())
        return;
    centre(folderPicker);
    const QString folder = vbGenerator->pn->text();
    folderPicker->chooseDriveOf(folder);
    folderPicker->Dir1->setPath(folder);
    folderPicker->show();
    folderPicker->raise();
}

void MainWindow::Command9_Click()
{
    if (ActionGuard::busy())
        return;
    setTextIfChanged(vbGenerator->pn, folderPicker->Dir1->path());
    pn_LostFocus();
    setTextIfChanged(aspxGenerator->pn2, vbGenerator->pn->text());
    folderPicker->hide();
}

void MainWindow::Command17_Click()
{
    folderPicker->hide();
}

} // namespace app
