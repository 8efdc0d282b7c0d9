#include "app/screen_fit.h"

#include "app/main_window.h"

#include <QScrollBar>

namespace app
{

PageScroller::PageScroller(QWidget* parent) : QScrollArea(parent)
{
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
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

} // namespace app
