#include "kit/look/widget_look.h"

#include "kit/folder_list.h"
#include "platform/colours.h"
#include "platform/static_edge.h"
#include "platform/user_feedback.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QWidget>

namespace kit::look
{

namespace
{

bool isControl(const QObject* object)
{
    const QString name = object->objectName();
    // The static-edge frame drawn over a button belongs to the button.
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && name != QLatin1String("static_edge");
}

void collect(QWidget* parent, QList<QWidget*>& controls)
{
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        if (isControl(widget))
            controls.append(widget);
        collect(widget, controls);
    }
}

Kind kindOf(const QWidget* control)
{
    if (qobject_cast<const QLabel*>(control))
        return Kind::Label;
    if (qobject_cast<const QPushButton*>(control))
        return Kind::CommandButton;
    if (qobject_cast<const QLineEdit*>(control) || qobject_cast<const QPlainTextEdit*>(control) ||
        qobject_cast<const QTextEdit*>(control))
        return Kind::TextBox;
    // The folder picker's lists are drive and folder lists, not plain ones.
    if (qobject_cast<const FolderList*>(control) || control->objectName() == QLatin1String("Drive1"))
        return Kind::Other;
    if (qobject_cast<const QListWidget*>(control))
        return Kind::ListBox;
    if (qobject_cast<const QComboBox*>(control))
        return Kind::DropDownList;
    return Kind::Other;
}

// The status and progress bars draw themselves and have no colours to set.
bool hasColours(const QWidget* control)
{
    return !qobject_cast<const QStatusBar*>(control) && !qobject_cast<const QProgressBar*>(control);
}

std::optional<int> borderOf(const QWidget* control, Kind kind)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(control))
        return line->hasFrame() ? fixedSingleBorder : 0;
    if (kind == Kind::Label || kind == Kind::TextBox || kind == Kind::ListBox || kind == Kind::Other) {
        if (qobject_cast<const QFrame*>(control))
            return platform::borderStyle(control);
    }
    return std::nullopt;
}

} // namespace

QList<QWidget*> controlsInOrder(QWidget* window)
{
    QList<QWidget*> controls;
    collect(window, controls);
    return controls;
}

ControlLook readControl(const QWidget* control)
{
    ControlLook look;
    look.kind = kindOf(control);
    look.tag = platform::tag(control);
    if (hasColours(control)) {
        look.backColour = platform::bgrFromColour(platform::backColor(control));
        look.foreColour = platform::bgrFromColour(platform::foreColor(control));
    }
    // Only labels have a background style; other controls always paint their own background.
    if (look.kind == Kind::Label)
        look.backStyle = platform::backStyle(control);
    look.borderStyle = borderOf(control, look.kind);
    look.staticEdge = platform::hasStaticEdge(control);
    return look;
}

void writeControl(QWidget* control, const ControlLook& before, const ControlLook& after)
{
    if (after.staticEdge && !before.staticEdge)
        platform::static_edge(control);
    if (after.backColour && after.backColour != before.backColour)
        platform::setBackColor(control, *after.backColour);
    if (after.foreColour && after.foreColour != before.foreColour)
        platform::setForeColor(control, *after.foreColour);
    // Painting a colour makes a control opaque, so the background style goes last.
    if (after.backStyle && (after.backStyle != before.backStyle || after.backColour != before.backColour))
        platform::setBackStyle(control, *after.backStyle);
}

void colourPass(QWidget* window, int lookStyle)
{
    std::optional<quint32> windowBack;
    for (QWidget* control : controlsInOrder(window)) {
        const ControlLook designed = readControl(control);
        ControlLook look = designed;
        std::optional<quint32> windowBackBefore = windowBack;
        applySystemColours(lookStyle, look, windowBack);
        if (windowBack && windowBack != windowBackBefore)
            platform::setBackColor(window, *windowBack);
        writeControl(control, designed, look);

        platform::yield();

        const ControlLook painted = look;
        applyFixedColours(look);
        writeControl(control, painted, look);
    }
}

} // namespace kit::look
