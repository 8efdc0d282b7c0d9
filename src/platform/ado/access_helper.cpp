#include "platform/ado/access_helper.h"
#include "platform/ado/access_catalogue_wire.h"
#include "platform/dropped_status.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <sys/resource.h>

namespace platform::ado
{

namespace
{

// More than any catalogue: a helper that writes on is looping.
constexpr qsizetype kMaxMessage = 64 * 1024 * 1024;

// Runs the helper with `arguments` and reads its message.
Status runReader(const QString& path, const QStringList& arguments, const QByteArray& request,
                 std::chrono::milliseconds limit, AccessCatalogue* out)
{
    const QString program = accessReaderProgram();
    QProcess helper;
    helper.setProgram(program);
    helper.setArguments(arguments);
    helper.setChildProcessModifier([] {
#ifndef __SANITIZE_ADDRESS__
        // (AddressSanitizer's shadow memory alone is larger: its builds go without.)
        const rlimit memory{kAccessReaderMemory, kAccessReaderMemory};
        setrlimit(RLIMIT_AS, &memory);
#endif
        const rlimit noCore{0, 0};
        setrlimit(RLIMIT_CORE, &noCore);
    });
    QElapsedTimer clock;
    clock.start();
    helper.start();
    if (!helper.waitForStarted(int(limit.count())))
        return Status::failure(QStringLiteral("the reader of Access files (%1) cannot be started: %2")
                                   .arg(program, helper.errorString()));
    // The request goes in on standard input: an ODBC string may hold a password.
    helper.write(request);
    helper.closeWriteChannel();
    QByteArray message;
    qint64 warnings = 0;
    bool overran = false, tooLong = false;
    const auto drain = [&] {
        message += helper.readAllStandardOutput();
        warnings += helper.readAllStandardError().count('\n');
    };
    while (helper.state() != QProcess::NotRunning) {
        helper.waitForFinished(50);
        drain();
        tooLong = clock.elapsed() > limit.count();
        overran = message.size() > kMaxMessage;
        if (tooLong || overran) {
            helper.kill();
            helper.waitForFinished(-1);
            break;
        }
    }
    drain();
    if (warnings > 0)
        qCWarning(droppedStatus).noquote()
            << QStringLiteral("MDBTools' library wrote %1 warning lines reading %2 (not shown)")
                   .arg(warnings)
                   .arg(path);
    const QString damaged = QStringLiteral("the file is damaged or is no Access file");
    if (tooLong)
        return Status::failure(QStringLiteral("reading %1 did not end within %2 s: %3")
                                   .arg(path)
                                   .arg(std::chrono::duration_cast<std::chrono::seconds>(limit).count())
                                   .arg(damaged));
    if (overran)
        return Status::failure(QStringLiteral("reading %1 gave more than %2 MB: %3")
                                   .arg(path)
                                   .arg(kMaxMessage / (1024 * 1024))
                                   .arg(damaged));
    if (helper.exitStatus() == QProcess::CrashExit)
        return Status::failure(
            QStringLiteral("reading %1 made MDBTools' library crash or use more than %2 MB: %3")
                .arg(path)
                .arg(kAccessReaderMemory / (1024 * 1024))
                .arg(damaged));
    if (helper.exitCode() != 0)
        return Status::failure(QStringLiteral("the reader of Access files (%1) ended with code %2 on %3")
                                   .arg(program)
                                   .arg(helper.exitCode())
                                   .arg(path));
    Status read;
    AccessCatalogue catalogue;
    if (!fromAccessCatalogueMessage(message, &read, &catalogue))
        return Status::failure(
            QStringLiteral("the reader of Access files gave no readable answer for %1").arg(path));
    if (out)
        *out = std::move(catalogue);
    return read;
}

} // namespace

namespace
{
bool inThisProcess = false;
}

void readAccessFilesInThisProcess()
{
    inThisProcess = true;
}

bool readsAccessFilesInThisProcess()
{
    return inThisProcess;
}

QString accessReaderProgram()
{
    const QString name = QStringLiteral("quillmere-access-reader");
    const QString beside = QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
    if (QFileInfo(beside).isExecutable())
        return beside;
#ifdef QUILLMERE_ACCESS_READER_BUILT
    // Tests and tools built with the program run from other folders of the build.
    return QStringLiteral(QUILLMERE_ACCESS_READER_BUILT);
#else
    return beside;
#endif
}

Status readAccessCatalogueApart(const QString& odbcString, const QString& path,
                                std::chrono::milliseconds limit, AccessCatalogue* out)
{
    *out = AccessCatalogue();
    QByteArray request;
    QDataStream s(&request, QIODevice::WriteOnly);
    s << odbcString << path;
    return runReader(path, {QStringLiteral("--catalogue")}, request, limit, out);
}

Status checkAccessRowsApart(const QString& odbcString, const QString& sql, const QString& table,
                            std::chrono::milliseconds limit)
{
    const QString path = accessFileOf(odbcString);
    QByteArray request;
    QDataStream s(&request, QIODevice::WriteOnly);
    s << odbcString << sql << path << table;
    return runReader(path, {QStringLiteral("--rows")}, request, limit, nullptr);
}

} // namespace platform::ado
