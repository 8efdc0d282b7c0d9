#pragma once
// Whether each stop of a window's Tab chain shows where the focus is: a control that
// paints the same with the focus as without it gives the user no mark.

#include <QApplication>
#include <QImage>
#include <QList>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <functional>

namespace testsupport
{

// Walks the Tab chain from `start` (which has the focus) until it comes round, and names
// the stops that show no focus mark (and a chain of one stop); `leftOut` stops are passed
// by unchecked.
inline QStringList stopsWithoutFocusMark(QWidget* start, const std::function<bool(QWidget*)>& leftOut = {})
{
    const auto looks = [](QWidget* widget) { return widget->grab().toImage(); };
    const auto focusOn = [](QWidget* widget) {
        widget->setFocus(Qt::TabFocusReason);
        return QTest::qWaitFor([widget] { return widget->hasFocus(); });
    };
    QStringList unmarked;
    QList<QWidget*> seen;
    QWidget* stop = start;
    while (stop && !seen.contains(stop) && seen.size() < 300) {
        seen.append(stop);
        if (!leftOut || !leftOut(stop)) {
            const QImage focused = looks(stop);
            // The focus goes back to the start, or from the start to the first stop after it.
            QWidget* elsewhere = stop == start ? start->nextInFocusChain() : start;
            while (elsewhere != stop && !(elsewhere->isVisible() && elsewhere->isEnabled() &&
                                          (elsewhere->focusPolicy() & Qt::TabFocus)))
                elsewhere = elsewhere->nextInFocusChain();
            if (elsewhere == stop || !focusOn(elsewhere) || looks(stop) == focused)
                unmarked.append(
                    QStringLiteral("%1 (%2)").arg(stop->objectName(), stop->metaObject()->className()));
            if (!focusOn(stop))
                return unmarked
                       << QStringLiteral("the focus could not come back to %1").arg(stop->objectName());
        }
        QTest::keyClick(stop, Qt::Key_Tab);
        stop = QApplication::focusWidget();
    }
    if (seen.size() < 2)
        unmarked.append(QStringLiteral("Tab does not move the focus from %1").arg(start->objectName()));
    return unmarked;
}

} // namespace testsupport
