// A generation run of the data access and data manager modules over a synthetic SQLite
// schema of 1,000 tables of 10 columns, through the real database layer, previews and
// yields included. Prints the total and the cost per table.

#include "app/main_window.h"
#include "app/program.h"
#include "generation_ui/window_host.h"
#include "generators/common/ado_catalogue.h"
#include "generators/vbnet/generation_run.h"
#include "platform/user_feedback.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace
{

constexpr int kTables = 1000;
constexpr int kColumns = 10;

// Previews kept as growing texts; a yield runs the event loop as the window does.
class AppendingHost : public generators::Host
{
public:
    void clearPreview(int index) override { previews[index].clear(); }
    void appendPreview(int index, const QString& text) override
    {
        QString& preview = previews[index];
        if (preview.capacity() < preview.size() + text.size())
            preview.reserve(2 * (preview.size() + text.size()));
        preview.append(text);
    }
    void showPreview(int) override {}
    void yield() override
    {
        yieldTimer.start();
        QCoreApplication::processEvents();
        yieldNs += yieldTimer.nsecsElapsed();
        ++yields;
    }
    void setProgressVisible(bool) override {}
    void setProgressValue(double value) override { progress = value; }
    double progressValue() const override { return progress; }
    void setProgressMaximum(double maximum) override { progressMax = maximum; }
    double progressMaximum() const override { return progressMax; }
    void setBusyPointer(bool) override {}
    void message(const QString& text) override { messages.append(text); }

    QMap<int, QString> previews;
    QElapsedTimer yieldTimer;
    qint64 yieldNs = 0;
    qint64 yields = 0;
    QStringList messages;
    double progress = 0;
    double progressMax = 0;
};

// The real catalogue, timed.
class TimedCatalogue : public generators::Catalogue
{
public:
    explicit TimedCatalogue(generators::Catalogue& inner) : inner_(inner) {}
    generators::ColumnList columns(generators::DataControlId control, const QString& query) override
    {
        timer_.start();
        generators::ColumnList result = inner_.columns(control, query);
        columnNs += timer_.nsecsElapsed();
        ++columnQueries;
        return result;
    }
    generators::KeyColumns primaryKey(const QString& table, const QString& schema) override
    {
        timer_.start();
        generators::KeyColumns result = inner_.primaryKey(table, schema);
        keyNs += timer_.nsecsElapsed();
        ++keyQueries;
        return result;
    }
    generators::ForeignKeyRows foreignKeys() override { return inner_.foreignKeys(); }
    QString identifierQuote() override { return inner_.identifierQuote(); }
    platform::ado::Status reconnect() override { return inner_.reconnect(); }

    qint64 columnNs = 0, keyNs = 0;
    int columnQueries = 0, keyQueries = 0;

private:
    generators::Catalogue& inner_;
    QElapsedTimer timer_;
};

bool buildSchema(const QString& sqlPath, const QString& dbPath)
{
    QFile sql(sqlPath);
    if (!sql.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&sql);
    out << "BEGIN;\n";
    for (int t = 0; t < kTables; ++t) {
        out << "CREATE TABLE T" << t << " (C0 INTEGER PRIMARY KEY";
        for (int c = 1; c < kColumns; ++c)
            out << ", C" << c << " VARCHAR(20)";
        out << ");\n";
    }
    out << "COMMIT;\n";
    out.flush();
    sql.close();
    QProcess sqlite;
    sqlite.setStandardInputFile(sqlPath);
    sqlite.start(QStringLiteral("sqlite3"), {dbPath});
    return sqlite.waitForFinished(60000) && sqlite.exitCode() == 0;
}

} // namespace

int main(int argc, char** argv)
{
    // With --window the previews are the main window's own boxes (offscreen).
    const bool inWindow = argc > 1 && QByteArray(argv[1]) == "--window";
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir dir;
    // The window reads its settings and history from folders of its own, not the user's.
    qputenv("QUILLMERE_HOME", dir.filePath(QStringLiteral("home")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", dir.filePath(QStringLiteral("config")).toLocal8Bit());
    QApplication app(argc, argv);
    const QString dbPath = dir.filePath(QStringLiteral("synthetic.db"));
    if (!buildSchema(dir.filePath(QStringLiteral("synthetic.sql")), dbPath)) {
        std::fprintf(stderr, "cannot build the synthetic schema (is sqlite3 installed?)\n");
        return 1;
    }
    const QString cnx = QStringLiteral("DRIVER=SQLite3;Database=") + dbPath;
    auto connection = std::make_unique<platform::ado::Connection>();
    const platform::ado::Status opened = connection->open(cnx);
    if (!opened.ok) {
        std::fprintf(stderr, "cannot open %s: %s\n", qPrintable(cnx), qPrintable(opened.message));
        return 1;
    }
    platform::ado::DataControl data3, data4;
    data3.setConnectionString(cnx);
    data4.setConnectionString(cnx);
    generators::AdoCatalogue ado(*connection, cnx, data3, data4);
    TimedCatalogue catalogue(ado);

    generators::RunInputs in;
    in.pn = dir.filePath(QStringLiteral("out/"));
    in.dbn = QStringLiteral("Synthetic_");
    in.gn = {true, true, false};
    in.gnn = {QStringLiteral("Synthetic_Access.vb"), QStringLiteral("Synthetic_Manager.vb"),
              QStringLiteral("Synthetic_Classes.vb")};
    in.cnxstr = cnx;
    in.net_ns = QStringLiteral("OleDB");
    in.net_prefix = QStringLiteral("OleDB");
    for (int t = 0; t < kTables; ++t)
        in.tdn1.append(QStringLiteral("T%1").arg(t));
    in.tdn1.sort(); // the chosen-tables list keeps its items in alphabetical order

    AppendingHost memoryHost;
    app::Program program;
    std::unique_ptr<generation_ui::WindowHost> windowHost;
    if (inWindow) {
        program.session().messages().setSink(
            [&memoryHost](const QString& text) { memoryHost.messages.append(text); });
        program.start();
        windowHost = std::make_unique<generation_ui::WindowHost>(*program.window());
    }
    generators::Host& host = inWindow ? static_cast<generators::Host&>(*windowHost) : memoryHost;
    generators::RunContext ctx(in, catalogue, host);
    QElapsedTimer timer;
    timer.start();
    generators::vbnet::runGeneration(ctx);
    const double ms = double(timer.nsecsElapsed()) / 1e6;

    const qint64 accessBytes = QFile(in.pn + in.gnn[0]).size();
    const qint64 managerBytes = QFile(in.pn + in.gnn[1]).size();
    std::printf("data access + data manager, %d tables x %d columns (SQLite, previews %s, yields included)\n",
                kTables, kColumns, inWindow ? "in the main window" : "in memory");
    std::printf("total: %.1f ms, per table: %.3f ms\n", ms, ms / kTables);
    std::printf("of which: %d column queries %.1f ms, %d key rowsets %.1f ms\n", catalogue.columnQueries,
                double(catalogue.columnNs) / 1e6, catalogue.keyQueries, double(catalogue.keyNs) / 1e6);
    if (!inWindow)
        std::printf("          %lld yields %.1f ms\n", memoryHost.yields, double(memoryHost.yieldNs) / 1e6);
    std::printf("files: %lld + %lld bytes, problems: %lld\n", accessBytes, managerBytes,
                static_cast<long long>(ctx.problems.size()));
    return ctx.problems.isEmpty() ? 0 : 2;
}
