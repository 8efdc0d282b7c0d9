// The Data Browser over a 1,000,000-row table of five columns, on SQLite and on the test
// PostgreSQL server (when QUILLMERE_PG_HOST/_PORT/_USER name one): open, export, sort,
// value filter, each through the page's own buttons, its data control and grid model.
// For each: the time until the grid has its first rows, the time until the record count
// shows, and the growth of the process's peak memory during the action. Then Ctrl+End and
// the scroll bar dragged to its end: the time until the last row shows, and the memory.

#include "browser/data_browser_page.h"
#include "platform/ado/ado.h"
#include "platform/user_feedback.h"
#include "support/fixture_db.h"
#include "support/page_controls.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <malloc.h>

namespace
{

constexpr int kRows = 1000000;

const char* const kSqliteScript =
    "CREATE TABLE big (id INTEGER PRIMARY KEY, name VARCHAR(40), amount NUMERIC(12,2), day DATE, grp "
    "INTEGER);\n"
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000)\n"
    "INSERT INTO big SELECT i, 'name ' || i, i * 1.5, date('2020-01-01', '+' || (i % 1500) || ' days'), i % "
    "7 "
    "FROM n;\n";

const char* const kPgScript =
    "CREATE TABLE big (id integer PRIMARY KEY, name varchar(40), amount numeric(12,2), day date, grp "
    "integer);\n"
    "INSERT INTO big SELECT i, 'name ' || i, i * 1.5, date '2020-01-01' + (i % 1500), i % 7 "
    "FROM generate_series(1, 1000000) i;\n"
    "ANALYZE big;\n";

// A line of /proc/self/status, in kB.
long statusKb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(qstrlen(key)).trimmed().split(' ').first().toLong();
    }
    return 0;
}

// Starts a new peak: the kernel's high-water mark falls back to the present size.
void resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

struct Figures {
    double firstRowsMs = -1;
    double countMs = 0;
    double peakGrowthMb = 0;
};

Figures measure(browser::DataBrowserPage& page, const std::function<void()>& action)
{
    QCoreApplication::processEvents();
    // Memory freed by the last action goes back to the system first, so that it cannot
    // hide what this one takes.
    malloc_trim(0);
    resetPeak();
    const long before = statusKb("VmRSS:");
    Figures figures;
    QElapsedTimer timer;
    const auto shown = QObject::connect(&page, &browser::DataBrowserPage::queryShown,
                                        [&] { figures.firstRowsMs = double(timer.nsecsElapsed()) / 1e6; });
    timer.start();
    action();
    figures.countMs = double(timer.nsecsElapsed()) / 1e6;
    QObject::disconnect(shown);
    figures.peakGrowthMb = double(statusKb("VmHWM:") - before) / 1024.0;
    return figures;
}

void report(const char* database, const char* action, const Figures& f, const QString& count, int gridRows)
{
    std::printf("%-10s  %-22s  first rows %8.0f ms  count %8.0f ms  peak +%6.1f MB  nr=%s grid=%d\n",
                database, action, f.firstRowsMs, f.countMs, f.peakGrowthMb, qPrintable(count), gridRows);
}

bool runOn(const char* database, const QString& connectionString, const platform::Messages& messages)
{
    QTemporaryDir exportDir;
    platform::ado::DataControl data2;
    data2.setConnectionString(connectionString);
    browser::DataBrowserPage page(messages);
    page.attachDataControl(&data2);
    page.setExportFolder(exportDir.path());
    const testsupport::BrowserPageControls ui(&page);
    QString exported;
    page.setSpreadsheetOpener([&](const QString& path) {
        exported = path;
        return true;
    });
    ui.t->addItems({QStringLiteral("big")});
    page.resize(1000, 700);
    page.show();
    QStringList failures;
    QObject::connect(&page, &browser::DataBrowserPage::queryFailed,
                     [&](const QString& reason) { failures << reason; });

    const auto rows = [&] { return ui.ss2->model()->rowCount(); };
    ui.t->setCurrentRow(0);
    Figures f = measure(page, [&] { ui.Command2->click(); });
    report(database, "open", f, ui.nr->text(), rows());
    bool countRight = ui.nr->text() == QString::number(kRows);

    f = measure(page, [&] { ui.Command4->click(); });
    std::printf("%-10s  %-22s  written  %8.0f ms                    peak +%6.1f MB  %.1f MB workbook\n",
                database, "export, every row", f.countMs, f.peakGrowthMb,
                double(QFileInfo(exported).size()) / 1e6);

    ui.c->setText(QStringLiteral("name"));
    f = measure(page, [&] { ui.c_srt[1]->click(); });
    report(database, "sort desc (no index)", f, ui.nr->text(), rows());

    ui.c->setText(QStringLiteral("id"));
    f = measure(page, [&] { ui.c_srt[1]->click(); });
    report(database, "sort desc (key)", f, ui.nr->text(), rows());

    ui.c->setText(QStringLiteral("name"));
    ui.v->setText(QStringLiteral("99"));
    ui.s1[2]->setChecked(true);
    f = measure(page, [&] { ui.Command7->click(); });
    report(database, "filter contains '99'", f, ui.nr->text(), rows());

    // Ctrl+End and the scroll bar dragged to its end, on the rows in key order (a query
    // without an order has none that the database keeps from one statement to the next):
    // the time until the last row shows its values, the window handling events meanwhile.
    const auto lastRowShown = [&] {
        const QModelIndex last = ui.ss2->model()->index(rows() - 1, 0);
        return rows() == kRows && last.data().toString() == QString::number(kRows);
    };
    const auto untilLastRow = [&] {
        QElapsedTimer waited;
        waited.start();
        while (!lastRowShown() && waited.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    };
    const auto reachEnd = [&](const char* action, const std::function<void()>& move) {
        ui.c->setText(QStringLiteral("id"));
        ui.c_srt[0]->click();
        ui.ss2->setFocus();
        f = measure(page, [&] {
            move();
            untilLastRow();
        });
        std::printf("%-10s  %-22s  shown    %8.0f ms                    peak +%6.1f MB  %s\n", database,
                    action, f.countMs, f.peakGrowthMb, lastRowShown() ? "last row shown" : "NOT SHOWN");
        return lastRowShown();
    };
    countRight = reachEnd("Ctrl+End",
                          [&] {
                              QKeyEvent press(QEvent::KeyPress, Qt::Key_End, Qt::ControlModifier);
                              QCoreApplication::sendEvent(ui.ss2, &press);
                          }) &&
                 countRight;
    countRight =
        reachEnd("scroll bar to its end",
                 [&] { ui.ss2->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum); }) &&
        countRight;

    if (!failures.isEmpty() || !countRight) {
        std::fprintf(stderr, "bench_browser: %s went wrong: %s\n", database,
                     qPrintable(failures.join(QLatin1String("; "))));
        return false;
    }
    return true;
}

QString writeScript(const QTemporaryDir& dir, const char* name, const char* text)
{
    const QString path = dir.filePath(QLatin1String(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) < 0)
        return {};
    return path;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QStringList messages;
    const platform::Messages messageBoxes([&](const QString& text) { messages << text; });
    QTemporaryDir dir;

    std::printf("building the %d-row tables...\n", kRows);
    std::fflush(stdout);
    const QString sqlite =
        testsupport::sqliteFixture(writeScript(dir, "big_sqlite.sql", kSqliteScript), dir.path());
    if (sqlite.isEmpty()) {
        std::fprintf(stderr, "bench_browser: the SQLite table could not be built\n");
        return 1;
    }
    bool ok = runOn("SQLite", sqlite, messageBoxes);
    if (testsupport::pgAvailable()) {
        const QString pg = testsupport::pgFixture(writeScript(dir, "big_pg.sql", kPgScript));
        ok = !pg.isEmpty() && runOn("PostgreSQL", pg, messageBoxes) && ok;
    } else {
        std::printf("PostgreSQL: no test server named, skipped\n");
    }
    if (!messages.isEmpty())
        std::fprintf(stderr, "bench_browser: messages: %s\n", qPrintable(messages.join(QLatin1String("; "))));
    return ok && messages.isEmpty() ? 0 : 1;
}
