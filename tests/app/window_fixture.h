#pragma once
// A running program against its own temporary program folder and settings store, with the
// message boxes captured instead of shown.

#include "app/main_window.h"
#include "app/program.h"
#include "platform/user_feedback.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

class WindowFixture {
public:
    WindowFixture()
    {
        qputenv("QUILLMERE_HOME", home_.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", config_.path().toUtf8());
        platform::setMessageSink([this](const QString& text) { messages.append(text); });
    }
    ~WindowFixture()
    {
        program_.reset();
        platform::setMessageSink({});
    }

    void start()
    {
        program_ = std::make_unique<app::Program>();
        program_->setEndStep([] {});
        program_->start();
    }

    app::Program& program() { return *program_; }
    app::MainWindow& window() { return *program_->window(); }
    QString home() const { return home_.path(); }

    template <class T> T* find(const QString& name) { return window().findChild<T*>(name); }

    // Lets windows unloaded with deleteLater go.
    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    QStringList messages;

private:
    QTemporaryDir home_;
    QTemporaryDir config_;
    std::unique_ptr<app::Program> program_;
};
