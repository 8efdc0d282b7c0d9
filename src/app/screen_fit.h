#pragma once
// Keeping the main window on the screen it opens on: the page area scrolls when the window
// is smaller than the pages need, and the window opens at its designed size only where that
// fits the screen's free area.

#include <QElapsedTimer>
#include <QMargins>
#include <QRect>
#include <QScrollArea>
#include <QSize>
#include <QTimer>
#include <functional>

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

// What the window manager adds around `window`, in the window's own units; empty while it
// has not framed the window (or where there is none).
QMargins frameOf(const QWidget* window);
// The room the window needs around its client area to lie on the screen with its frame.
QSize frameRoom(const QWidget* window);

// Fits a window to its screen again once the window manager has framed it. The frame is
// only known some time after the window is mapped, later than its first show event, so
// the window is watched for a while after it shows: each time its frame lies off the
// screen's free area, `fit` runs. It stops once a framed window lies within that area.
class FrameFit : public QObject
{
    Q_OBJECT
public:
    FrameFit(QWidget* window, std::function<void()> fit);

private:
    void check();
    void finish();

    QWidget* window_;
    std::function<void()> fit_;
    QTimer poll_;
    QElapsedTimer since_;
    QElapsedTimer fitting_; // since when the framed window has lain within the free area
    int fits_ = 0;
};

} // namespace app
