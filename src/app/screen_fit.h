#pragma once
// Keeping the main window on the screen it opens on: the page area scrolls when the window
// is smaller than the pages need, and the window opens at its designed size only where that
// fits the screen's free area.

#include <QRect>
#include <QScrollArea>
#include <QSize>

namespace app
{

// A scroll area that asks for the whole of its page, so the window around it is designed
// at the size where nothing scrolls, yet lets itself be made smaller.
class PageScroller : public QScrollArea
{
    Q_OBJECT
public:
    explicit PageScroller(QWidget* parent = nullptr);
    QSize sizeHint() const override;
};

// The outer size the window opens at: the designed size, made smaller where the screen's
// free area (less the frame the window manager adds) cannot hold it.
QSize fittedWindowSize(const QSize& designed, const QSize& available, const QSize& frame);

// Where a window of outer size `window` goes on a screen whose free area is `available`:
// centred, and never left of or above that area.
QPoint fittedOrigin(const QRect& available, const QSize& window);

} // namespace app
