#pragma once
// The colouring pass of the start-up over every control of the main window.

class QWidget;

namespace app
{

// Visits every control of `window` in its control order, once each, yielding to the
// event loop per control.
void apply_look(QWidget* window, int look_style);

} // namespace app
