#pragma once
// The thin sunken frame that command buttons get when their window loads.

class QWidget;

namespace platform
{

// Gives the widget a one-pixel sunken frame drawn over its edge, kept in step with
// its size; a button with the focus shows its focus mark inside the frame. Applying it
// twice changes nothing.
void static_edge(QWidget* widget);
bool hasStaticEdge(const QWidget* widget);

} // namespace platform
