#include "app/colour_look.h"

#include "platform/user_feedback.h"

#include <QWidget>

namespace app {

void apply_look(QWidget* window, int look_style)
{
    Q_UNUSED(look_style);
    const auto controls = window->findChildren<QWidget*>();
    for (QWidget* control : controls) {
        Q_UNUSED(control);
        platform::yield();
    }
}

} // namespace app
