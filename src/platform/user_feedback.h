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

// A text of more than kShownMessageLines lines (a run's long problem list) shows its first
// kShownMessageLines lines and "… and N more" in the message box; the whole text is in
// the box's details pane, which scrolls and can be copied. The box never outgrows the
// screen.
inline constexpr int kShownMessageLines = 20;
struct MessageBoxTexts {
    QString text;
    QString detailedText; // empty when the whole text is shown
};
MessageBoxTexts messageBoxTexts(const QString& text);

using MessageSink = std::function<void(const QString& text)>;

// Where the windows' messages for the user go: a modal message box with an OK button,
// titled "Quillmere", over the window that tells; or, while a sink is set, the sink
// alone (tests read the messages that way). The session holds the one the windows use.
class Messages
{
public:
    Messages() = default;
    explicit Messages(MessageSink sink) : sink_(std::move(sink)) {}
    void show(const QString& text, QWidget* parent) const;
    void setSink(MessageSink sink) { sink_ = std::move(sink); }

private:
    MessageSink sink_;
};

// Lets the event loop handle every pending event once.
void yield();
// The same for every event but the user's input, which waits for the next full yield:
// a click handled here would run its whole action inside the caller.
void yieldWithoutInput();

} // namespace platform
