#pragma once
// The running program: owns the form-level values and the main window, rebuilds the
// window when it is unloaded and shown again, and ends the program at Exit.

#include "app/session.h"

#include <QObject>
#include <QPointer>
#include <functional>

namespace app
{

class MainWindow;

class Program : public QObject
{
    Q_OBJECT
public:
    Program();
    ~Program() override;

    Session& session() { return session_; }
    MainWindow* window() const;

    // Builds the main window, runs its start-up and shows it.
    void start();
    // Unloads the main window and shows a new one; nothing is saved.
    void reloadMainWindow();
    // Ends the program at once: every window closes and the process ends without
    // returning, so nothing that was running goes on. Tests replace the step.
    void endProgram();
    void setEndStep(std::function<void()> step) { endStep_ = std::move(step); }
    // Called when the event loop has returned (the window was closed by its frame). A call
    // left behind at its time limit may still be inside a driver, whose own clean-up at
    // exit it would race: the program then ends as Exit ends it, without exit handlers.
    // Otherwise returns the loop's code, for a normal return from main.
    int afterEventLoop(int code);

private:
    Session session_;
    QPointer<MainWindow> window_;
    std::function<void()> endStep_;
};

} // namespace app
