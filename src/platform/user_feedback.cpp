#include "platform/user_feedback.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QMessageBox>
#include <QScreen>
#include <algorithm>

namespace platform
{

namespace
{

bool& busyState()
{
    static bool busy = false;
    return busy;
}

// Moves a shown window back within its screen's free area whenever it grows: a message box
// opening its details pane grows downwards, past the screen's edge when it sat low.
class KeepOnScreen : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize) {
            auto* window = static_cast<QWidget*>(watched);
            if (window->isVisible() && window->screen())
                keepWithin(window, window->screen()->availableGeometry());
        }
        return false;
    }

private:
    static void keepWithin(QWidget* window, const QRect& area)
    {
        // The frame the window manager adds is the same as before the resize.
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        const QSize outer = window->size() + frame;
        const QPoint at = window->frameGeometry().topLeft();
        const int x = std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width()));
        const int y = std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height()));
        if (QPoint(x, y) != at)
            window->move(x, y);
    }
};

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

void Messages::show(const QString& text, QWidget* parent) const
{
    if (sink_) {
        sink_(text);
        return;
    }
    const MessageBoxTexts texts = messageBoxTexts(text);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillmere"), texts.text, QMessageBox::Ok, parent);
    box.setDetailedText(texts.detailedText);
    // Shown, the box is placed within the screen; opening its details keeps it there.
    box.installEventFilter(new KeepOnScreen(&box));
    box.exec();
}

MessageBoxTexts messageBoxTexts(const QString& text)
{
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() <= kShownMessageLines)
        return {text, QString()};
    const QStringList shown = lines.mid(0, kShownMessageLines);
    return {shown.join(QLatin1Char('\n')) +
                QStringLiteral("\n\u2026 and %1 more").arg(lines.size() - kShownMessageLines),
            text};
}

void yield()
{
    QCoreApplication::processEvents();
}

void yieldWithoutInput()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace platform
