// A run on the real window whose server stops answering, whose backend is ended by the
// server, or which is killed while it writes: one message names the fault, the files of
// the earlier run stay byte for byte, and the next run works again and writes the same
// bytes as the earlier one, under load too.
#include "app/main_window.h"
#include "app/program.h"
#include "connection/connection_page.h"
#include "platform/ado/ado.h"
#include "support/fixture_db.h"
#include "support/page_controls.h"
#include "support/pausable_pg.h"
#include "support/private_mariadb.h"
#include "support/synthetic_schema.h"
#include "window_fixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QtDebug>

#include <atomic>
#include <thread>
#include <vector>

#include <signal.h>

using namespace std::chrono_literals;

namespace
{

constexpr int kPgTables = 400;
constexpr int kMariadbTables = 300;
constexpr int kSqliteTables = 3000;
// Set for the child process of killedWhileWriting: the connection string and the folder.
constexpr char kChildCnx[] = "QUILLMERE_TEST_CHILD_CNX";
constexpr char kChildOut[] = "QUILLMERE_TEST_CHILD_OUT";

using Files = QMap<QString, QByteArray>;

// Every file below `folder` by its relative name; temporary files apart when `final`.
Files filesOf(const QString& folder, bool finalOnly = true)
{
    Files files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (finalOnly && path.endsWith(QLatin1String(".part")))
            continue;
        QFile file(path);
        files.insert(QDir(folder).relativeFilePath(path),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return files;
}

QString differences(const Files& a, const Files& b)
{
    QStringList lines;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        if (!b.contains(it.key()))
            lines << it.key() + " missing";
        else if (b.value(it.key()) != it.value())
            lines << QStringLiteral("%1: %2 bytes instead of %3")
                         .arg(it.key())
                         .arg(b.value(it.key()).size())
                         .arg(it.value().size());
    }
    for (auto it = b.cbegin(); it != b.cend(); ++it) {
        if (!a.contains(it.key()))
            lines << it.key() + " extra";
    }
    return lines.join(QLatin1Char('\n'));
}

// Connects the window to `cnx` and sets up a VB.NET run of every table, every module and
// the joins, into `out`.
bool prepareRun(app::MainWindow& w, const QString& cnx, const QString& out)
{
    testsupport::ConnectionPageControls(&w).ocnx->setEditText(cnx);
    testsupport::ConnectionPageControls(&w).Command13->click();
    const testsupport::VbPageControls vb(&w);
    if (vb.tdn->count() == 0) {
        qWarning() << "no table listed; status" << w.statusPanel(1);
        return false;
    }
    vb.tadd[0]->click();
    vb.pn->setText(out);
    for (QCheckBox* module : {vb.gn[0], vb.gn[1], vb.gn[2], vb.gcfk, vb.gwcf})
        module->setChecked(true);
    return true;
}

// Busy threads on every processor while it lives.
class Load
{
public:
    Load()
    {
        for (unsigned i = 0; i < std::max(2u, std::thread::hardware_concurrency()); ++i)
            threads_.emplace_back([this] {
                volatile unsigned long spin = 0;
                while (!stop_)
                    spin = spin + 1;
            });
    }
    ~Load()
    {
        stop_ = true;
        for (std::thread& thread : threads_)
            thread.join();
    }

private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};

// The child of killedWhileWriting: one whole run, then the end of the process.
int runInChild(int argc, char** argv)
{
    QApplication application(argc, argv);
    WindowFixture fixture;
    fixture.start();
    app::MainWindow& w = fixture.window();
    if (!prepareRun(w, qEnvironmentVariable(kChildCnx), qEnvironmentVariable(kChildOut)))
        return 2;
    testsupport::VbPageControls(&w).Command11->click();
    return fixture.messages.size() == 1 && fixture.messages[0].startsWith("End of Generation") ? 0 : 3;
}

} // namespace

// Without a server of its own a test skips, unless the test script started PostgreSQL for
// this run: then it fails, so that the faults it tries are never silently left out.
#define REQUIRE_SERVER()                                                                                     \
    do {                                                                                                     \
        if (!server_->isRunning()) {                                                                         \
            if (testsupport::pgRequired())                                                                   \
                QFAIL("no PostgreSQL server could be started, although this run started one");               \
            QSKIP("no PostgreSQL server can be started here");                                               \
        }                                                                                                    \
    } while (false)

class LostServerTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<testsupport::PausablePg> server_;
    QTemporaryDir scripts_;
    QString pg_;

    // Ends every other session on the run's database, as an administrator would.
    static bool terminateOthers(const QString& cnx)
    {
        platform::ado::Connection admin;
        if (!admin.open(cnx).ok)
            return false;
        platform::ado::Recordset rs;
        return admin
            .query(
                "select pg_terminate_backend(pid) from pg_stat_activity where datname = current_database() "
                "and pid <> pg_backend_pid()",
                &rs)
            .ok;
    }

private slots:
    void initTestCase()
    {
        server_ = std::make_unique<testsupport::PausablePg>();
        if (!server_->isRunning())
            return;
        const QString script = scripts_.filePath("lost_server.sql");
        QVERIFY(testsupport::writeSyntheticSchema(script, kPgTables, testsupport::SchemaDialect::Postgres));
        pg_ = testsupport::pgFixture(script);
        QVERIFY(!pg_.isEmpty());
    }
    void cleanupTestCase() { server_.reset(); }

    // The fault strikes as the run begins reading the catalogue, or once it has temporary
    // files open. The message names it once, the files of the earlier run are untouched, and
    // the next run (once the server answers) opens a new connection and writes the earlier
    // bytes again.
    void connectionGoneDuringARun_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("said");
        QTest::newRow("server paused") << "pause"
                                       << "Generation stopped: the server did not answer within 2 s (";
        QTest::newRow("server paused while writing")
            << "pause while writing"
            << "Generation stopped: the server did not answer within 2 s (";
        QTest::newRow("backend terminated")
            << "terminate"
            << "Generation stopped: the connection to the database was lost: ";
    }
    void connectionGoneDuringARun()
    {
        QFETCH(QString, fault);
        QFETCH(QString, said);
        REQUIRE_SERVER();
        QTemporaryDir out;
        WindowFixture fixture;
        fixture.start();
        fixture.program().session().setCatalogueTimeLimit(2s);
        app::MainWindow& w = fixture.window();
        w.show();
        QVERIFY(prepareRun(w, pg_, out.path() + '/'));
        const testsupport::VbPageControls vb(&w);

        vb.Command11->click();
        QCOMPARE(fixture.messages.size(), 1);
        QVERIFY2(fixture.messages[0] == "End of Generation", qPrintable(fixture.messages[0].left(500)));
        const Files earlier = filesOf(out.path());
        QVERIFY(earlier.size() >= 4);

        fixture.messages.clear();
        QElapsedTimer sinceFault;
        qint64 faultToMessage = -1;
        fixture.program().session().messages().setSink([&](const QString& text) {
            fixture.messages << text;
            faultToMessage = sinceFault.elapsed();
        });
        bool waitingShown = false;
        QStringList clocks;
        QTimer sampler;
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            waitingShown = waitingShown || w.waitingOnServerShown();
            if (clocks.isEmpty() || clocks.last() != w.statusPanel(2))
                clocks << w.statusPanel(2);
        });
        sampler.start(50);
        bool struck = false;
        const auto strike = [&] {
            struck = true;
            sinceFault.start();
            if (fault.startsWith("pause"))
                server_->pause();
            else
                QVERIFY(terminateOthers(pg_));
        };
        // As the run begins, or once a file of the run is being written.
        const bool whileWriting = fault.endsWith("while writing");
        QObject::connect(&sampler, &QTimer::timeout, [&] {
            if (whileWriting && !struck &&
                !QDir(out.path()).entryList({"*.part"}, QDir::Files | QDir::Hidden).isEmpty())
                strike();
        });
        if (!whileWriting)
            QTimer::singleShot(0, strike);
        vb.Command11->click();
        server_->resume();
        sampler.stop();

        QCOMPARE(fixture.messages.size(), 1);
        const QString message = fixture.messages[0];
        QVERIFY2(message.startsWith(said), qPrintable(message.left(500)));
        QVERIFY2(message.endsWith("No file was replaced: the files of the earlier run are as they were."),
                 qPrintable(message.left(500)));
        QVERIFY2(message.count('\n') <= 2, qPrintable(message.left(500)));
        QCOMPARE(differences(earlier, filesOf(out.path(), /*finalOnly=*/false)), QString());
        qInfo("%s: fault to message %lld ms (time limit 2 s): %s", qPrintable(fault), faultToMessage,
              qPrintable(message));
        // Past the limit, a few seconds at most.
        QVERIFY2(faultToMessage < 6000, qPrintable(QString::number(faultToMessage)));
        if (fault.startsWith("pause")) {
            QVERIFY(waitingShown);
            QVERIFY2(clocks.size() >= 2, qPrintable(clocks.join(' ')));
        }
        QVERIFY(!w.waitingOnServerShown());
        QVERIFY(w.statusPanel(1) != QLatin1String(app::kNotConnected));

        // The server answers again: the next run reconnects and writes the same bytes.
        fixture.messages.clear();
        vb.Command11->click();
        QCOMPARE(fixture.messages, QStringList{"End of Generation"});
        QCOMPARE(differences(earlier, filesOf(out.path(), /*finalOnly=*/false)), QString());
    }

    // The server goes away for good: the run that meets the dropped link stops with one
    // message and replaces nothing; the next one finds no server to reconnect to, and asks
    // for a new Connect.
    void serverGoneForGood()
    {
        REQUIRE_SERVER();
        QTemporaryDir out;
        WindowFixture fixture;
        fixture.start();
        app::MainWindow& w = fixture.window();
        // A second server of the test's own, on a folder of its own.
        QTemporaryDir serverDir;
        // The server runs as another user when the test runs as root.
        QFile::setPermissions(serverDir.path(), QFile::permissions(serverDir.path()) | QFile::ReadOther |
                                                    QFile::ExeOther | QFile::ReadGroup | QFile::ExeGroup);
        const auto serverScript = [&](const QString& action) {
            QProcess process;
            process.start("sh", {QStringLiteral(QUILLMERE_SOURCE_DIR "/scripts/pg-test-server.sh"), action,
                                 serverDir.filePath("pg")});
            process.waitForFinished(120000);
            return QString::fromLatin1(process.readAllStandardOutput().trimmed());
        };
        const QString port = serverScript("start");
        QVERIFY(!port.isEmpty());
        const QByteArray ownPort = qgetenv("QUILLMERE_PG_PORT");
        qputenv("QUILLMERE_PG_PORT", port.toLatin1());
        const QString pg = testsupport::pgFixture(scripts_.filePath("lost_server.sql"));
        qputenv("QUILLMERE_PG_PORT", ownPort);
        QVERIFY(!pg.isEmpty());
        QVERIFY(prepareRun(w, pg, out.path() + '/'));
        const testsupport::VbPageControls vb(&w);
        vb.Command11->click();
        QCOMPARE(fixture.messages, QStringList{"End of Generation"});
        const Files earlier = filesOf(out.path());
        serverScript("stop");

        // A new run reads the catalogue afresh, and meets the dropped link.
        fixture.messages.clear();
        vb.Command11->click();
        QCOMPARE(fixture.messages.size(), 1);
        QVERIFY2(
            fixture.messages[0].startsWith("Generation stopped: the connection to the database was lost: "),
            qPrintable(fixture.messages[0]));
        QCOMPARE(differences(earlier, filesOf(out.path(), /*finalOnly=*/false)), QString());

        // The next run cannot open a new connection: the window says so and starts nothing.
        fixture.messages.clear();
        vb.Command11->click();
        QCOMPARE(fixture.messages.size(), 1);
        QVERIFY2(fixture.messages[0].startsWith(
                     "The connection to the database was lost and could not be opened again (") &&
                     fixture.messages[0].endsWith(").\nConnect again."),
                 qPrintable(fixture.messages[0]));
        QCOMPARE(w.statusPanel(1), QString::fromLatin1(app::kNotConnected));
        QCOMPARE(differences(earlier, filesOf(out.path(), /*finalOnly=*/false)), QString());
    }

    // A MariaDB server killed as a run begins, or while the window is connected before it:
    // once its driver has seen the link drop it refuses even a new statement. The run stops with one message
    // naming the lost connection, as on PostgreSQL, and replaces nothing.
    void mariadbServerKilledDuringARun_data()
    {
        QTest::addColumn<bool>("beforeTheRun");
        QTest::newRow("as the run begins") << false;
        QTest::newRow("between Connect and the run") << true;
    }
    void mariadbServerKilledDuringARun()
    {
        QFETCH(bool, beforeTheRun);
        QUILLMERE_PRIVATE_MARIADB(server);
        const QString script = scripts_.filePath("lost_mariadb.sql");
        QVERIFY(
            testsupport::writeSyntheticSchema(script, kMariadbTables, testsupport::SchemaDialect::Mariadb));
        const QString cnx = testsupport::mariadbFixture(script);
        QVERIFY(!cnx.isEmpty());
        QTemporaryDir out;
        WindowFixture fixture;
        fixture.start();
        app::MainWindow& w = fixture.window();
        QVERIFY(prepareRun(w, cnx, out.path() + '/'));
        const testsupport::VbPageControls vb(&w);
        vb.Command11->click();
        QCOMPARE(fixture.messages, QStringList{"End of Generation"});
        const Files earlier = filesOf(out.path());
        QVERIFY(earlier.size() >= 4);

        fixture.messages.clear();
        if (beforeTheRun) {
            server.kill();
            QTest::qWait(200);
        } else {
            QTimer::singleShot(0, [&] { server.kill(); });
        }
        vb.Command11->click();
        QCOMPARE(fixture.messages.size(), 1);
        const QString message = fixture.messages[0];
        QVERIFY2(message.startsWith("Generation stopped: the connection to the database was lost: "),
                 qPrintable(message.left(500)));
        QVERIFY2(message.endsWith("No file was replaced: the files of the earlier run are as they were."),
                 qPrintable(message.left(500)));
        QVERIFY2(message.count('\n') <= 2, qPrintable(message.left(500)));
        QCOMPARE(differences(earlier, filesOf(out.path(), /*finalOnly=*/false)), QString());
    }

    // The same catalogue, run again while every processor is busy, gives the same bytes;
    // with a time limit too short for the loaded server the run may stop, but then it says
    // so and replaces nothing: never other bytes under "End of Generation".
    void sameBytesUnderLoad()
    {
        REQUIRE_SERVER();
        QTemporaryDir out;
        WindowFixture fixture;
        fixture.start();
        app::MainWindow& w = fixture.window();
        QVERIFY(prepareRun(w, pg_, out.path() + '/'));
        const testsupport::VbPageControls vb(&w);
        vb.Command11->click();
        QCOMPARE(fixture.messages, QStringList{"End of Generation"});
        const Files earlier = filesOf(out.path());

        for (const auto limit : {30000ms, 20ms}) {
            fixture.messages.clear();
            // Each run reads the catalogue afresh; the Connect's own read has the usual limit.
            fixture.program().session().setCatalogueTimeLimit(30s);
            QVERIFY(prepareRun(w, pg_, out.path() + '/'));
            fixture.program().session().setCatalogueTimeLimit(limit);
            {
                Load load;
                vb.Command11->click();
            }
            QCOMPARE(fixture.messages.size(), 1);
            const bool stopped = fixture.messages[0].startsWith("Generation stopped: ");
            QVERIFY2(fixture.messages[0] == "End of Generation" || (limit < 1s && stopped),
                     qPrintable(fixture.messages[0].left(500)));
            QCOMPARE(differences(earlier, filesOf(out.path(), /*finalOnly=*/false)), QString());
        }
    }

    // A run killed while it writes: every file at a final name is the earlier run's, byte
    // for byte (a temporary file may remain beside them, until the next run removes it).
    void killedWhileWriting()
    {
        QTemporaryDir dir;
        const QString script = dir.filePath("many_tables.sql");
        QVERIFY(testsupport::writeSyntheticSchema(script, kSqliteTables, testsupport::SchemaDialect::Sqlite));
        const QString cnx = testsupport::sqliteFixture(script, dir.path());
        QVERIFY(!cnx.isEmpty());
        const QString out = dir.filePath("out/");
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(kChildCnx, cnx);
        environment.insert(kChildOut, out);
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        const auto child = [&](QProcess& process) {
            process.setProcessEnvironment(environment);
            process.start(QCoreApplication::applicationFilePath(), {});
            return process.waitForStarted();
        };

        QProcess first;
        QVERIFY(child(first));
        QVERIFY(first.waitForFinished(240000));
        QCOMPARE(first.exitCode(), 0);
        const Files earlier = filesOf(out);
        QVERIFY(earlier.size() >= 4);

        QProcess second;
        QVERIFY(child(second));
        // Killed once it has written a good part of a file.
        QElapsedTimer waited;
        waited.start();
        bool writing = false;
        while (!writing && waited.elapsed() < 240000 && second.state() == QProcess::Running) {
            for (const QFileInfo& info : QDir(out).entryInfoList({"*.part"}, QDir::Files | QDir::Hidden))
                writing = writing || info.size() > 100000;
            QThread::msleep(5);
        }
        QVERIFY2(writing, "the run ended before it wrote a temporary file");
        ::kill(pid_t(second.processId()), SIGKILL);
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::CrashExit);
        QCOMPARE(differences(earlier, filesOf(out)), QString());
        QVERIFY(!QDir(out).entryList({"*.part"}, QDir::Files | QDir::Hidden).isEmpty());

        // The next whole run removes what the killed one left, and writes the same files.
        QProcess third;
        QVERIFY(child(third));
        QVERIFY(third.waitForFinished(240000));
        QCOMPARE(third.exitCode(), 0);
        QCOMPARE(QDir(out).entryList({"*.part"}, QDir::Files | QDir::Hidden), QStringList());
        QCOMPARE(differences(earlier, filesOf(out, /*finalOnly=*/false)), QString());
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsSet(kChildOut))
        return runInChild(argc, argv);
    QApplication application(argc, argv);
    LostServerTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "test_lost_server.moc"
