#include "app/program.h"

#include "app/main_window.h"
#include "platform/yielding_call.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

namespace app
{

namespace
{

// Exit is often clicked while a long action yields to the event loop; returning would
// let that action carry on writing files. So the process ends here, after Exit's saves,
// without running any further handler or destructor.
[[noreturn]] void closeEverything()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    std::fflush(nullptr);
    std::_Exit(0);
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
    window_ = new MainWindow(session_, *this);
    window_->Form_Load();
    window_->show();
}

void Program::reloadMainWindow()
{
    // The old window is put to rest before the new one's start-up, whose colour pass
    // yields: no tick, click or menu of it may run meanwhile. Hiding (unlike closing) does
    // not end the program, and the old window is only deleted once the new one shows.
    MainWindow* old = window_.data();
    if (old) {
        old->stopClock();
        old->setEnabled(false);
        old->hide();
    }
    start();
    if (old)
        old->deleteLater();
}

int Program::afterEventLoop(int code)
{
    if (platform::callsLeftBehind())
        endProgram();
    return code;
}

void Program::endProgram()
{
    if (endStep_)
        endStep_();
}

} // namespace app
