#pragma once
// A running program against its own temporary program folder and settings store, with the
// message boxes captured instead of shown.

#include "app/main_window.h"
#include "app/program.h"
#include "support/temp_home.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QStringList>
#include <memory>

class WindowFixture
{
public:
    WindowFixture() { QDir().mkpath(home_.programFolder()); }
    ~WindowFixture()
    {
        program_.reset();
        flushDeletes();
    }

    void start()
    {
        program_ = std::make_unique<app::Program>();
        program_->session().messages().setSink([this](const QString& text) { messages.append(text); });
        program_->setEndStep([] {});
        program_->start();
    }

    app::Program& program() { return *program_; }
    app::MainWindow& window() { return *program_->window(); }
    const testsupport::TempHome& home() const { return home_; }

    template <class T> T* find(const QString& name) { return window().findChild<T*>(name); }

    // Lets windows unloaded with deleteLater go.
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QStringList messages;

private:
    testsupport::TempHome home_;
    std::unique_ptr<app::Program> program_;
};
