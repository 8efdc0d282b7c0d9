#include "generation_ui/window_host.h"

#include "generation_ui/run_window.h"
#include "kit/controls.h"
#include "platform/user_feedback.h"

#include <utility>

namespace generation_ui
{

namespace
{

constexpr int kPreviewCount = generators::kPreviewAspxVb + 1;
// A flush lays out at most a box's worth of lines; a few a second keep that cost small
// against the run and the boxes still moving.
constexpr qint64 kFlushIntervalMs = 250;
// Short enough that a click is handled as at once; long enough that most lines go by
// without an event-loop pass.
constexpr qint64 kYieldIntervalMs = 5;

// A piece of pending text takes this many line breaks before the next begins.
constexpr int kPieceLines = 500;

bool isPreview(int index)
{
    return index >= 0 && index < kPreviewCount;
}

} // namespace

bool WindowHost::Pacer::due(qint64 intervalMs)
{
    if (!since_.isValid())
        return true;
    return ++asked_ % 16 == 0 && since_.elapsed() >= intervalMs;
}

void WindowHost::Pacer::restart()
{
    since_.start();
    asked_ = 0;
}

QString& WindowHost::Pending::openPiece()
{
    if (pieces.isEmpty() || pieceLines.last() >= kPieceLines) {
        pieces.append(QString());
        pieceLines.append(0);
    }
    return pieces.last();
}

void WindowHost::Pending::dropWhatTheBoxWouldDrop()
{
    while (pieces.size() > 1 && lines - pieceLines.first() >= kit::kPreviewLines) {
        lines -= pieceLines.first();
        pieces.removeFirst();
        pieceLines.removeFirst();
    }
}

QString WindowHost::Pending::joined() const
{
    if (pieces.size() == 1)
        return pieces.first();
    qsizetype size = 0;
    for (const QString& piece : pieces)
        size += piece.size();
    QString text;
    text.reserve(size);
    for (const QString& piece : pieces)
        text.append(piece);
    return text;
}

WindowHost::WindowHost(RunWindow& window) : window_(window)
{
    flushPacer_.restart();
}

WindowHost::~WindowHost()
{
    flushPreviews();
}

void WindowHost::clearPreview(int index)
{
    if (!isPreview(index))
        return;
    window_.clearPreview(index);
    pending_[std::size_t(index)] = {};
}

void WindowHost::appendPreview(int index, const QString& text)
{
    if (!isPreview(index))
        return;
    pending_[std::size_t(index)].openPiece().append(text);
    appended(index, int(text.count(QLatin1Char('\n'))));
}

void WindowHost::appendPreviewLine(int index, const QString& line)
{
    if (!isPreview(index))
        return;
    QString& text = pending_[std::size_t(index)].openPiece();
    text.append(u"\r\n");
    text.append(line);
    appended(index, 1 + int(line.count(QLatin1Char('\n'))));
}

void WindowHost::appended(int index, int lineBreaks)
{
    Pending& pending = pending_[std::size_t(index)];
    pending.lines += lineBreaks;
    pending.pieceLines.last() += lineBreaks;
    // Lines the box would drop at the next flush are not kept waiting for it.
    pending.dropWhatTheBoxWouldDrop();
    if (flushPacer_.due(kFlushIntervalMs))
        flushPreviews();
}

void WindowHost::flush(int index)
{
    QString text = std::exchange(pending_[std::size_t(index)], {}).joined();
    if (text.isEmpty())
        return;
    window_.appendPreview(index, std::move(text));
}

void WindowHost::flushPreviews()
{
    for (int index = 0; index < kPreviewCount; ++index)
        flush(index);
    flushPacer_.restart();
}

void WindowHost::showPreview(int index)
{
    flushPreviews();
    window_.showPreviewTab(index);
}

void WindowHost::yield()
{
    if (!yieldPacer_.due(kYieldIntervalMs))
        return;
    platform::yield();
    yieldPacer_.restart();
}

void WindowHost::setProgressVisible(bool visible)
{
    flushPreviews();
    window_.setProgressVisible(visible);
}

void WindowHost::setProgressValue(double value)
{
    window_.setProgressValue(value);
}

double WindowHost::progressValue() const
{
    return window_.progressValue();
}

void WindowHost::setProgressMaximum(double maximum)
{
    window_.setProgressMaximum(maximum);
}

double WindowHost::progressMaximum() const
{
    return window_.progressMaximum();
}

void WindowHost::setBusyPointer(bool busy)
{
    if (flushWithPointer_)
        flushPreviews();
    platform::setWaitCursor(busy);
}

void WindowHost::message(const QString& text)
{
    flushPreviews();
    window_.showMessage(text);
}

std::optional<bool> WindowHost::solutionDialogShown() const
{
    return window_.solutionDialogVisible();
}

} // namespace generation_ui
