#pragma once
// The colouring pass over real widgets: reads what the look rules need from each control,
// runs the rules and paints the result back.

#include "kit/look/look_rules.h"

#include <QList>

class QWidget;

namespace kit::look
{

// The controls of `window` in its own control order (creation order, depth first). Qt's inner
// widgets (viewports, scroll bars, the edit line of a drop-down) carry no control name and are
// not controls.
QList<QWidget*> controlsInOrder(QWidget* window);

// What the pass knows of one control as it stands now.
ControlLook readControl(const QWidget* control);

// Paints onto `control` whatever the pass changed between `before` and `after`.
void writeControl(QWidget* control, const ControlLook& before, const ControlLook& after);

// The whole pass: every control once, a yield between the look-dependent and the fixed colours.
void colourPass(QWidget* window, int lookStyle);

} // namespace kit::look
