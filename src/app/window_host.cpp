#include "app/window_host.h"

#include "app/main_window.h"
#include "app/vb_generator_page.h"
#include "platform/user_feedback.h"

#include <QTextCursor>

namespace app {

namespace {

QPlainTextEdit* preview(MainWindow& window, int index)
{
    return index >= 0 && index < 5 ? window.vbGenerator->gnl[std::size_t(index)] : nullptr;
}

} // namespace

void WindowHost::clearPreview(int index)
{
    if (QPlainTextEdit* box = preview(window_, index))
        box->clear();
}

void WindowHost::appendPreview(int index, const QString& text)
{
    QPlainTextEdit* box = preview(window_, index);
    if (!box)
        return;
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(plain);
}

void WindowHost::showPreview(int index)
{
    window_.vvbg_Click(index);
}

void WindowHost::yield()
{
    platform::yield();
}

void WindowHost::setProgressVisible(bool visible)
{
    window_.vbGenerator->pb1->setVisible(visible);
}

void WindowHost::setProgressValue(double value)
{
    // A value outside the bar's range is refused; the bar keeps its value.
    QProgressBar* bar = window_.vbGenerator->pb1;
    if (value < bar->minimum() || value > bar->maximum())
        return;
    bar->setValue(int(value));
}

double WindowHost::progressValue() const
{
    return window_.vbGenerator->pb1->value();
}

void WindowHost::setProgressMaximum(double maximum)
{
    QProgressBar* bar = window_.vbGenerator->pb1;
    bar->setMaximum(int(maximum));
}

double WindowHost::progressMaximum() const
{
    return window_.vbGenerator->pb1->maximum();
}

void WindowHost::setBusyPointer(bool busy)
{
    platform::setWaitCursor(busy);
}

void WindowHost::message(const QString& text)
{
    platform::messageBox(text, &window_);
}

} // namespace app
