#include "platform/user_feedback.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QMessageBox>

namespace platform
{

namespace
{

bool& busyState()
{
    static bool busy = false;
    return busy;
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

void Messages::show(const QString& text, QWidget* parent) const
{
    if (sink_) {
        sink_(text);
        return;
    }
    const MessageBoxTexts texts = messageBoxTexts(text);
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Quillmere"), texts.text, QMessageBox::Ok, parent);
    box.setDetailedText(texts.detailedText);
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
