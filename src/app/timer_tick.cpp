// The 500 ms tick of the main window: arrow animation and clock.

#include "app/main_window.h"
#include "app/vb_generator_page.h"
#include "platform/user_feedback.h"

#include <QDateTime>
#include <QTimer>

namespace app
{

void MainWindow::Timer2_Timer()
{
    vbGenerator->animateArrows();
    setStatusPanel(2, QDateTime::currentDateTime().toString(QStringLiteral("dd-MM-yyyy hh:mm:ss")));
    // A click handled inside the tick would run its whole action there, and the clock
    // would stand still until it ended.
    platform::yieldWithoutInput();
}

void MainWindow::stopClock()
{
    Timer2->stop();
}

} // namespace app
