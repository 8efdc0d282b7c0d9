#pragma once
// How the program tells the user what it is doing: the hourglass pointer, message
// boxes (modal, one OK button, titled "Quillmere"), and yielding to the event loop.

#include <QString>
#include <functional>

class QWidget;

namespace platform
{

// One busy state, not a stack: set twice and cleared once gives the default pointer.
void setWaitCursor(bool busy);
bool waitCursorShown();

// Shows a modal message box with an OK button. While a message sink is installed the
// text goes to the sink instead and nothing is shown (tests read messages that way).
// A text of more than kShownMessageLines lines (a run's long problem list) shows its first
// kShownMessageLines lines and "… and N more" in the box; the whole text is the box's
// detailed text.
void messageBox(const QString& text, QWidget* parent = nullptr);
inline constexpr int kShownMessageLines = 20;
struct MessageBoxTexts {
    QString text;
    QString detailedText; // empty when the whole text is shown
};
MessageBoxTexts messageBoxTexts(const QString& text);
using MessageSink = std::function<void(const QString& text)>;
void setMessageSink(MessageSink sink);

// Lets the event loop handle every pending event once.
void yield();
// The same for every event but the user's input, which waits for the next full yield:
// a click handled here would run its whole action inside the caller.
void yieldWithoutInput();

} // namespace platform
