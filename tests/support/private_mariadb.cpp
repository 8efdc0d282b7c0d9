#include "support/private_mariadb.h"
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
    return QStringLiteral(QUILLMERE_SOURCE_DIR "/scripts/mariadb-test-server.sh");
}

bool runScript(const QString& action, const QString& dir, QByteArray* output)
{
    QProcess process;
    process.setWorkingDirectory(QDir::tempPath());
    process.start(QStringLiteral("sh"), {script(), action, dir});
    const bool done = process.waitForFinished(120000) && process.exitCode() == 0;
    *output = done ? process.readAllStandardOutput().trimmed() : process.readAllStandardError();
    return done;
}

} // namespace

PrivateMariadb::PrivateMariadb()
    : dir_(QDir::tempPath() +
           QStringLiteral("/quillmere-private-mariadb-%1").arg(QCoreApplication::applicationPid())),
      savedHost_(qgetenv("QUILLMERE_MARIADB_HOST")), savedPort_(qgetenv("QUILLMERE_MARIADB_PORT")),
      savedUser_(qgetenv("QUILLMERE_MARIADB_USER"))
{
    QByteArray output;
    if (!runScript(QStringLiteral("start"), dir_, &output)) {
        qWarning() << "cannot start a MariaDB server:" << output;
        if (mariadbRequired())
            QTest::qFail("cannot start a MariaDB server, although this run started one", __FILE__, __LINE__);
        return;
    }
    port_ = QString::fromLatin1(output);
    // A test that dies never reaches the destructor: a watcher outside the process stops
    // the server once the process is gone.
    QProcess watcher;
    watcher.setProgram(QStringLiteral("sh"));
    watcher.setArguments(
        {QStringLiteral("-c"),
         QStringLiteral("while kill -0 \"$0\" 2>/dev/null; do sleep 1; done; sh \"$1\" stop \"$2\""),
         QString::number(QCoreApplication::applicationPid()), script(), dir_});
    watcher.setStandardInputFile(QProcess::nullDevice());
    watcher.setStandardOutputFile(QProcess::nullDevice());
    watcher.setStandardErrorFile(QProcess::nullDevice());
    watcher.startDetached();
    qputenv("QUILLMERE_MARIADB_HOST", "127.0.0.1");
    qputenv("QUILLMERE_MARIADB_PORT", port_.toLatin1());
    qputenv("QUILLMERE_MARIADB_USER", "quillmere");
}

PrivateMariadb::~PrivateMariadb()
{
    QByteArray output;
    if (isRunning())
        runScript(QStringLiteral("stop"), dir_, &output);
    qputenv("QUILLMERE_MARIADB_HOST", savedHost_);
    qputenv("QUILLMERE_MARIADB_PORT", savedPort_);
    qputenv("QUILLMERE_MARIADB_USER", savedUser_);
}

void PrivateMariadb::kill()
{
    QFile pidFile(dir_ + QStringLiteral("/server.pid"));
    if (pidFile.open(QIODevice::ReadOnly))
        ::kill(pid_t(pidFile.readAll().trimmed().toLongLong()), SIGKILL);
}

} // namespace testsupport
