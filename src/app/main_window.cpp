#include "app/main_window.h"

#include "app/help_text.h"
#include "app/program.h"
#include "app/screen_fit.h"
#include "browser/data_browser_page.h"
#include "connection/connection_kinds.h"
#include "connection/connection_page.h"
#include "cssbuilder/css_builder_window.h"
#include "generation_ui/aspx_generator_page.h"
#include "generation_ui/caption_links.h"
#include "generation_ui/folder_picker.h"
#include "generation_ui/generator_steps.h"
#include "generation_ui/solution_panel.h"
#include "generation_ui/vb_generator_page.h"
#include "kit/action_guard.h"
#include "kit/controls.h"
#include "kit/look/look_rules.h"
#include "platform/colours.h"
#include "platform/settings_keys.h"
#include "platform/user_feedback.h"
#include "platform/yielding_call.h"

#include <QDateTime>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace app
{

namespace
{

// Menu buttons from the top: Connection, VB Generator, ASPX Generator, Data Browser, Css Builder.
constexpr int kMenuOrder[5] = {2, 1, 3, 0, 4};
const char* const kMenuCaptions[5] = {"Data Browser", "VB Generator", "Connection", "ASPX Generator",
                                      "Css Builder"};

// Hides the help box when its text is clicked.
class HelpClickFilter : public QObject
{
public:
    HelpClickFilter(MainWindow* window, QObject* parent) : QObject(parent), window_(window) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress) {
            window_->help_Click();
            return true;
        }
        return false;
    }

private:
    MainWindow* window_;
};

} // namespace

MainWindow::MainWindow(Session& session, Program& program)
    : QMainWindow(nullptr), session_(session), program_(program)
{
    setObjectName(QStringLiteral("fbrowse"));
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("client"));
    setCentralWidget(central);

    // The pages scroll inside the window when the screen cannot hold them; the panels that
    // float over them stay on the client area, in view.
    auto* clientLayout = new QVBoxLayout(central);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    pageScroller_ = new PageScroller(central);
    auto* area = new QWidget(pageScroller_);
    auto* outer = new QHBoxLayout(area);
    buildMenu(area);
    auto* menuColumn = new QVBoxLayout();
    for (int index : kMenuOrder)
        menuColumn->addWidget(Command[std::size_t(index)]);
    menuColumn->addStretch();
    outer->addLayout(menuColumn);
    // Tab goes down the menu as it is shown.
    for (std::size_t k = 1; k < std::size(kMenuOrder); ++k)
        setTabOrder(Command[std::size_t(kMenuOrder[k - 1])], Command[std::size_t(kMenuOrder[k])]);

    auto* right = new QVBoxLayout();
    auto* topBar = new QHBoxLayout();
    topBar->addStretch();
    look[0] = kit::pictureButton(kit::element("look", 0), QStyle::SP_DesktopIcon,
                                 QStringLiteral("System colours"), area);
    look[1] = kit::pictureButton(kit::element("look", 1), QStyle::SP_DriveNetIcon,
                                 QStringLiteral("Designed colours"), area);
    Command16 = kit::pictureButton(QStringLiteral("Command16"), QStyle::SP_MessageBoxQuestion,
                                   QStringLiteral("Help"), area);
    fin_0 = kit::pictureButton(kit::element("fin", 0), QStyle::SP_DialogCloseButton, QStringLiteral("Exit"),
                               area);
    for (QPushButton* button : {look[0], look[1], Command16, fin_0})
        topBar->addWidget(button);
    right->addLayout(topBar);

    dataBrowser = new browser::DataBrowserPage(session_.messages(), area);
    dataBrowser->attachDataControl(&connection().browserData());
    dataBrowser->attachRunGuard(&session_.runGuard());
    vbGenerator = new generation_ui::VbGeneratorPage(session_.runGuard(), area);
    connectionPage = new connection::ConnectionPage(session_.fileChooser(), session_.settings(), area);
    aspxGenerator = new generation_ui::AspxGeneratorPage(area);
    auto* pages = new QGridLayout();
    pt = {dataBrowser, vbGenerator, connectionPage, aspxGenerator, nullptr, nullptr};
    for (int k = 0; k < 4; ++k) {
        platform::setBackColor(pt[std::size_t(k)], kPageColour);
        pages->addWidget(pt[std::size_t(k)], 0, 0);
    }
    right->addLayout(pages, 1);
    outer->addLayout(right, 1);
    pageScroller_->setWidget(area);
    // The scroll area paints the page area itself; the window's own colour should show.
    area->setAutoFillBackground(false);
    clientLayout->addWidget(pageScroller_);

    // Panels that float over the pages.
    folderPicker = new generation_ui::FolderPicker(central);
    solution = new generation_ui::SolutionPanel(central);
    pt[4] = folderPicker;
    pt[5] = solution;
    session_.attach({dataBrowser, vbGenerator, connectionPage, aspxGenerator, folderPicker, solution});

    help = new QPlainTextEdit(central);
    help->setObjectName(QStringLiteral("help"));
    help->setReadOnly(true);
    help->setLineWrapMode(QPlainTextEdit::NoWrap);
    help->setPlainText(QString(helpText()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    help->viewport()->installEventFilter(new HelpClickFilter(this, help));
    help->hide();

    st1 = new QStatusBar(this);
    st1->setObjectName(QStringLiteral("st1"));
    st1->setSizeGripEnabled(false);
    for (int i = 0; i < 3; ++i) {
        panels_[std::size_t(i)] = new QLabel(st1);
        panels_[std::size_t(i)]->setObjectName(QStringLiteral("st1_%1").arg(i + 1));
        panels_[std::size_t(i)]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        st1->addWidget(panels_[std::size_t(i)], i == 2 ? 1 : 0);
    }
    panels_[0]->setMinimumWidth(280);
    panels_[1]->setMinimumWidth(140);
    // Shown while a call waits on a server that is slow to answer; beside the panels, so
    // that the clock stays in view.
    serverWait_ = new QLabel(QStringLiteral("waiting for the database server\u2026"), st1);
    serverWait_->setObjectName(QStringLiteral("serverWait"));
    serverWait_->hide();
    st1->addPermanentWidget(serverWait_);
    platform::setLongWaitNotice([window = QPointer<MainWindow>(this)](bool waiting) {
        if (window)
            window->serverWait_->setVisible(waiting);
    });
    setStatusBar(st1);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kTimerInterval);

    // No page is hidden yet, so the hint covers the widest and tallest of them: a later
    // page switch never has to grow the window away from where the start-up centred it.
    designedSize_ = QSize(1010, 740).expandedTo(sizeHint());
    resize(designedSize_);

    connectHandlers();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu(QWidget* central)
{
    for (int i = 0; i < 5; ++i) {
        Command[std::size_t(i)] =
            kit::commandButton(kit::element("Command", i), QString::fromLatin1(kMenuCaptions[i]), central);
        Command[std::size_t(i)]->setMinimumSize(120, 40);
        platform::setBackColor(Command[std::size_t(i)], kMenuColour);
    }
}

void MainWindow::connectHandlers()
{
    for (int i = 0; i < 5; ++i)
        connect(Command[std::size_t(i)], &QPushButton::clicked, this, [this, i] { Command_Click(i); });
    connect(fin_0, &QPushButton::clicked, this, [this] { fin_Click(0); });
    connect(Command16, &QPushButton::clicked, this, &MainWindow::Command16_Click);
    // The four pages, the folder picker and the solution dialog.
    for (QWidget* panel : pt)
        connect(static_cast<kit::Panel*>(panel), &kit::Panel::mouseMoved, this, &MainWindow::pt_MouseMove);

    connect(vbGenerator, &generation_ui::VbGeneratorPage::outputFolderEdited, this, &MainWindow::pn_Change);
    connect(aspxGenerator, &generation_ui::AspxGeneratorPage::outputFolderEdited, this,
            &MainWindow::pn2_Change);
    connect(aspxGenerator, &generation_ui::AspxGeneratorPage::folderPickRequested, this,
            [this] { chpth_Click(0); });
    connect(vbGenerator, &generation_ui::VbGeneratorPage::folderPickRequested, this,
            [this] { chpth_Click(1); });
    connect(folderPicker, &generation_ui::FolderPicker::okClicked, this, &MainWindow::Command9_Click);
    connect(solution, &generation_ui::SolutionPanel::styleSheetEdited, this, &MainWindow::stcss_Change);
    connect(Timer2, &QTimer::timeout, this, &MainWindow::Timer2_Timer);
    // A browser query the database refused is named in the status bar until the next
    // one runs.
    connect(dataBrowser, &browser::DataBrowserPage::queryFailed, st1,
            [this](const QString& reason) { st1->showMessage(reason); });
    connect(dataBrowser, &browser::DataBrowserPage::queryShown, st1, &QStatusBar::clearMessage);
    // A long read of rows is named while it lasts, over whatever the bar showed.
    connect(dataBrowser, &browser::DataBrowserPage::waitingText, st1,
            [this, shown = QString()](const QString& text) mutable {
                if (!text.isEmpty())
                    st1->showMessage(shown = text);
                else if (st1->currentMessage() == shown)
                    st1->clearMessage();
            });

    connect(connectionPage, &connection::ConnectionPage::connectRequested, this, &MainWindow::connectKind);
    connect(connectionPage, &connection::ConnectionPage::schemaSelectionRequested, this,
            &MainWindow::Command1_Click);
    connect(connectionPage, &connection::ConnectionPage::closeRequested, this, &MainWindow::Command6_Click);

    for (int i = 0; i < int(look.size()); ++i)
        connect(look[std::size_t(i)], &QPushButton::clicked, this, [this, i] { look_Click(i); });

    connect(vbGenerator, &generation_ui::VbGeneratorPage::generateRequested, this,
            &MainWindow::Command11_Click);
    connect(vbGenerator, &generation_ui::VbGeneratorPage::classModulesRequested, this,
            &MainWindow::Command18_Click);
    connect(aspxGenerator, &generation_ui::AspxGeneratorPage::generateRequested, this,
            &MainWindow::Command8_Click);
    connect(vbGenerator, &generation_ui::VbGeneratorPage::solutionRequested, this,
            &MainWindow::Command19_Click);
    connect(solution, &generation_ui::SolutionPanel::solutionNameEdited, vbGenerator,
            &generation_ui::VbGeneratorPage::setPrefix);
    connect(solution, &generation_ui::SolutionPanel::okClicked, this, &MainWindow::Command21_Click);
    for (kit::Panel* page : {static_cast<kit::Panel*>(vbGenerator), static_cast<kit::Panel*>(aspxGenerator)})
        connect(page, &kit::Panel::captionLinkClicked, this, &MainWindow::Etiquette6_Click);
}

void MainWindow::Command_Click(int index)
{
    if (index == 4) {
        cssbuilder::CssBuilderWindow::showBuilder(session_.builderWindow(), session_.messages());
        return;
    }
    if (index < 0 || index > 4)
        return;
    for (int k = 0; k < 5; ++k) {
        platform::setBackColor(Command[std::size_t(k)], kMenuColour);
        pt[std::size_t(k)]->hide();
    }
    platform::setBackColor(Command[std::size_t(index)], kChosenMenuColour);
    pt[std::size_t(index)]->show();
    dataBrowser->chdbc_Click(0);
}

void MainWindow::showConnectionPage()
{
    Command_Click(2);
    connectionPage->focusFirstBox();
}

void MainWindow::vvbg_Click(int index)
{
    vbGenerator->vvbg_Click(index);
}

void MainWindow::pt_MouseMove()
{
    session_.clearTabFrames();
}

void MainWindow::pn_Change()
{
    setStatusPanel(3, session_.vbOutputFolderEdited());
}

void MainWindow::pn2_Change()
{
    session_.aspxOutputFolderEdited();
}

void MainWindow::chpth_Click(int)
{
    session_.pickOutputFolder();
}

void MainWindow::Command9_Click()
{
    session_.takePickedFolder();
}

void MainWindow::Timer2_Timer()
{
    vbGenerator->animateArrows();
    setStatusPanel(2, QDateTime::currentDateTime().toString(QStringLiteral("dd-MM-yyyy hh:mm:ss")));
    // A click handled inside the tick would run its whole action there, and the clock
    // would stand still until it ended.
    platform::yieldWithoutInput();
}

void MainWindow::stopClock()
{
    Timer2->stop();
}

void MainWindow::look_Click(int index)
{
    // Rebuilding the window under a running action would pull its controls away from it.
    kit::ActionGuard guard(session_.runGuard());
    if (!guard)
        return;
    switch (kit::look::decideLookSwitch(index, form().look_style, !showsNotConnected())) {
    case kit::look::LookSwitch::Nothing:
        return;
    case kit::look::LookSwitch::Refuse:
        showMessage(QString::fromLatin1(kit::look::refusalText));
        return;
    case kit::look::LookSwitch::Switch:
        session_.settings().save(platform::settings::kProgram, platform::settings::kLook.sectionName(),
                                 platform::settings::kLook.keyName(), QString::number(index));
        reloadWindow();
        return;
    }
}

void MainWindow::connectKind(const connection::KindValues& values)
{
    // The catalogue read yields, so a second Connect, Select Schema, Close Connexion or
    // look switch could run in the middle of it: they are refused until it ends.
    kit::ActionGuard guard(session_.runGuard());
    if (!guard)
        return;
    const QPointer<MainWindow> alive(this);
    connection().setString(values.db_cnxstr);
    setStatusPanel(1, values.panel);
    connect_db();
    if (!alive)
        return;

    session_.applyConnectionKind(values);
    if (!connection().connected())
        return;
    if (values.kind != connection::Kind::oracle)
        Command_Click(1);
    session_.showConnected(values.kind);
}

void MainWindow::connect_db()
{
    const QPointer<MainWindow> alive(this);
    if (session_.readCatalogue() == Session::CatalogueRead::NotOpened && alive)
        showNotConnected();
}

void MainWindow::Command1_Click()
{
    kit::ActionGuard guard(session_.runGuard());
    if (!guard)
        return;
    const QPointer<MainWindow> alive(this);
    if (!session_.readSchemaTables() || !alive)
        return;
    Command_Click(1);
    session_.showTablesToChoose();
    platform::setWaitCursor(false);
}

void MainWindow::Command6_Click()
{
    kit::ActionGuard guard(session_.runGuard());
    if (!guard)
        return;
    if (showsNotConnected()) {
        showMessage(QStringLiteral("Not connected"));
        return;
    }
    connection().close();
    reloadWindow();
}

void MainWindow::Command11_Click()
{
    generation_ui::generateVbNetFiles(*this);
}

void MainWindow::Command18_Click()
{
    generation_ui::generateClassModules(*this);
}

void MainWindow::Command8_Click()
{
    generation_ui::generateEditPage(*this);
}

void MainWindow::Command19_Click()
{
    session_.openSolutionDialog();
}

void MainWindow::Command21_Click()
{
    generation_ui::generateSolution(*this);
}

void MainWindow::Etiquette6_Click(int index)
{
    const std::optional<generation_ui::CaptionLink> link = generation_ui::captionLink(index);
    if (!link)
        return;
    switch (*link) {
    case generation_ui::CaptionLink::VbNetRun:
        Command11_Click();
        return;
    case generation_ui::CaptionLink::ClassModules:
        Command18_Click();
        return;
    case generation_ui::CaptionLink::AspxPage:
        Command8_Click();
        return;
    case generation_ui::CaptionLink::SolutionDialog:
        Command19_Click();
        return;
    }
}

QString MainWindow::statusPanel(int panel) const
{
    return panel >= 1 && panel <= 3 ? panels_[std::size_t(panel - 1)]->text() : QString();
}

bool MainWindow::waitingOnServerShown() const
{
    return !serverWait_->isHidden();
}

void MainWindow::setStatusPanel(int panel, const QString& text)
{
    if (panel >= 1 && panel <= 3)
        panels_[std::size_t(panel - 1)]->setText(text);
}

bool MainWindow::showsNotConnected() const
{
    return statusPanel(1) == QLatin1String(kNotConnected);
}

void MainWindow::showNotConnected()
{
    setStatusPanel(1, QString::fromLatin1(kNotConnected));
}

void MainWindow::reloadWindow()
{
    program_.reloadMainWindow();
}

} // namespace app
