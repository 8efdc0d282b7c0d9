#pragma once
// The generators' host over the window a run runs in: previews gnl(0..4) and the page previews
// gasp(0..1), the preview tabs, the progress bar pb1, the busy pointer and message boxes.

#include "generators/common/host.h"

#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <array>

namespace generation_ui
{

class RunWindow;

class WindowHost : public generators::Host
{
public:
    explicit WindowHost(RunWindow& window);
    ~WindowHost() override;

    void clearPreview(int index) override;
    // Appends at the end of the preview, without rebuilding its whole text. CR LF
    // becomes the box's own line break. Lines reach the box in batches, a few times a
    // second: laying out one line at a time costs a run of many tables minutes.
    void appendPreview(int index, const QString& text) override;
    void appendPreviewLine(int index, const QString& line) override;
    // Puts the lines still held back into their boxes. Done before a tab switch, a
    // message, when the run hides the bar or restores the pointer, and at the end.
    void flushPreviews();
    // For a host shared by many short runs: the busy pointer's changes at the start and end
    // of each run no longer flush, so text a later run clears is never laid out; the
    // previews still move a few times a second, and get the last lines when the host ends.
    void flushOnlyWhenDue() { flushWithPointer_ = false; }
    // Forgets the lines held back, for a window that is gone.
    void dropPending() { pending_ = {}; }
    void showPreview(int index) override;
    // Lets the window handle its events, at most once every few milliseconds: a run
    // yields after every line, and a pass per line would cost more than the lines.
    void yield() override;

    void setProgressVisible(bool visible) override;
    void setProgressValue(double value) override;
    double progressValue() const override;
    void setProgressMaximum(double maximum) override;
    double progressMaximum() const override;

    void setBusyPointer(bool busy) override;
    void message(const QString& text) override;
    std::optional<bool> solutionDialogShown() const override;

private:
    void flush(int index);
    // Counts the breaks just appended to `index`'s pending text and flushes when due.
    void appended(int index, int lineBreaks);

    RunWindow& window_;
    // Text written since the last flush, in pieces of a few hundred lines each, and the line
    // breaks of each piece. The oldest pieces go as soon as the rest holds as many lines as
    // a box keeps: dropping one costs nothing, and what is held stays near a box's worth.
    struct Pending {
        QList<QString> pieces;
        QList<int> pieceLines;
        int lines = 0;

        QString& openPiece();
        void dropWhatTheBoxWouldDrop();
        QString joined() const;
    };
    std::array<Pending, generators::kPreviewAspxVb + 1> pending_;
    // Tells when an interval has passed since it was last restarted. A run asks after
    // every line, so the clock is read at every 16th question only.
    class Pacer
    {
    public:
        bool due(qint64 intervalMs);
        void restart();

    private:
        QElapsedTimer since_; // invalid until the first restart: due at once
        unsigned asked_ = 0;
    };
    Pacer flushPacer_;
    Pacer yieldPacer_;
    bool flushWithPointer_ = true;
};

} // namespace generation_ui
