#pragma once
// The builder's colouring pass at load: the main window's colour rules for the chosen
// look, the static edge on its buttons, and every caption in lower case.

class QWidget;

namespace cssbuilder
{

void apply_look(QWidget* window, int lookStyle);

} // namespace cssbuilder
