#include "app/program.h"

#include "app/main_window.h"

#include <QApplication>
#include <QWidget>

namespace app {

namespace {

void closeEverything()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    QCoreApplication::exit(0);
}

} // namespace

Program::Program() : endStep_(closeEverything) {}

Program::~Program()
{
    delete window_.data();
}

MainWindow* Program::window() const
{
    return window_.data();
}

void Program::start()
{
    window_ = new MainWindow(form_, *this);
    window_->Form_Load();
    window_->show();
}

void Program::reloadMainWindow()
{
    // The new window is shown before the old one goes, so the program never has no
    // window open (which would end it).
    MainWindow* old = window_.data();
    start();
    if (old) {
        old->hide();
        old->deleteLater();
    }
}

void Program::endProgram()
{
    if (endStep_)
        endStep_();
}

} // namespace app
