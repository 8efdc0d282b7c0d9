// Column discovery on a big table costs what it costs on an empty one: the query is
// prepared and described, no row is fetched. Measured on SQLite, and on PostgreSQL when
// QUILLMERE_PG_HOST / QUILLMERE_PG_PORT / QUILLMERE_PG_USER name a server (run-tests.sh).

#include "generators/common/ado_catalogue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>

namespace
{

constexpr int kRows = 1000000;
constexpr int kRepeats = 20;

bool runTool(const QString& program, const QStringList& arguments, const QByteArray& input)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForStarted(10000))
        return false;
    tool.write(input);
    tool.closeWriteChannel();
    if (!tool.waitForFinished(300000) || tool.exitCode() != 0) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(program), tool.readAllStandardError().constData());
        return false;
    }
    return true;
}

// Average milliseconds of one discovery query through data3.
double discoveryMs(generators::Catalogue& catalogue, const QString& table, int* fieldCount)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < kRepeats; ++i) {
        const generators::ColumnList columns =
            catalogue.columns(generators::DataControlId::data3, QStringLiteral("SELECT * from ") + table);
        if (!columns.ok) {
            std::fprintf(stderr, "query on %s failed: %s\n", qPrintable(table), qPrintable(columns.error));
            return -1;
        }
        *fieldCount = int(columns.columns.size());
    }
    return double(timer.nsecsElapsed()) / 1e6 / kRepeats;
}

void measure(const char* label, const QString& cnx, const QString& big, const QString& empty)
{
    auto connection = std::make_unique<platform::ado::Connection>();
    const platform::ado::Status opened = connection->open(cnx);
    if (!opened.ok) {
        std::fprintf(stderr, "%s: cannot open: %s\n", label, qPrintable(opened.message));
        return;
    }
    platform::ado::DataControl data3, data4;
    data3.setConnectionString(cnx);
    data4.setConnectionString(cnx);
    generators::AdoCatalogue catalogue(*connection, cnx, data3, data4);
    int bigFields = 0, emptyFields = 0;
    discoveryMs(catalogue, empty, &emptyFields); // opens the data control's own connection
    const double bigMs = discoveryMs(catalogue, big, &bigFields);
    const double emptyMs = discoveryMs(catalogue, empty, &emptyFields);

    // For contrast: the same query with its rows fetched.
    data3.setRecordSource(QStringLiteral("SELECT * from ") + big);
    QElapsedTimer timer;
    timer.start();
    const platform::ado::Status fetched = data3.refresh(/*fieldsOnly=*/false);
    const double fetchMs = double(timer.nsecsElapsed()) / 1e6;

    std::printf("%s: discovery on %d rows: %.3f ms (%d fields); on an empty table: %.3f ms (%d fields)\n",
                label, kRows, bigMs, bigFields, emptyMs, emptyFields);
    std::printf("%s: the same query fetching its rows: %.1f ms (%s, %d rows)\n", label, fetchMs,
                fetched.ok ? "ok" : qPrintable(fetched.message), data3.recordset().recordCount());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString dbPath = dir.filePath(QStringLiteral("big.db"));
    const QByteArray sqliteScript =
        QStringLiteral(
            "CREATE TABLE Big (Id INTEGER PRIMARY KEY, Label VARCHAR(40), Amount NUMERIC(10,2));\n"
            "CREATE TABLE Empty (Id INTEGER PRIMARY KEY, Label VARCHAR(40), Amount NUMERIC(10,2));\n"
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1)\n"
            "INSERT INTO Big SELECT i, 'label ' || i, i * 0.5 FROM n;\n")
            .arg(kRows)
            .toUtf8();
    if (runTool(QStringLiteral("sqlite3"), {dbPath}, sqliteScript))
        measure("SQLite", QStringLiteral("DRIVER=SQLite3;Database=") + dbPath, QStringLiteral("Big"),
                QStringLiteral("Empty"));

    const QString host = qEnvironmentVariable("QUILLMERE_PG_HOST");
    const QString port = qEnvironmentVariable("QUILLMERE_PG_PORT");
    const QString user = qEnvironmentVariable("QUILLMERE_PG_USER");
    if (host.isEmpty() || port.isEmpty() || user.isEmpty()) {
        std::printf(
            "PostgreSQL: skipped (QUILLMERE_PG_HOST, QUILLMERE_PG_PORT, QUILLMERE_PG_USER not set)\n");
        return 0;
    }
    const QStringList psql{QStringLiteral("-q"),
                           QStringLiteral("-v"),
                           QStringLiteral("ON_ERROR_STOP=1"),
                           QStringLiteral("-h"),
                           host,
                           QStringLiteral("-p"),
                           port,
                           QStringLiteral("-U"),
                           user,
                           QStringLiteral("-d"),
                           QStringLiteral("postgres")};
    const QByteArray pgScript =
        QStringLiteral(
            "DROP TABLE IF EXISTS bench_big, bench_empty;\n"
            "CREATE TABLE bench_empty (id integer PRIMARY KEY, label varchar(40), amount numeric(10,2));\n"
            "CREATE TABLE bench_big AS SELECT g AS id, 'label ' || g AS label, (g * 0.5)::numeric(10,2) AS "
            "amount\n"
            "  FROM generate_series(1, %1) g;\n")
            .arg(kRows)
            .toUtf8();
    if (!runTool(QStringLiteral("psql"), psql, pgScript))
        return 1;
    measure("PostgreSQL",
            QStringLiteral("DRIVER={PostgreSQL Unicode};Server=%1;Port=%2;Database=postgres;Uid=%3;")
                .arg(host, port, user),
            QStringLiteral("bench_big"), QStringLiteral("bench_empty"));
    runTool(QStringLiteral("psql"), psql, "DROP TABLE IF EXISTS bench_big, bench_empty;\n");
    return 0;
}
