#include "app/colour_look.h"

#include "kit/look/widget_look.h"

namespace app
{

void apply_look(QWidget* window, int look_style)
{
    kit::look::colourPass(window, look_style);
}

} // namespace app
