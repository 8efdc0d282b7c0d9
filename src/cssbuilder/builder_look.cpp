#include "cssbuilder/builder_look.h"

#include "kit/look/look_rules.h"
#include "kit/look/widget_look.h"
#include "platform/colours.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace cssbuilder
{

namespace
{

// Labels, frames and buttons alike show their caption in lower case; the option captions
// become the values the style sheet is written with.
void lowerCaseCaption(QWidget* control)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(label->text().toLower());
    else if (auto* frame = qobject_cast<QGroupBox*>(control))
        frame->setTitle(frame->title().toLower());
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(button->text().toLower());
}

} // namespace

void apply_look(QWidget* window, int lookStyle)
{
    std::optional<quint32> windowBack;
    for (QWidget* control : kit::look::controlsInOrder(window)) {
        const kit::look::ControlLook designed = kit::look::readControl(control);
        kit::look::ControlLook look = designed;
        const std::optional<quint32> windowBackBefore = windowBack;
        kit::look::applySystemColours(lookStyle, look, windowBack);
        if (windowBack && windowBack != windowBackBefore)
            platform::setBackColor(window, *windowBack);
        kit::look::applyFixedColours(look);
        kit::look::writeControl(control, designed, look);
        lowerCaseCaption(control);
    }
}

} // namespace cssbuilder
