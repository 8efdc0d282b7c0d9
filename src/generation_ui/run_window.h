#pragma once
// What the generator pages' runs reach of the window they run in: a snapshot of its values,
// taken as a run starts; the run guard; the session's connection; where a run shows its work
// (previews, the progress bar, the steps and folders of a solution); the connection named in
// the status bar, and messages. The main window provides it; a run sees nothing else of it.

#include "generation_ui/run_snapshot.h"

#include <QString>

class QObject;

namespace kit
{
class RunGuard;
}

namespace generation_ui
{

class SessionConnection;

class RunWindow
{
public:
    virtual RunSnapshot snapshot() const = 0;
    virtual kit::RunGuard& runGuard() = 0;
    virtual SessionConnection& connection() = 0;

    // The previews, by the generators' preview index (generators/common/host.h), and the
    // preview tab brought to the front.
    virtual void clearPreview(int index) = 0;
    virtual void appendPreview(int index, QString text) = 0;
    virtual void showPreviewTab(int index) = 0;
    // The progress bar pb1; a value outside its range is refused.
    virtual void setProgressVisible(bool visible) = 0;
    virtual void setProgressValue(double value) = 0;
    virtual double progressValue() const = 0;
    virtual void setProgressMaximum(double maximum) = 0;
    virtual double progressMaximum() const = 0;

    // What a solution run shows as it goes: the pages tick Web.config and name the project it
    // writes, the VB page shows the folder of its data layer, the ASPX page the folder and the
    // table of its pages, and the dialog the step under way.
    virtual void showSolutionProject(const QString& projectName) = 0;
    virtual void showDataLayerFolder(const QString& folder) = 0;
    virtual void showPagesFolder(const QString& folder) = 0;
    virtual void showPageTable(const QString& table) = 0;
    virtual void showSolutionStep(const QString& text) = 0;
    virtual bool solutionDialogVisible() const = 0;
    virtual void hideSolutionDialog() = 0;
    // The step of an edit-page run (stasp); an empty text empties it.
    virtual void showEditPageStep(const QString& text) = 0;

    // The status bar says "Not connected"; a run that lost its connection makes it say so.
    virtual bool showsNotConnected() const = 0;
    virtual void showNotConnected() = 0;
    // A message for the user, over the window.
    virtual void showMessage(const QString& text) = 0;
    // The window as an object: a run that yields stops when it is gone.
    virtual QObject& windowObject() = 0;

protected:
    ~RunWindow() = default;
};

} // namespace generation_ui
