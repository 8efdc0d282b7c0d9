#pragma once
// Finds a control of a window by its name, and a page by its type, and says so when there
// is none; clicks a control as the user would.

#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>

namespace testsupport
{

template <typename T> T* child(QWidget* window, const QString& name)
{
    T* widget = window->findChild<T*>(name);
    if (!widget)
        qWarning("no control named %s", qPrintable(name));
    return widget;
}

// The page or panel of type `Page` in a window: each is there once. The window keeps its
// pages to itself, so a test reaches one by its type.
template <typename Page> Page* page(QWidget* window)
{
    Page* found = window->findChild<Page*>();
    if (!found)
        qWarning("no page of type %s", Page::staticMetaObject.className());
    return found;
}

// A button is clicked; any other control, such as a caption link, gets a left mouse click
// in its middle.
inline void click(QWidget* widget)
{
    if (auto* button = qobject_cast<QPushButton*>(widget))
        button->click();
    else
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

} // namespace testsupport
