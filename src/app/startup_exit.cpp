// Start-up (Form_Load) and Exit (fin_Click) of the main window, and the history file.

#include "app/aspx_generator_page.h"
#include "app/colour_look.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/solution_panel.h"
#include "app/vb_generator_page.h"
#include "connection/connection_page.h"
#include "platform/folders.h"
#include "platform/settings_store.h"

#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

namespace app
{

namespace
{

const QString kApplication = QStringLiteral("kvl_net");

QString stored(const platform::settings::Store& store, const char* section, const char* key)
{
    return store.get(kApplication, QString::fromLatin1(section), QString::fromLatin1(key));
}

void save(platform::settings::Store& store, const char* section, const char* key, const QString& value)
{
    store.save(kApplication, QString::fromLatin1(section), QString::fromLatin1(key), value);
}

// A stored tick: "0" unticked, "1" ticked; anything else leaves the tick as it is.
void restoreTick(bool& tick, const QString& value)
{
    bool ok = false;
    const int state = value.toInt(&ok);
    if (ok && (state == 0 || state == 1))
        tick = state == 1;
}

QString tickValue(bool tick)
{
    return tick ? QStringLiteral("1") : QStringLiteral("0");
}

QString historyPath()
{
    return platform::programFolder() + QLatin1Char('/') + QString::fromLatin1(kHistoryFileName);
}

} // namespace

QPoint centredOrigin(const QSize& screen, const QSize& window)
{
    const float top = float(screen.height()) / 2.0f - float(window.height()) / 2.0f;
    const float left = float(screen.width()) / 2.0f - float(window.width()) / 2.0f;
    return QPoint(left < 0 ? 0 : int(left), top < 0 ? 0 : int(top));
}

void MainWindow::Form_Load()
{
    const platform::settings::Store& store = session_.settings();

    // Colour look, style-sheet path, project name.
    bool ok = false;
    const int look_style = stored(store, "style", "s").toInt(&ok);
    if (ok)
        form().look_style = look_style;
    solution->setStyleSheetPath(stored(store, "style", "stcss"));
    aspxGenerator->setProjectName(stored(store, "sn", "s"));

    // Status panels: not connected, the time, the current folder.
    setStatusPanel(1, QString::fromLatin1(kNotConnected));
    setStatusPanel(2, QDateTime::currentDateTime().toString(QStringLiteral("dd-MM-yyyy hh:mm:ss")));
    setStatusPanel(3, QDir::currentPath());

    // No tick during the start-up, whose colour pass yields.
    Timer2->stop();

    // Centred on the screen.
    if (const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen())
        move(centredOrigin(display->geometry().size(), frameGeometry().size()));

    // Caption.
    setWindowTitle(QStringLiteral("Quillmere " QUILLMERE_VERSION));

    // Save Password boxes, provider, output folder.
    connection::ConnectionPage::KeptChoices kept = connectionPage->keptChoices();
    restoreTick(kept.saveOraclePassword, stored(store, "c1", "c1"));
    restoreTick(kept.saveSqlServerPassword, stored(store, "sc1", "sc1"));
    kept.provider = stored(store, "access", "spro");
    if (kept.provider.isEmpty())
        kept.provider = QStringLiteral("SQLOLEDB.1");
    connectionPage->restoreKeptChoices(kept);
    vbGenerator->setOutputFolder(stored(store, "access", "pn"));
    if (vbGenerator->outputFolder().isEmpty())
        vbGenerator->setOutputFolder(platform::withTrailingSeparator(platform::programFolder()));

    // Colour pass.
    apply_look(this, form().look_style);

    // First preview tab, Connection page (the type tables are constants the form refers to).
    vvbg_Click(0);
    Command_Click(2);

    // History lists.
    readHistory();

    // Clock and arrow animation.
    Timer2->start(kTimerInterval);
}

void MainWindow::fin_Click(int)
{
    QDir::setCurrent(platform::programFolder());
    writeHistory();
    platform::settings::Store& store = session_.settings();
    const connection::ConnectionPage::KeptChoices kept = connectionPage->keptChoices();
    save(store, "c1", "c1", tickValue(kept.saveOraclePassword));
    save(store, "sc1", "sc1", tickValue(kept.saveSqlServerPassword));
    save(store, "access", "spro", kept.provider);
    save(store, "access", "pn", vbGenerator->outputFolder());
    save(store, "sn", "s", aspxGenerator->projectName());
    program_.endProgram();
}

void MainWindow::readHistory()
{
    QDir::setCurrent(platform::programFolder());
    connectionPage->setHistoryLists({});
    const HistoryRead read = readHistoryFile(historyPath());
    historyReadable_ = read.readable;
    historyOriginals_ = read.originals;
    connectionPage->setHistoryLists(read.lists);
}

HistoryLists MainWindow::historyLists() const
{
    return connectionPage->historyLists();
}

void MainWindow::writeHistory()
{
    // A file that could not be read at start-up keeps its entries.
    if (!historyReadable_)
        return;
    QDir::setCurrent(platform::programFolder());
    writeHistoryFile(historyPath(), historyLists(), historyOriginals_);
}

void MainWindow::stcss_Change()
{
    save(session_.settings(), "style", "stcss", solution->styleSheetPath());
}

} // namespace app
