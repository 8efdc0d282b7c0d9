#pragma once
// A Host that records what a generator asks of the window.

#include "generators/common/host.h"

#include <QMap>
#include <QStringList>

namespace testsupport
{

class RecordingHost : public generators::Host
{
public:
    void clearPreview(int index) override;
    void appendPreview(int index, const QString& text) override;
    void showPreview(int index) override;
    void yield() override { ++yields; }
    void setProgressVisible(bool visible) override { progressVisible = visible; }
    void setProgressValue(double value) override { progress = value; }
    double progressValue() const override { return progress; }
    void setProgressMaximum(double maximum) override { progressMax = maximum; }
    double progressMaximum() const override { return progressMax; }
    void setBusyPointer(bool busy) override { this->busy = busy; }
    void message(const QString& text) override { messages.append(text); }

    QMap<int, QString> previews;
    QList<int> shownPreviews; // every vvbg_Click, in order
    QStringList events;       // "clear 0", "show 1", ... in order
    QStringList messages;
    int yields = 0;
    bool progressVisible = false;
    double progress = 0;
    double progressMax = 100;
    bool busy = false;
};

} // namespace testsupport
