#pragma once
// What the pages of the running program share, and the rules that cross pages. It
// outlives the main window: unloading the window and showing it again rebuilds the
// pages, which attach themselves anew, while the form values and the run guard keep
// their state.

#include "app/form_state.h"
#include "kit/action_guard.h"
#include "kit/file_chooser.h"
#include "platform/settings_store.h"
#include "platform/user_feedback.h"

#include <QPointer>

namespace browser
{
class DataBrowserPage;
}
namespace cssbuilder
{
class CssBuilderWindow;
}
namespace connection
{
class ConnectionPage;
struct KindValues;
} // namespace connection

namespace app
{

class AspxGeneratorPage;
class VbGeneratorPage;

struct Pages {
    QPointer<browser::DataBrowserPage> dataBrowser;
    QPointer<VbGeneratorPage> vbGenerator;
    QPointer<connection::ConnectionPage> connection;
    QPointer<AspxGeneratorPage> aspxGenerator;
};

class Session
{
public:
    FormState& form() { return form_; }
    const FormState& form() const { return form_; }
    kit::RunGuard& runGuard() { return runGuard_; }
    // How the pages ask for a file; empty, they show the file dialog.
    kit::FileChooser& fileChooser() { return fileChooser_; }
    // Where the windows' messages go: message boxes, or the sink a test sets.
    platform::Messages& messages() { return messages_; }
    // The settings store the windows save through.
    platform::settings::Store& settings() { return settings_; }
    // Catalogue requests and column discovery on the session's connection and data
    // controls give up after `limit` (tests shorten it).
    void setCatalogueTimeLimit(std::chrono::milliseconds limit);
    // The style-sheet builder while it is open: one at a time, whichever main window opened it.
    QPointer<cssbuilder::CssBuilderWindow>& builderWindow() { return builderWindow_; }

    void attach(const Pages& pages) { pages_ = pages; }

    // What a Connect sets beside the connection: the connection string for generated
    // code, the connection kind's words for the generators, the stored-procedure box
    // (Oracle only) and, for some kinds, the class prefix.
    void applyConnectionKind(const connection::KindValues& values);
    // Select Schema proposes the schema's name as the class prefix.
    void proposeSchemaPrefix(const QString& schema);
    // After a catalogue read: the generator pages list the browser's tables, none chosen.
    void after_connect();

private:
    FormState form_;
    kit::RunGuard runGuard_;
    kit::FileChooser fileChooser_;
    platform::settings::Store settings_;
    platform::Messages messages_;
    QPointer<cssbuilder::CssBuilderWindow> builderWindow_;
    Pages pages_;
};

} // namespace app
