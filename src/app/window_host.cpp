#include "app/window_host.h"

#include "app/aspx_generator_page.h"
#include "app/main_window.h"
#include "app/vb_generator_page.h"
#include "platform/user_feedback.h"

#include <QPlainTextEdit>

namespace app
{

namespace
{

constexpr int kPreviewCount = generators::kPreviewAspxVb + 1;
constexpr qint64 kFlushIntervalMs = 50;
// Short enough that a click is handled as at once; long enough that most lines go by
// without an event-loop pass.
constexpr qint64 kYieldIntervalMs = 5;

bool onVbPage(int index)
{
    return index >= generators::kPreviewDataAccess && index <= generators::kPreviewVb6;
}

bool onAspxPage(int index)
{
    return index == generators::kPreviewAspx || index == generators::kPreviewAspxVb;
}

} // namespace

WindowHost::WindowHost(MainWindow& window) : window_(window)
{
    sinceFlush_.start();
    // Every preview box keeps its last lines only, so memory does not follow the output.
    for (QPlainTextEdit* box : window_.findChildren<QPlainTextEdit*>()) {
        const QString name = box->objectName();
        if (name.startsWith(QLatin1String("gnl_")) || name.startsWith(QLatin1String("gasp_")))
            box->setMaximumBlockCount(kPreviewLines);
    }
}

WindowHost::~WindowHost()
{
    flushPreviews();
}

void WindowHost::clearPreview(int index)
{
    if (onVbPage(index))
        window_.vbGenerator->clearPreview(index);
    else if (onAspxPage(index))
        window_.aspxGenerator->clearPreview(index - generators::kPreviewAspx);
    else
        return;
    pending_[std::size_t(index)].clear();
}

void WindowHost::appendPreview(int index, const QString& text)
{
    if (!onVbPage(index) && !onAspxPage(index))
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
    if (onVbPage(index))
        window_.vbGenerator->appendPreview(index, text);
    else
        window_.aspxGenerator->appendPreview(index - generators::kPreviewAspx, text);
    text.clear();
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
    if (sinceYield_.isValid() && sinceYield_.elapsed() < kYieldIntervalMs)
        return;
    platform::yield();
    sinceYield_.start();
}

void WindowHost::setProgressVisible(bool visible)
{
    flushPreviews();
    window_.vbGenerator->setProgressVisible(visible);
}

void WindowHost::setProgressValue(double value)
{
    window_.vbGenerator->setProgressValue(value);
}

double WindowHost::progressValue() const
{
    return window_.vbGenerator->progressValue();
}

void WindowHost::setProgressMaximum(double maximum)
{
    window_.vbGenerator->setProgressMaximum(maximum);
}

double WindowHost::progressMaximum() const
{
    return window_.vbGenerator->progressMaximum();
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
