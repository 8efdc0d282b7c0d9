// The page menu, the preview tabs and the help box of the main window.

#include "app/folder_picker.h"
#include "app/main_window.h"
#include "app/vb_generator_page.h"
#include "browser/data_browser_page.h"
#include "cssbuilder/css_builder_window.h"
#include "platform/colours.h"
#include "platform/screen_units.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace app {

namespace {
constexpr int kHelpLeft = 1400;
constexpr int kHelpTop = 500;
constexpr int kHelpSize = 7700;
} // namespace

void MainWindow::Command_Click(int index)
{
    if (index == 4) {
        cssbuilder::CssBuilderWindow::showBuilder();
        return;
    }
    if (index < 0 || index > 4)
        return;
    for (int k = 0; k < 5; ++k) {
        platform::setBackColor(Command[std::size_t(k)], kMenuColour);
        pt[std::size_t(k)]->hide();
    }
    platform::setBackColor(Command[std::size_t(index)], kChosenMenuColour);
    pt[std::size_t(index)]->show();
    dataBrowser->chdbc_Click(0);
}

void MainWindow::vvbg_Click(int index)
{
    vbGenerator->vvbg_Click(index);
}

void MainWindow::pt_MouseMove()
{
    vbGenerator->clearTabFrames();
    dataBrowser->clearTabFrames();
}

void MainWindow::Command16_Click()
{
    using platform::twipsToPixels;
    help->setGeometry(twipsToPixels(kHelpLeft), twipsToPixels(kHelpTop), twipsToPixels(kHelpSize),
                      twipsToPixels(kHelpSize));
    if (help->isHidden()) {
        help->show();
        help->raise();
    } else {
        help->hide();
    }
}

void MainWindow::help_Click()
{
    help->hide();
}

} // namespace app
