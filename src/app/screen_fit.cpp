#include "app/screen_fit.h"

#include "app/main_window.h"

#include <QScreen>
#include <QScrollBar>
#include <QWindow>
#include <cmath>

namespace app
{

PageScroller::PageScroller(QWidget* parent) : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    // It shows no focus mark, so Tab passes it by for the controls it holds.
    setFocusPolicy(Qt::NoFocus);
    // The pages show through onto the window's own background.
    viewport()->setAutoFillBackground(false);
}

QSize PageScroller::sizeHint() const
{
    const int frame = 2 * frameWidth();
    return widget() ? widget()->minimumSizeHint() + QSize(frame, frame) : QScrollArea::sizeHint();
}

QSize fittedWindowSize(const QSize& designed, const QSize& available, const QSize& frame)
{
    return designed.boundedTo((available - frame).expandedTo(QSize(1, 1)));
}

QPoint fittedOrigin(const QRect& available, const QSize& window)
{
    return available.topLeft() + centredOrigin(available.size(), window);
}

QMargins frameOf(const QWidget* window)
{
    const QWindow* handle = window->windowHandle();
    return handle && handle->isVisible() ? handle->frameMargins() : QMargins();
}

QSize frameRoom(const QWidget* window)
{
    const QMargins frame = frameOf(window);
    if (frame.isNull())
        return {0, 0};
    QSize room(frame.left() + frame.right(), frame.top() + frame.bottom());
    // At a fractional scale the frame and the window are rounded to whole units apart, and
    // together may take a pixel more on the screen than they say.
    const qreal scale = window->windowHandle()->devicePixelRatio();
    if (scale != std::floor(scale))
        room += QSize(1, 1);
    return room;
}

namespace
{

// How long a window manager may take to frame a new window, and how often it is looked at.
constexpr int kFrameWaitMs = 10000;
constexpr int kFramePollMs = 25;
// A manager that keeps pushing the window back is not fought for ever.
constexpr int kMostFits = 3;
// The window's own geometry shows a fit as soon as it is asked for; the manager applies it
// a moment later, and may still place the window anew. A fit counts once it has held this long.
constexpr int kSettledMs = 300;

} // namespace

FrameFit::FrameFit(QWidget* window, std::function<void()> fit)
    : QObject(window), window_(window), fit_(std::move(fit))
{
    poll_.setInterval(kFramePollMs);
    connect(&poll_, &QTimer::timeout, this, &FrameFit::check);
    since_.start();
    poll_.start();
    // Without a window manager, or with a quick one, the frame is known at once.
    QTimer::singleShot(0, this, &FrameFit::check);
}

void FrameFit::check()
{
    const QScreen* display = window_->screen();
    if (!display || since_.elapsed() > kFrameWaitMs) {
        finish();
        return;
    }
    if (frameOf(window_).isNull())
        return;
    const QRect framed = window_->geometry().marginsAdded(frameOf(window_));
    if (display->availableGeometry().contains(framed)) {
        if (!fitting_.isValid())
            fitting_.start();
        else if (fitting_.elapsed() >= kSettledMs)
            finish();
        return;
    }
    fitting_.invalidate();
    if (++fits_ > kMostFits) {
        finish();
        return;
    }
    fit_();
}

void FrameFit::finish()
{
    poll_.stop();
    deleteLater();
}

} // namespace app
