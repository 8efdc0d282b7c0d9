// Start-up (Form_Load) and Exit (fin_Click) of the main window, and the history file.

#include "app/aspx_generator_page.h"
#include "app/colour_look.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/screen_fit.h"
#include "app/solution_panel.h"
#include "app/vb_generator_page.h"
#include "connection/connection_page.h"
#include "platform/dropped_status.h"
#include "platform/folders.h"
#include "platform/settings_keys.h"
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

using platform::settings::Key;

QString stored(const platform::settings::Store& store, const Key& key)
{
    return store.get(platform::settings::kProgram, key.sectionName(), key.keyName());
}

void save(platform::settings::Store& store, const Key& key, const QString& value)
{
    store.save(platform::settings::kProgram, key.sectionName(), key.keyName(), value);
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
    return platform::programFolder() + QLatin1Char('/') + QString::fromLatin1(connection::kHistoryFileName);
}

} // namespace

QPoint centredOrigin(const QSize& screen, const QSize& window)
{
    const float top = float(screen.height()) / 2.0f - float(window.height()) / 2.0f;
    const float left = float(screen.width()) / 2.0f - float(window.width()) / 2.0f;
    return QPoint(left < 0 ? 0 : int(left), top < 0 ? 0 : int(top));
}

void MainWindow::fitToScreen()
{
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!display)
        return;
    const QRect available = display->availableGeometry();
    // What the window manager adds around the window; nothing is known of it before the
    // first show.
    const QSize frame = frameGeometry().size() - size();
    resize(fittedWindowSize(designedSize_, available.size(), frame));
    move(fittedOrigin(available, frameGeometry().size()));
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (fittedAfterShow_)
        return;
    fittedAfterShow_ = true;
    // Once shown, the frame is known: a window that it pushes past the screen's edge is
    // fitted again.
    QTimer::singleShot(0, this, [this] {
        const QScreen* display = screen();
        if (display && !display->availableGeometry().contains(frameGeometry()))
            fitToScreen();
    });
}

void MainWindow::Form_Load()
{
    const platform::settings::Store& store = session_.settings();

    // Colour look, style-sheet path, project name.
    bool ok = false;
    const int look_style = stored(store, platform::settings::kLook).toInt(&ok);
    if (ok)
        form().look_style = look_style;
    solution->setStyleSheetPath(stored(store, platform::settings::kStyleSheet));
    aspxGenerator->setProjectName(stored(store, platform::settings::kProjectName));

    // Status panels: not connected, the time, the current folder.
    setStatusPanel(1, QString::fromLatin1(kNotConnected));
    setStatusPanel(2, QDateTime::currentDateTime().toString(QStringLiteral("dd-MM-yyyy hh:mm:ss")));
    setStatusPanel(3, QDir::currentPath());

    // No tick during the start-up, whose colour pass yields.
    Timer2->stop();

    // Centred on the screen, within its free area.
    fitToScreen();

    // Caption.
    setWindowTitle(QStringLiteral("Quillmere " QUILLMERE_VERSION));

    // Save Password boxes, provider, output folder.
    connection::ConnectionPage::KeptChoices kept = connectionPage->keptChoices();
    restoreTick(kept.saveOraclePassword, stored(store, platform::settings::kKeepOraclePassword));
    restoreTick(kept.saveSqlServerPassword, stored(store, platform::settings::kKeepSqlServerPassword));
    kept.provider = stored(store, platform::settings::kProvider);
    if (kept.provider.isEmpty())
        kept.provider = QStringLiteral("SQLOLEDB.1");
    connectionPage->restoreKeptChoices(kept);
    vbGenerator->setOutputFolder(stored(store, platform::settings::kOutputFolder));
    if (vbGenerator->outputFolder().isEmpty())
        vbGenerator->setOutputFolder(platform::withTrailingSeparator(platform::programFolder()));

    // Colour pass.
    apply_look(this, form().look_style);

    // First preview tab, Connection page (the type tables are constants the form refers to).
    vvbg_Click(0);
    Command_Click(2);
    connectionPage->focusFirstBox();

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
    save(store, platform::settings::kKeepOraclePassword, tickValue(kept.saveOraclePassword));
    save(store, platform::settings::kKeepSqlServerPassword, tickValue(kept.saveSqlServerPassword));
    save(store, platform::settings::kProvider, kept.provider);
    save(store, platform::settings::kOutputFolder, vbGenerator->outputFolder());
    save(store, platform::settings::kProjectName, aspxGenerator->projectName());
    program_.endProgram();
}

void MainWindow::readHistory()
{
    QDir::setCurrent(platform::programFolder());
    connectionPage->setHistoryLists({});
    const connection::HistoryRead read = connection::readHistoryFile(historyPath());
    historyReadable_ = read.readable;
    historyOriginals_ = read.originals;
    connectionPage->setHistoryLists(read.lists);
}

connection::HistoryLists MainWindow::historyLists() const
{
    return connectionPage->historyLists();
}

void MainWindow::writeHistory()
{
    // A file that could not be read at start-up keeps its entries.
    if (!historyReadable_)
        return;
    QDir::setCurrent(platform::programFolder());
    QString reason;
    if (!connection::writeHistoryFile(historyPath(), historyLists(), historyOriginals_, &reason))
        platform::logDropped(QStringLiteral("Writing the history file %1").arg(historyPath()), reason);
}

void MainWindow::stcss_Change()
{
    save(session_.settings(), platform::settings::kStyleSheet, solution->styleSheetPath());
}

} // namespace app
