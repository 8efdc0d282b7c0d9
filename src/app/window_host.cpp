#include "app/window_host.h"

#include "app/aspx_generator_page.h"
#include "app/main_window.h"
#include "app/vb_generator_page.h"
#include "platform/user_feedback.h"

#include <QTextCursor>

namespace app
{

namespace
{

constexpr int kPreviewCount = generators::kPreviewAspxVb + 1;
constexpr qint64 kFlushIntervalMs = 50;

QPlainTextEdit* preview(MainWindow& window, int index)
{
    if (index >= generators::kPreviewDataAccess && index <= generators::kPreviewVb6)
        return window.vbGenerator->gnl[std::size_t(index)];
    if (index == generators::kPreviewAspx || index == generators::kPreviewAspxVb)
        return window.aspxGenerator->gasp[std::size_t(index - generators::kPreviewAspx)];
    return nullptr;
}

} // namespace

WindowHost::WindowHost(MainWindow& window) : window_(window)
{
    sinceFlush_.start();
}

WindowHost::~WindowHost()
{
    flushPreviews();
}

void WindowHost::clearPreview(int index)
{
    if (QPlainTextEdit* box = preview(window_, index)) {
        pending_[std::size_t(index)].clear();
        box->clear();
    }
}

void WindowHost::appendPreview(int index, const QString& text)
{
    if (!preview(window_, index))
        return;
    pending_[std::size_t(index)].append(text);
    if (sinceFlush_.elapsed() >= kFlushIntervalMs)
        flushPreviews();
}

void WindowHost::flush(int index)
{
    QString& text = pending_[std::size_t(index)];
    if (text.isEmpty())
        return;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QPlainTextEdit* box = preview(window_, index);
    QTextCursor cursor(box->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    text.clear();
    // The caret follows the lines, so the box shows the latest of them rather than its top.
    box->moveCursor(QTextCursor::End);
    box->ensureCursorVisible();
}

void WindowHost::flushPreviews()
{
    for (int index = 0; index < kPreviewCount; ++index)
        flush(index);
    sinceFlush_.restart();
}

void WindowHost::showPreview(int index)
{
    flushPreviews();
    window_.vvbg_Click(index);
}

void WindowHost::yield()
{
    platform::yield();
}

void WindowHost::setProgressVisible(bool visible)
{
    flushPreviews();
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
    flushPreviews();
    platform::setWaitCursor(busy);
}

void WindowHost::message(const QString& text)
{
    flushPreviews();
    platform::messageBox(text, &window_);
}

std::optional<bool> WindowHost::solutionDialogShown() const
{
    return window_.solutionDialogVisible();
}

} // namespace app
