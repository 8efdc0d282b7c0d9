#pragma once
// The generators' host over the main window: previews gnl(0..4), the preview tabs,
// the progress bar pb1, the busy pointer and message boxes.

#include "generators/common/host.h"

namespace app {

class MainWindow;

class WindowHost : public generators::Host {
public:
    explicit WindowHost(MainWindow& window) : window_(window) {}

    void clearPreview(int index) override;
    // Appends at the end of the preview, without rebuilding its whole text. CR LF
    // becomes the box's own line break.
    void appendPreview(int index, const QString& text) override;
    void showPreview(int index) override;
    void yield() override;

    void setProgressVisible(bool visible) override;
    void setProgressValue(double value) override;
    double progressValue() const override;
    void setProgressMaximum(double maximum) override;
    double progressMaximum() const override;

    void setBusyPointer(bool busy) override;
    void message(const QString& text) override;

private:
    MainWindow& window_;
};

} // namespace app
