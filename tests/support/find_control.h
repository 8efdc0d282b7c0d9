#pragma once
// Finds a control of a window by its name, and says so when there is none.

#include <QString>
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

} // namespace testsupport
