// Start-up (Form_Load) and Exit (fin_Click) of the main window, and the history file.

#include "app/colour_look.h"
#include "app/main_window.h"
#include "app/program.h"
#include "app/screen_fit.h"
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
    // What the window manager adds around the window; nothing is known of it before it
    // has framed the window.
    const QSize frame = frameRoom(this);
    resize(fittedWindowSize(designedSize_, available.size(), frame));
    move(fittedOrigin(available, size() + frame));
}

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (fittedAfterShow_)
        return;
    fittedAfterShow_ = true;
    // Once the window manager has framed the window, a frame that pushes it past the
    // screen's edge has it fitted again.
    new FrameFit(this, [this] { fitToScreen(); });
}

void MainWindow::Form_Load()
{
    const platform::settings::Store& store = session_.settings();

    // Colour look, style-sheet path, project name.
    bool ok = false;
    const int look_style = stored(store, platform::settings::kLook).toInt(&ok);
    if (ok)
        form().look_style = look_style;
    session_.restoreProjectChoices();

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
    session_.restoreConnectionChoices();

    // Colour pass.
    apply_look(this, form().look_style);

    // First preview tab, Connection page (the type tables are constants the form refers to).
    vvbg_Click(0);
    showConnectionPage();

    // History lists.
    readHistory();

    // Clock and arrow animation.
    Timer2->start(kTimerInterval);
}

void MainWindow::fin_Click(int)
{
    QDir::setCurrent(platform::programFolder());
    writeHistory();
    session_.saveChoices();
    program_.endProgram();
}

void MainWindow::readHistory()
{
    QDir::setCurrent(platform::programFolder());
    session_.showHistory({});
    const connection::HistoryRead read = connection::readHistoryFile(historyPath());
    historyReadable_ = read.readable;
    historyOriginals_ = read.originals;
    session_.showHistory(read.lists);
}

connection::HistoryLists MainWindow::historyLists() const
{
    return session_.historyLists();
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
    session_.styleSheetEdited();
}

} // namespace app
