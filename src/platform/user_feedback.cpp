#include "platform/user_feedback.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QMessageBox>

namespace platform {

namespace {

bool& busyState()
{
    static bool busy = false;
    return busy;
}

MessageSink& sink()
{
    static MessageSink instance;
    return instance;
}

} // namespace

void setWaitCursor(bool busy)
{
    if (busy == busyState())
        return;
    busyState() = busy;
    if (busy) {
        QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    } else {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
}

bool waitCursorShown()
{
    return busyState();
}

void messageBox(const QString& text, QWidget* parent)
{
    if (sink()) {
        sink()(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillmere"), text, QMessageBox::Ok, parent);
    box.exec();
}

void setMessageSink(MessageSink s)
{
    sink() = std::move(s);
}

void yield()
{
    QCoreApplication::processEvents();
}

} // namespace platform
