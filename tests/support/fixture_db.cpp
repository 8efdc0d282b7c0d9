#include "support/fixture_db.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <QTest>
#include <QtDebug>

#include <atomic>

namespace testsupport
{

namespace
{

bool runTool(const QString& program, const QStringList& arguments, const QString& inputFile = QString())
{
    QProcess process;
    if (!inputFile.isEmpty())
        process.setStandardInputFile(inputFile);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning().noquote() << program << arguments.join(QLatin1Char(' '))
                             << "failed:" << QString::fromLocal8Bit(process.readAllStandardError())
                             << process.errorString();
        return false;
    }
    return true;
}

bool writeLines(const QString& path, const QStringList& lines)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        qWarning().noquote() << "cannot write" << path << file.errorString();
        return false;
    }
    file.write((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    return true;
}

} // namespace

QString fixturePath(const QString& script)
{
    if (QFileInfo(script).isAbsolute())
        return script;
    return QStringLiteral(QUILLMERE_FIXTURES_DIR) + QLatin1Char('/') + script;
}

QString sqliteFixture(const QString& script, const QString& dir)
{
    const QString path = fixturePath(script);
    if (!QFileInfo::exists(path)) {
        qWarning().noquote() << "no fixture script" << path;
        return {};
    }
    const QString file = QDir(dir).filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".db"));
    QFile::remove(file);
    if (!runTool(QStringLiteral("sqlite3"), {QStringLiteral("-bail"), file}, path))
        return {};
    return QStringLiteral("DRIVER=SQLite3;Database=%1;").arg(file);
}

QString sqliteFile(const QString& connectionString)
{
    static const QRegularExpression database(QStringLiteral("Database=([^;]*)"),
                                             QRegularExpression::CaseInsensitiveOption);
    return database.match(connectionString).captured(1);
}

namespace
{

QStringList psqlServerArguments(const QString& host, const QString& port, const QString& user)
{
    return {QStringLiteral("-h"), host,
            QStringLiteral("-p"), port,
            QStringLiteral("-U"), user,
            QStringLiteral("-X"), QStringLiteral("-q"),
            QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1")};
}

// Whether the server answers a query; asked once per server in a process.
bool pgAnswers(const QString& host, const QString& port, const QString& user)
{
    static QHash<QString, bool> answers;
    const QString key = host + QLatin1Char(':') + port + QLatin1Char(':') + user;
    if (!answers.contains(key))
        answers.insert(key, runTool(QStringLiteral("psql"),
                                    psqlServerArguments(host, port, user) +
                                        QStringList{QStringLiteral("-d"), QStringLiteral("postgres"),
                                                    QStringLiteral("-c"), QStringLiteral("SELECT 1")}));
    return answers.value(key);
}

} // namespace

bool pgRequired()
{
    return qEnvironmentVariable("QUILLMERE_PG_REQUIRED") == QLatin1String("1");
}

bool pgAvailable()
{
    const QString host = qEnvironmentVariable("QUILLMERE_PG_HOST");
    const QString port = qEnvironmentVariable("QUILLMERE_PG_PORT");
    const QString user = qEnvironmentVariable("QUILLMERE_PG_USER");
    const bool named = !host.isEmpty() && !port.isEmpty() && !user.isEmpty();
    if (named && pgAnswers(host, port, user))
        return true;
    // The caller skips; a run that started a server counts that skip as a failure.
    if (pgRequired())
        QTest::qFail(named
                         ? "the PostgreSQL test server does not answer, although this run started one"
                         : "QUILLMERE_PG_HOST, QUILLMERE_PG_PORT and QUILLMERE_PG_USER are not set, although "
                           "this run started a PostgreSQL test server",
                     __FILE__, __LINE__);
    return false;
}

QString pgFixture(const QString& script)
{
    if (!pgAvailable())
        return {};
    const QString path = fixturePath(script);
    const QString host = qEnvironmentVariable("QUILLMERE_PG_HOST");
    const QString port = qEnvironmentVariable("QUILLMERE_PG_PORT");
    const QString user = qEnvironmentVariable("QUILLMERE_PG_USER");
    // Unique per process and call, so tests running in parallel never share a database.
    static std::atomic<int> counter{0};
    const QString name =
        QStringLiteral("qm_%1_%2_%3")
            .arg(QFileInfo(path).completeBaseName().toLower().replace(QLatin1Char('-'), QLatin1Char('_')))
            .arg(QCoreApplication::applicationPid())
            .arg(++counter);
    const QStringList server = psqlServerArguments(host, port, user);
    if (!runTool(QStringLiteral("psql"),
                 server + QStringList{QStringLiteral("-d"), QStringLiteral("postgres"), QStringLiteral("-c"),
                                      QStringLiteral("CREATE DATABASE %1").arg(name)}))
        return {};
    if (!runTool(QStringLiteral("psql"),
                 server + QStringList{QStringLiteral("-d"), name, QStringLiteral("-f"), path}))
        return {};
    return QStringLiteral(
               "DRIVER={PostgreSQL Unicode};Server=%1;Port=%2;Database=%3;Uid=%4;Pwd=;BoolsAsChar=0;")
        .arg(host, port, name, user);
}

namespace
{

QStringList mariadbServerArguments(const QString& host, const QString& port, const QString& user)
{
    return {QStringLiteral("--no-defaults"),
            QStringLiteral("--protocol=tcp"),
            QStringLiteral("-h"),
            host,
            QStringLiteral("-P"),
            port,
            QStringLiteral("-u"),
            user,
            QStringLiteral("--batch")};
}

bool mariadbAnswers(const QString& host, const QString& port, const QString& user)
{
    static QHash<QString, bool> answers;
    const QString key = host + QLatin1Char(':') + port + QLatin1Char(':') + user;
    if (!answers.contains(key))
        answers.insert(key, runTool(QStringLiteral("mariadb"),
                                    mariadbServerArguments(host, port, user) +
                                        QStringList{QStringLiteral("-e"), QStringLiteral("SELECT 1")}));
    return answers.value(key);
}

} // namespace

bool mariadbRequired()
{
    return qEnvironmentVariable("QUILLMERE_MARIADB_REQUIRED") == QLatin1String("1");
}

bool mariadbAvailable()
{
    const QString host = qEnvironmentVariable("QUILLMERE_MARIADB_HOST");
    const QString port = qEnvironmentVariable("QUILLMERE_MARIADB_PORT");
    const QString user = qEnvironmentVariable("QUILLMERE_MARIADB_USER");
    const bool named = !host.isEmpty() && !port.isEmpty() && !user.isEmpty();
    if (named && mariadbAnswers(host, port, user))
        return true;
    if (mariadbRequired())
        QTest::qFail(named ? "the MariaDB test server does not answer, although this run started one"
                           : "QUILLMERE_MARIADB_HOST, QUILLMERE_MARIADB_PORT and QUILLMERE_MARIADB_USER are "
                             "not set, although this run started a MariaDB test server",
                     __FILE__, __LINE__);
    return false;
}

QString mariadbFixture(const QString& script)
{
    if (!mariadbAvailable())
        return {};
    const QString path = fixturePath(script);
    const QString host = qEnvironmentVariable("QUILLMERE_MARIADB_HOST");
    const QString port = qEnvironmentVariable("QUILLMERE_MARIADB_PORT");
    const QString user = qEnvironmentVariable("QUILLMERE_MARIADB_USER");
    static std::atomic<int> counter{0};
    const QString name =
        QStringLiteral("qm_%1_%2_%3")
            .arg(QFileInfo(path).completeBaseName().toLower().replace(QLatin1Char('-'), QLatin1Char('_')))
            .arg(QCoreApplication::applicationPid())
            .arg(++counter);
    const QStringList server = mariadbServerArguments(host, port, user);
    if (!runTool(QStringLiteral("mariadb"),
                 server + QStringList{QStringLiteral("-e"), QStringLiteral("CREATE DATABASE %1").arg(name)}))
        return {};
    if (!runTool(QStringLiteral("mariadb"), server + QStringList{name}, path))
        return {};
    return QStringLiteral("DRIVER={MariaDB Unicode};Server=%1;Port=%2;Database=%3;Uid=%4;Pwd=;")
        .arg(host, port, name, user);
}

QString writeOdbcIni(const QString& dir, const QList<QPair<QString, QStringList>>& dataSources)
{
    QStringList lines;
    for (const auto& [name, body] : dataSources) {
        lines << QLatin1Char('[') + name + QLatin1Char(']');
        lines << body;
        lines << QString();
    }
    const QString path = QDir(dir).filePath(QStringLiteral("odbc.ini"));
    if (!writeLines(path, lines))
        return {};
    qputenv("ODBCINI", QFile::encodeName(path));
    return path;
}

QString writeProvidersFile(const QString& dir, const QStringList& lines)
{
    const QString path = QDir(dir).filePath(QStringLiteral("providers.ini"));
    if (!writeLines(path, lines))
        return {};
    qputenv("QUILLMERE_PROVIDERS", QFile::encodeName(path));
    return path;
}

} // namespace testsupport
