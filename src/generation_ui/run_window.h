#pragma once
// What the generator pages' runs reach of the window they run in: the session's values
// and run guard, the generator pages and the solution dialog, the connection named in the
// status bar, and messages. The main window provides it; a run sees nothing else of it.

#include "generators/common/run_inputs.h"

#include <QString>

class QObject;

namespace kit
{
class RunGuard;
}

namespace generation_ui
{

class AspxGeneratorPage;
class SolutionPanel;
class VbGeneratorPage;
struct FormState;

class RunWindow
{
public:
    virtual FormState& form() = 0;
    virtual kit::RunGuard& runGuard() = 0;
    virtual VbGeneratorPage& vbPage() = 0;
    virtual AspxGeneratorPage& aspxPage() = 0;
    virtual SolutionPanel& solutionPanel() = 0;
    // What a run reads of the window's values, as a snapshot. An edit page reads no chosen
    // tables, and a solution makes one page per table: it leaves the list out.
    virtual generators::RunInputs runInputs(bool withChosenTables = true) const = 0;
    virtual bool solutionDialogVisible() const = 0;
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
