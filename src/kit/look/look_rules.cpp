#include "kit/look/look_rules.h"

namespace kit::look
{

void applySystemColours(int lookStyle, ControlLook& control, std::optional<quint32>& windowBackColour)
{
    if (lookStyle != systemLook)
        return;
    if (control.kind == Kind::Label && control.tagged())
        return;
    windowBackColour = colour::buttonFace;
    if (control.backColour)
        control.backColour = colour::buttonFace;
    if (control.foreColour && *control.foreColour == colour::lightYellow)
        control.foreColour = colour::windowText;
}

void applyFixedColours(ControlLook& control)
{
    if (control.kind == Kind::CommandButton) {
        control.staticEdge = true;
        if (control.backColour)
            control.backColour = colour::buttonFace;
    }
    if (control.tagged())
        return;
    if (control.backStyle)
        control.backStyle = transparentBackStyle;
    const bool bordered = control.borderStyle && *control.borderStyle == fixedSingleBorder;
    if (!control.backColour)
        return;
    if ((control.kind == Kind::TextBox || control.kind == Kind::ListBox) && bordered)
        control.backColour = colour::paleCyan;
    else if (control.kind == Kind::DropDownList)
        control.backColour = colour::lightOrange;
}

LookSwitch decideLookSwitch(int index, int lookStyle, bool connectionShown)
{
    if (index == lookStyle)
        return LookSwitch::Nothing;
    if (connectionShown)
        return LookSwitch::Refuse;
    return LookSwitch::Switch;
}

} // namespace kit::look
