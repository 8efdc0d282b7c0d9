// A whole generation run through the real window (offscreen), as a user makes it: Connect,
// every table moved into the chosen list, then "Generate VB.Net Files!" with the three
// modules, the joins and Web.config (or "VB6 Classes only!", or a whole solution). The
// synthetic schema has N tables of an id key, 8 typed columns and a foreign key to the
// table before. Prints the run's milliseconds per table, the statements sent to the driver
// per table and the process's peak memory.
//
//   bench_window_run [--tables N] [--backend sqlite|pg|mariadb] [--run vbnet|classes|solution] [--no-joins]
//                    [--out FOLDER] [--connection ODBC-STRING] [--write-schema FILE]
//
// --connection runs on a database made before (for example from the script that
// --write-schema writes, which is all that option does). Besides the run's wall time it
// prints the processor time the process spent during the run, every thread counted.
//
// PostgreSQL needs a server named by QUILLMERE_PG_HOST, QUILLMERE_PG_PORT and
// QUILLMERE_PG_USER (scripts/pg-test-server.sh starts one), MariaDB one named by
// QUILLMERE_MARIADB_HOST, _PORT and _USER (scripts/mariadb-test-server.sh).

#include "app/main_window.h"
#include "app/program.h"
#include "generation_ui/vb_generator_page.h"
#include "platform/ado/ado.h"
#include "support/fixture_db.h"
#include "support/page_controls.h"
#include "support/synthetic_schema.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

namespace
{

struct Options {
    int tables = 1000;
    QString backend = QStringLiteral("sqlite");
    QString run = QStringLiteral("vbnet");
    bool joins = true;
    QString out;         // where the files go and stay; a temporary folder when empty
    QString cnx;         // a database made before, instead of a new one
    QString writeSchema; // only writes the schema's script there
};

bool parse(int argc, char** argv, Options* options)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        const bool hasValue = i + 1 < argc;
        if (arg == "--tables" && hasValue)
            options->tables = QByteArray(argv[++i]).toInt();
        else if (arg == "--backend" && hasValue)
            options->backend = QString::fromLatin1(argv[++i]);
        else if (arg == "--run" && hasValue)
            options->run = QString::fromLatin1(argv[++i]);
        else if (arg == "--connection" && hasValue)
            options->cnx = QString::fromLocal8Bit(argv[++i]);
        else if (arg == "--write-schema" && hasValue)
            options->writeSchema = QString::fromLocal8Bit(argv[++i]);
        else if (arg == "--out" && hasValue)
            options->out = QString::fromLocal8Bit(argv[++i]);
        else if (arg == "--no-joins")
            options->joins = false;
        else
            return false;
    }
    return options->tables > 0 &&
           (options->backend == "sqlite" || options->backend == "pg" || options->backend == "mariadb") &&
           (options->run == "vbnet" || options->run == "classes" || options->run == "solution");
}

// The process's peak resident memory so far, in MB.
double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

// Processor time of the whole process so far (every thread), in seconds.
double processorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

qint64 folderBytes(const QString& folder)
{
    qint64 bytes = 0;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        it.next();
        bytes += it.fileInfo().size();
    }
    return bytes;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!parse(argc, argv, &options)) {
        std::fprintf(stderr,
                     "usage: %s [--tables N] [--backend sqlite|pg|mariadb] [--run vbnet|classes|solution] "
                     "[--no-joins] [--out FOLDER] [--connection ODBC-STRING] [--write-schema FILE]\n",
                     argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    // The window reads its settings and history from folders of its own, not the user's.
    qputenv("QUILLMERE_HOME", dir.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    QApplication application(argc, argv);

    const QString script =
        options.writeSchema.isEmpty() ? dir.filePath(QStringLiteral("synthetic.sql")) : options.writeSchema;
    const auto dialect = options.backend == "pg"        ? testsupport::SchemaDialect::Postgres
                         : options.backend == "mariadb" ? testsupport::SchemaDialect::Mariadb
                                                        : testsupport::SchemaDialect::Sqlite;
    if (!testsupport::writeSyntheticSchema(script, options.tables, dialect))
        return 1;
    if (!options.writeSchema.isEmpty())
        return 0;
    QString cnx = options.cnx; // a database made before, or a new one
    if (!cnx.isEmpty()) {
        // as given
    } else if (options.backend == "sqlite") {
        cnx = testsupport::sqliteFixture(script, dir.path());
    } else if (options.backend == "mariadb") {
        if (testsupport::mariadbAvailable())
            cnx = testsupport::mariadbFixture(script);
        else
            std::fprintf(stderr, "no MariaDB server: set QUILLMERE_MARIADB_HOST, _PORT, _USER\n");
    } else if (testsupport::pgAvailable()) {
        cnx = testsupport::pgFixture(script);
    } else {
        std::fprintf(stderr,
                     "no PostgreSQL server: set QUILLMERE_PG_HOST, QUILLMERE_PG_PORT, QUILLMERE_PG_USER\n");
        return 1;
    }
    if (cnx.isEmpty())
        return 1;

    QStringList messages;
    app::Program program;
    program.session().messages().setSink([&messages](const QString& text) { messages.append(text); });
    program.setEndStep([] {});
    program.start();
    app::MainWindow& window = *program.window();
    testsupport::ConnectionPageControls(&window).ocnx->setEditText(cnx);
    testsupport::ConnectionPageControls(&window).Command13->click();
    if (!window.connection().connected()) {
        std::fprintf(stderr, "cannot connect: %s\n", qPrintable(messages.join(QLatin1String("; "))));
        return 1;
    }
    // The page's controls, found by their object names as the window tests find them.
    auto button = [&window](const char* name) { return window.findChild<QPushButton*>(QLatin1String(name)); };
    auto box = [&window](const char* name) { return window.findChild<QCheckBox*>(QLatin1String(name)); };
    button("tadd_0")->click(); // every table into the chosen list
    const QString out = options.out.isEmpty() ? dir.filePath(QStringLiteral("out/"))
                                              : QDir(options.out).absolutePath() + QLatin1Char('/');
    window.findChild<QLineEdit*>(QStringLiteral("pn"))->setText(out);
    window.findChild<QLineEdit*>(QStringLiteral("dbn"))->setText(QStringLiteral("Synthetic_"));
    for (const char* module : {"gn_0", "gn_1", "gn_2"})
        box(module)->setChecked(true);
    box("gcfk")->setChecked(options.joins);
    box("gwcf")->setChecked(true);
    const double connectedMegabytes = peakMegabytes();

    const qint64 statementsBefore = platform::ado::statementsRun();
    const double cpuBefore = processorSeconds();
    QElapsedTimer timer;
    timer.start();
    if (options.run == "vbnet") {
        button("Command11")->click();
    } else if (options.run == "classes") {
        button("Command18")->click();
    } else {
        button("Command19")->click();
        testsupport::SolutionPanelControls(&window).Command21->click();
    }
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    const double cpuMs = (processorSeconds() - cpuBefore) * 1e3;
    const double statements = double(platform::ado::statementsRun() - statementsBefore);

    const int n = options.tables;
    std::printf(
        "%s run, %s, %d tables, joins %s: %.0f ms, %.2f ms per table, %.1f statements per table, "
        "processor %.0f ms (%.2f x wall), peak memory %.0f MB (%.0f MB after Connect), %.1f MB written\n",
        qPrintable(options.run),
        options.backend == "pg"        ? "PostgreSQL"
        : options.backend == "mariadb" ? "MariaDB"
                                       : "SQLite",
        n, options.joins ? "on" : "off", ms, ms / n, statements / n, cpuMs, cpuMs / ms, peakMegabytes(),
        connectedMegabytes, double(folderBytes(out)) / 1e6);
    if (messages.size() != 1 || !messages.first().startsWith(QLatin1String("End of Generation"))) {
        std::fprintf(stderr, "unexpected messages: %s\n", qPrintable(messages.join(QLatin1String("; "))));
        return 1;
    }
    return 0;
}
