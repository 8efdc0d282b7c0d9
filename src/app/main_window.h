#pragma once
// The main window fbrowse: the page menu, the four pages, the floating folder picker
// and solution dialog, the help box, the status bar and the clock timer. What the
// pages share lives in the session, outside the widgets, so that unloading the window
// and showing it again keeps it.

#include "app/session.h"
#include "connection/history_file.h"
#include "generation_ui/run_window.h"

#include <QMainWindow>
#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTimer;

namespace browser
{
class DataBrowserPage;
}
namespace connection
{
class ConnectionPage;
struct KindValues;
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

class PageScroller;
class Program;

// Menu colours.
inline constexpr quint32 kMenuColour = 0xFFFFC0;
inline constexpr quint32 kChosenMenuColour = 0xFFFF00;
inline constexpr quint32 kPageColour = 0xE4FEFC;
inline constexpr int kTimerInterval = 500;
inline constexpr char kNotConnected[] = "Not connected";

// Handlers come in one shape. A page's own buttons and boxes are members of the page; the
// window-wide actions below are members of the window, wired in connectHandlers. What an
// action does across pages is a Session method; a generation run is a function of the
// generator pages over the RunWindow the window provides. Only main_window.cpp reaches
// the pages themselves.
class MainWindow : public QMainWindow, public generation_ui::RunWindow
{
    Q_OBJECT
public:
    MainWindow(Session& session, Program& program);
    ~MainWindow() override;

    Session& session() { return session_; }
    generation_ui::FormState& form() { return session_.form(); }
    const generation_ui::FormState& form() const { return session_.form(); }
    generation_ui::SessionConnection& connection() override { return session_.connection(); }
    const generation_ui::SessionConnection& connection() const { return session_.connection(); }
    Program& program() { return program_; }

    // The clock stops for good: the window is being put to rest.
    void stopClock();

    // A message for the user, over this window.
    void showMessage(const QString& text) override { session_.messages().show(text, this); }

    // Status panels 1 (connection), 2 (clock), 3 (folder).
    QString statusPanel(int panel) const;
    // Whether the status bar says that the window waits on the database server.
    bool waitingOnServerShown() const;
    void setStatusPanel(int panel, const QString& text);

    // Start-up and Exit.
    void Form_Load();
    void fin_Click(int index);

    // Page menu, preview tabs, help, colour looks.
    void Command_Click(int index);
    void vvbg_Click(int index);
    void pt_MouseMove();
    void Command16_Click();
    void help_Click();
    void look_Click(int index);

    // The Connection page's requests: a Connect of one kind, the catalogue read it makes,
    // Select Schema and Close Connexion.
    void connectKind(const connection::KindValues& values);
    void connect_db();
    void Command1_Click();
    void Command6_Click();

    // Output folder and folder picker.
    void pn_Change();
    void pn2_Change();
    void chpth_Click(int index);
    void Command9_Click();

    void Timer2_Timer();
    void stcss_Change();

    // The generate buttons: "Generate VB.Net Files!", "VB6 Classes only!", "Generate ASPX!",
    // "Generate Solution!" (which opens the solution dialog) and the dialog's Ok; and the
    // caption links beside them.
    void Command11_Click();
    void Command18_Click();
    void Command8_Click();
    void Command19_Click();
    void Command21_Click();
    void Etiquette6_Click(int index);

    // History file: read at start-up into db, adb, ocnx, sdb; written at Exit.
    void readHistory();
    void writeHistory();
    connection::HistoryLists historyLists() const;
    bool historyReadable() const { return historyReadable_; }

    // What a generation run works from, read as it starts.
    generation_ui::RunSnapshot snapshot() const override { return session_.runSnapshot(); }
    bool solutionDialogVisible() const override;
    // Unloads the window and shows it again; the start-up runs anew.
    void reloadWindow();

private:
    void buildMenu(QWidget* central);
    // The Connection page shown, the focus in its first box.
    void showConnectionPage();

    // What the generator runs reach of the window (main_window_runs.cpp).
    kit::RunGuard& runGuard() override { return session_.runGuard(); }
    void clearPreview(int index) override;
    void appendPreview(int index, QString text) override;
    void showPreviewTab(int index) override;
    void setProgressVisible(bool visible) override;
    void setProgressValue(double value) override;
    double progressValue() const override;
    void setProgressMaximum(double maximum) override;
    double progressMaximum() const override;
    void showSolutionProject(const QString& projectName) override;
    void showDataLayerFolder(const QString& folder) override;
    void showPagesFolder(const QString& folder) override;
    void showPageTable(const QString& table) override;
    void showSolutionStep(const QString& text) override;
    void hideSolutionDialog() override;
    void showEditPageStep(const QString& text) override;
    bool showsNotConnected() const override;
    void showNotConnected() override;
    QObject& windowObject() override { return *this; }

    // Pages and panels, pt(0..5).
    browser::DataBrowserPage* dataBrowser = nullptr;           // pt(0)
    generation_ui::VbGeneratorPage* vbGenerator = nullptr;     // pt(1)
    connection::ConnectionPage* connectionPage = nullptr;      // pt(2)
    generation_ui::AspxGeneratorPage* aspxGenerator = nullptr; // pt(3)
    generation_ui::FolderPicker* folderPicker = nullptr;       // pt(4)
    generation_ui::SolutionPanel* solution = nullptr;          // pt(5)

    std::array<QWidget*, 6> pt{};
    std::array<QPushButton*, 5> Command{}; // page menu
    QPushButton* fin_0 = nullptr;          // Exit
    std::array<QPushButton*, 2> look{};    // colour looks
    QPushButton* Command16 = nullptr;      // help button
    QPlainTextEdit* help = nullptr;
    QTimer* Timer2 = nullptr;
    QStatusBar* st1 = nullptr;
    PageScroller* pageScroller_ = nullptr;
    QSize designedSize_;
    bool fittedAfterShow_ = false;

    void connectHandlers();
    // Sizes and places the window within the free area of its screen.
    void fitToScreen();

protected:
    void showEvent(QShowEvent* event) override;

private:
    Session& session_;
    Program& program_;
    std::array<QLabel*, 3> panels_{};
    QLabel* serverWait_ = nullptr;
    // Nothing is written back until the start-up has read the file.
    bool historyReadable_ = false;
    connection::HistoryOriginals historyOriginals_;
};

// Where the window's top-left corner goes to be centred on the screen, never negative.
QPoint centredOrigin(const QSize& screen, const QSize& window);

} // namespace app
