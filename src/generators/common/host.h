#pragma once
// What a generator may ask of the window that runs it. The main window implements it
// with its widgets; tests implement it with a recorder.

#include <QString>
#include <optional>

namespace generators
{

// Indexes of the preview boxes gnl(0..4), then the page previews gasp(0..1).
enum PreviewIndex : int {
    kPreviewDataAccess = 0,
    kPreviewDataManager = 1,
    kPreviewDataClasses = 2,
    kPreviewOracle = 3,
    kPreviewVb6 = 4,
    kPreviewAspx = 5,
    kPreviewAspxVb = 6,
    kNoPreview = -1,
};

// The gnl boxes yield to the event loop on every change; the page previews have no
// change handler, so a line appended to them does not yield.
inline bool previewYields(int index)
{
    return index >= kPreviewDataAccess && index <= kPreviewVb6;
}

class Host
{
public:
    virtual ~Host() = default;

    virtual void clearPreview(int index) = 0;
    // Appends text as it stands (the caller puts the CR LF before the line).
    virtual void appendPreview(int index, const QString& text) = 0;
    // Appends CR LF and the line; a host that keeps the text may do it without a copy of
    // its own.
    virtual void appendPreviewLine(int index, const QString& line)
    {
        appendPreview(index, QStringLiteral("\r\n") + line);
    }
    // Brings preview `index` forward (vvbg_Click).
    virtual void showPreview(int index) = 0;
    virtual void yield() = 0;

    virtual void setProgressVisible(bool visible) = 0;
    virtual void setProgressValue(double value) = 0;
    virtual double progressValue() const = 0;
    virtual void setProgressMaximum(double maximum) = 0;
    virtual double progressMaximum() const = 0;

    virtual void setBusyPointer(bool busy) = 0;
    virtual void message(const QString& text) = 0;

    // Whether the solution dialog is shown now, for a host that can tell; without an answer
    // the run keeps the state it started with. Cancel hides the dialog during a run, and
    // what ends after that behaves as outside the dialog.
    virtual std::optional<bool> solutionDialogShown() const { return std::nullopt; }
};

// Raises the progress value by one; a value above the maximum is refused.
void stepProgress(Host& host);

} // namespace generators
