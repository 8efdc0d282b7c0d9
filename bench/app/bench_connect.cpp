// connect_db on a catalogue of 10,000 tables: the whole read into the lists, yields
// included, through the other-kind Connect of a real window (offscreen). Names are
// created in shuffled order so the sorted list inserts everywhere, not only at its end.

#include "app/main_window.h"
#include "app/program.h"
#include "browser/data_browser_page.h"
#include "connection/connection_page.h"
#include "support/page_controls.h"
#include "support/temp_home.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

namespace
{

constexpr int kTables = 10000;

bool buildCatalogue(const QString& file)
{
    QList<int> order(kTables);
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), *QRandomGenerator::global());
    QByteArray script = "BEGIN;\n";
    for (int i : order)
        script += QStringLiteral("CREATE TABLE %1Table_%2 (id INTEGER PRIMARY KEY, name TEXT);\n")
                      .arg(i % 2 ? "x" : "X")
                      .arg(i, 5, 10, QLatin1Char('0'))
                      .toUtf8();
    script += "COMMIT;\n";
    QProcess tool;
    tool.start(QStringLiteral("sqlite3"), {file});
    if (!tool.waitForStarted(10000))
        return false;
    tool.write(script);
    tool.closeWriteChannel();
    return tool.waitForFinished(300000) && tool.exitCode() == 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testsupport::TempHome home;
    const QString file = home.path() + QStringLiteral("/catalogue.db");
    if (!buildCatalogue(file)) {
        std::fprintf(stderr, "bench_connect: the catalogue could not be built\n");
        return 1;
    }
    QStringList messages;
    app::Program program;
    program.session().messages().setSink([&](const QString& text) { messages << text; });
    program.setEndStep([] {});
    program.start();
    app::MainWindow& window = *program.window();
    testsupport::ConnectionPageControls(&window).ocnx->setEditText(
        QStringLiteral("DRIVER=SQLite3;Database=%1;").arg(file));

    QElapsedTimer timer;
    timer.start();
    testsupport::ConnectionPageControls(&window).Command13->click();
    const double ms = double(timer.nsecsElapsed()) / 1e6;

    const QStringList tables = testsupport::BrowserPageControls(&window).t->items();
    const bool sorted = std::is_sorted(tables.begin(), tables.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
    if (!messages.isEmpty() || tables.size() != kTables || !sorted ||
        testsupport::VbPageControls(&window).tdn->count() != kTables) {
        std::fprintf(stderr, "bench_connect: wrong result (%d tables listed, sorted %d, messages: %s)\n",
                     int(tables.size()), int(sorted), qPrintable(messages.join(QLatin1String("; "))));
        return 1;
    }
    platform::ado::Connection connection;
    const platform::ado::Status opened =
        connection.open(QStringLiteral("DRIVER=SQLite3;Database=%1;").arg(file));
    platform::ado::Recordset rs;
    timer.restart();
    const platform::ado::Status read =
        opened.ok ? connection.openSchema(platform::ado::adSchemaTables, {}, &rs) : opened;
    const double readMs = double(timer.nsecsElapsed()) / 1e6;
    if (!read.ok) {
        std::fprintf(stderr, "bench_connect: the tables rowset cannot be read: %s\n",
                     qPrintable(read.message));
        return 1;
    }
    std::printf("connect_db over %d tables into the lists, yields included: %.0f ms (%.1f us per table)\n",
                kTables, ms, ms * 1000.0 / kTables);
    std::printf("of which the tables rowset itself: %.0f ms\n", readMs);
    return 0;
}
