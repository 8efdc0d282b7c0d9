#include "platform/colours.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QPalette>
#include <QVariant>
#include <QWidget>

namespace platform
{

namespace
{

// The system colours the layout uses, by index, mapped to the palette roles that show
// the same thing on this desktop.
QColor systemColour(int index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 5: // window background
        return palette.color(QPalette::Base);
    case 8: // window text
        return palette.color(QPalette::WindowText);
    case 13: // highlight
        return palette.color(QPalette::Highlight);
    case 14: // highlighted text
        return palette.color(QPalette::HighlightedText);
    case 18: // button text
        return palette.color(QPalette::ButtonText);
    case 15: // button face
    default:
        return palette.color(QPalette::Button);
    }
}

// The palette role that holds a widget's own background.
QPalette::ColorRole backgroundRoleOf(const QWidget* widget)
{
    if (qobject_cast<const QAbstractButton*>(widget))
        return QPalette::Button;
    if (qobject_cast<const QComboBox*>(widget))
        return QPalette::Button;
    // A list or multi-line box paints its inside (the viewport) with Base.
    if (qobject_cast<const QAbstractScrollArea*>(widget))
        return QPalette::Base;
    return widget->backgroundRole();
}

// Text boxes, lists and the edit line and list of a drop-down show their content on Base.
bool showsContentOnBase(const QWidget* widget)
{
    return widget->backgroundRole() == QPalette::Base || qobject_cast<const QAbstractScrollArea*>(widget) ||
           qobject_cast<const QComboBox*>(widget);
}

QPalette::ColorRole foregroundRoleOf(const QWidget* widget)
{
    if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget))
        return QPalette::ButtonText;
    return widget->foregroundRole();
}

} // namespace

QColor colourFromBgr(quint32 value)
{
    if (value & kSystemColourFlag)
        return systemColour(int(value & 0xFFu));
    return QColor(int(value & 0xFFu), int((value >> 8) & 0xFFu), int((value >> 16) & 0xFFu));
}

quint32 bgrFromColour(const QColor& colour)
{
    return quint32(colour.red()) | (quint32(colour.green()) << 8) | (quint32(colour.blue()) << 16);
}

void setBackColor(QWidget* widget, quint32 value)
{
    QPalette palette = widget->palette();
    const QColor colour = colourFromBgr(value);
    palette.setColor(backgroundRoleOf(widget), colour);
    if (showsContentOnBase(widget))
        palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    if (!qobject_cast<QAbstractButton*>(widget))
        widget->setAutoFillBackground(true);
}

QColor backColor(const QWidget* widget)
{
    return widget->palette().color(backgroundRoleOf(widget));
}

void setForeColor(QWidget* widget, quint32 value)
{
    QPalette palette = widget->palette();
    palette.setColor(foregroundRoleOf(widget), colourFromBgr(value));
    widget->setPalette(palette);
}

QColor foreColor(const QWidget* widget)
{
    return widget->palette().color(foregroundRoleOf(widget));
}

void setBackStyle(QWidget* widget, int style)
{
    widget->setAutoFillBackground(style != 0);
}

int backStyle(const QWidget* widget)
{
    return widget->autoFillBackground() ? 1 : 0;
}

bool setBorderStyle(QWidget* widget, int style)
{
    auto* frame = qobject_cast<QFrame*>(widget);
    if (!frame)
        return false;
    if (style == 0) {
        frame->setFrameStyle(QFrame::NoFrame);
    } else {
        frame->setFrameStyle(QFrame::Box | QFrame::Plain);
        frame->setLineWidth(1);
    }
    return true;
}

int borderStyle(const QWidget* widget)
{
    const auto* frame = qobject_cast<const QFrame*>(widget);
    return frame && frame->frameShape() != QFrame::NoFrame ? 1 : 0;
}

QString tag(const QWidget* widget)
{
    return widget->property("Tag").toString();
}

void setTag(QWidget* widget, const QString& value)
{
    widget->setProperty("Tag", value);
}

} // namespace platform
