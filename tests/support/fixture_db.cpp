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

// The server a run names with QUILLMERE_<kind>_HOST, _PORT and _USER.
struct TestServer {
    QString host, port, user;
    bool named() const { return !host.isEmpty() && !port.isEmpty() && !user.isEmpty(); }
};

TestServer testServer(const char* kind)
{
    const auto variable = [kind](const char* part) {
        return qEnvironmentVariable(QStringLiteral("QUILLMERE_%1_%2")
                                        .arg(QLatin1String(kind), QLatin1String(part))
                                        .toLatin1()
                                        .constData());
    };
    return {variable("HOST"), variable("PORT"), variable("USER")};
}

// Whether the named server answers. When it does not and the run started one, the running
// test fails: the caller skips, and that skip counts as a failure.
bool serverAvailable(const TestServer& server, bool answers, bool required, const char* product,
                     const char* kind)
{
    if (server.named() && answers)
        return true;
    if (required) {
        const QString why =
            server.named()
                ? QStringLiteral("the %1 test server does not answer, although this run started one")
                      .arg(QLatin1String(product))
                : QStringLiteral(
                      "QUILLMERE_%1_HOST, QUILLMERE_%1_PORT and QUILLMERE_%1_USER are not set, although "
                      "this run started a %2 test server")
                      .arg(QLatin1String(kind), QLatin1String(product));
        QTest::qFail(qPrintable(why), __FILE__, __LINE__);
    }
    return false;
}

// A database name of its own for a fixture script: unique per process and call, so tests
// running in parallel never share a database.
QString freshDatabaseName(const QString& scriptPath)
{
    static std::atomic<int> counter{0};
    return QStringLiteral("qm_%1_%2_%3")
        .arg(QFileInfo(scriptPath).completeBaseName().toLower().replace(QLatin1Char('-'), QLatin1Char('_')))
        .arg(QCoreApplication::applicationPid())
        .arg(++counter);
}

} // namespace

bool pgRequired()
{
    return qEnvironmentVariable("QUILLMERE_PG_REQUIRED") == QLatin1String("1");
}

bool pgAvailable()
{
    const TestServer server = testServer("PG");
    return serverAvailable(server, server.named() && pgAnswers(server.host, server.port, server.user),
                           pgRequired(), "PostgreSQL", "PG");
}

QString pgFixture(const QString& script)
{
    if (!pgAvailable())
        return {};
    const QString path = fixturePath(script);
    const auto [host, port, user] = testServer("PG");
    const QString name = freshDatabaseName(path);
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
    const TestServer server = testServer("MARIADB");
    return serverAvailable(server, server.named() && mariadbAnswers(server.host, server.port, server.user),
                           mariadbRequired(), "MariaDB", "MARIADB");
}

QString mariadbFixture(const QString& script)
{
    if (!mariadbAvailable())
        return {};
    const QString path = fixturePath(script);
    const auto [host, port, user] = testServer("MARIADB");
    const QString name = freshDatabaseName(path);
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
