#pragma once
// What the pages of the running program share, and the rules that cross pages. It
// outlives the main window: unloading the window and showing it again rebuilds the
// pages, which attach themselves anew, while the form values and the run guard keep
// their state. A page never reaches into another page's widgets; what one page's
// change does to the others is a method here.

#include "generation_ui/form_state.h"
#include "generation_ui/run_snapshot.h"
#include "generation_ui/session_connection.h"
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
struct HistoryLists;
struct KindValues;
enum class Kind;
} // namespace connection

namespace generation_ui
{
class AspxGeneratorPage;
class FolderPicker;
class SolutionPanel;
class VbGeneratorPage;
} // namespace generation_ui

namespace app
{

// The pages of the main window that shows now, and the panels that float over them.
struct Pages {
    QPointer<browser::DataBrowserPage> dataBrowser;
    QPointer<generation_ui::VbGeneratorPage> vbGenerator;
    QPointer<connection::ConnectionPage> connection;
    QPointer<generation_ui::AspxGeneratorPage> aspxGenerator;
    QPointer<generation_ui::FolderPicker> folderPicker;
    QPointer<generation_ui::SolutionPanel> solution;
};

class Session
{
public:
    generation_ui::FormState& form() { return form_; }
    const generation_ui::FormState& form() const { return form_; }
    generation_ui::SessionConnection& connection() { return connection_; }
    const generation_ui::SessionConnection& connection() const { return connection_; }
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

    // Start-up and Exit: the choices kept in the settings store. The solution's style sheet
    // and project name; the Save Password boxes, the provider and the output folder.
    void restoreProjectChoices();
    void restoreConnectionChoices();
    void saveChoices();
    // The style-sheet path was edited in the solution dialog.
    void styleSheetEdited();
    // The connection lists shown and remembered by the Connection page.
    void showHistory(const connection::HistoryLists& lists);
    connection::HistoryLists historyLists() const;

    // Connecting. What a Connect sets beside the connection: the connection string for
    // generated code, the connection kind's words for the generators, the stored-procedure
    // box (Oracle only) and, for some kinds, the class prefix.
    void applyConnectionKind(const connection::KindValues& values);
    enum class CatalogueRead { Read, NotOpened, PagesGone };
    // Opens the connection and reads the tables and schemas of the catalogue into the
    // Data Browser's table list and the Connection page's schema box. The read yields;
    // PagesGone tells that the window went away meanwhile.
    CatalogueRead readCatalogue();
    // Select Schema: the chosen schema's tables only, and its name proposed as the class
    // prefix. False when the connection is not open or the window went away.
    bool readSchemaTables();
    // After a catalogue read: the generator pages list the browser's tables, none chosen.
    void after_connect();
    // after_connect, then the focus where the next step is.
    void showTablesToChoose();
    // What a successful Connect of `kind` leaves on the pages, the page switch aside.
    void showConnected(connection::Kind kind);

    // The output folder: the VB and ASPX pages show the same one. Returns the folder
    // after an edit on the VB page, for the status bar.
    QString vbOutputFolderEdited();
    void aspxOutputFolderEdited();
    // The folder picker opens at the output folder; its Ok takes the folder it lists.
    void pickOutputFolder();
    void takePickedFolder();
    // The solution dialog opens on the class prefix and the output folder.
    void openSolutionDialog();
    bool solutionDialogVisible() const;

    // What a generation run reads of the pages and the form values, as it starts.
    generation_ui::RunSnapshot runSnapshot() const;

    // The hover frames of the tabs go when the mouse moves over a page.
    void clearTabFrames();

private:
    // The start of a catalogue read: the busy pointer, the row counter shown empty and no
    // record count on the browser.
    void startScan();
    // Shows the phase of the read and yields; false when the pages went away meanwhile.
    bool showPhase(const QString& phase);
    bool pagesAlive() const;

    generation_ui::FormState form_;
    generation_ui::SessionConnection connection_;
    kit::RunGuard runGuard_;
    kit::FileChooser fileChooser_;
    platform::settings::Store settings_;
    platform::Messages messages_;
    QPointer<cssbuilder::CssBuilderWindow> builderWindow_;
    Pages pages_;
};

} // namespace app
