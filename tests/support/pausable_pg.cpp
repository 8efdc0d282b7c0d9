#include "support/pausable_pg.h"
#include "support/fixture_db.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <QtDebug>

#include <signal.h>

namespace testsupport
{

namespace
{

QString script()
{
    return QStringLiteral(QUILLMERE_SOURCE_DIR "/scripts/pg-test-server.sh");
}

// The server's processes: the postmaster named in its pid file and its children.
QList<qint64> serverProcesses(const QString& dataDir)
{
    QFile pidFile(dataDir + QStringLiteral("/postmaster.pid"));
    if (!pidFile.open(QIODevice::ReadOnly))
        return {};
    const qint64 postmaster = pidFile.readLine().trimmed().toLongLong();
    QList<qint64> pids{postmaster};
    QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(postmaster));
    if (children.open(QIODevice::ReadOnly)) {
        for (const QByteArray& pid : children.readAll().split(' ')) {
            if (!pid.trimmed().isEmpty())
                pids.append(pid.trimmed().toLongLong());
        }
    }
    return pids;
}

} // namespace

PausablePg::PausablePg()
    : dir_(QDir::tempPath() +
           QStringLiteral("/quillmere-pausable-%1").arg(QCoreApplication::applicationPid())),
      savedHost_(qgetenv("QUILLMERE_PG_HOST")), savedPort_(qgetenv("QUILLMERE_PG_PORT")),
      savedUser_(qgetenv("QUILLMERE_PG_USER"))
{
    QProcess start;
    start.setWorkingDirectory(QDir::tempPath());
    start.start(QStringLiteral("sh"), {script(), QStringLiteral("start"), dir_});
    if (!start.waitForFinished(120000) || start.exitCode() != 0) {
        qWarning() << "cannot start a PostgreSQL server:" << start.readAllStandardError();
        if (pgRequired())
            QTest::qFail("cannot start a PostgreSQL server, although this run started one", __FILE__,
                         __LINE__);
        return;
    }
    port_ = QString::fromLatin1(start.readAllStandardOutput().trimmed());
    stopWhenThisProcessEnds();
    qputenv("QUILLMERE_PG_HOST", "127.0.0.1");
    qputenv("QUILLMERE_PG_PORT", port_.toLatin1());
    qputenv("QUILLMERE_PG_USER", "quillmere");
}

PausablePg::~PausablePg()
{
    resume();
    QProcess stop;
    stop.setWorkingDirectory(QDir::tempPath());
    stop.start(QStringLiteral("sh"), {script(), QStringLiteral("stop"), dir_});
    stop.waitForFinished(60000);
    qputenv("QUILLMERE_PG_HOST", savedHost_);
    qputenv("QUILLMERE_PG_PORT", savedPort_);
    qputenv("QUILLMERE_PG_USER", savedUser_);
}

// A test that dies (a crash, a kill, a time-out) never reaches the destructor: a watcher
// outside the process stops the server once the process is gone.
void PausablePg::stopWhenThisProcessEnds()
{
    QProcess watcher;
    watcher.setProgram(QStringLiteral("sh"));
    watcher.setArguments(
        {QStringLiteral("-c"),
         // Waits for the test, thaws a paused server, stops it.
         QStringLiteral("while kill -0 \"$0\" 2>/dev/null; do sleep 1; done; "
                        "pm=$(head -n 1 \"$2/data/postmaster.pid\" 2>/dev/null); "
                        "[ -n \"$pm\" ] && kill -CONT $pm $(cat /proc/$pm/task/$pm/children) "
                        "2>/dev/null; sh \"$1\" stop \"$2\""),
         QString::number(QCoreApplication::applicationPid()), script(), dir_});
    watcher.setWorkingDirectory(QDir::tempPath());
    watcher.setStandardInputFile(QProcess::nullDevice());
    watcher.setStandardOutputFile(QProcess::nullDevice());
    watcher.setStandardErrorFile(QProcess::nullDevice());
    watcher.startDetached();
}

void PausablePg::pause()
{
    signalAll(SIGSTOP);
}

void PausablePg::resume()
{
    signalAll(SIGCONT);
}

void PausablePg::signalAll(int signal)
{
    for (const qint64 pid : serverProcesses(dir_ + QStringLiteral("/data")))
        ::kill(pid_t(pid), signal);
}

} // namespace testsupport
