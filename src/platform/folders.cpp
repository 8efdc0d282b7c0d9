#include "platform/folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

QString programFolder()
{
    const QString home = qEnvironmentVariable("QUILLMERE_HOME");
    if (!home.isEmpty()) {
        QDir().mkpath(home);
        return QDir::cleanPath(QDir(home).absolutePath());
    }
    const QString exeFolder = QCoreApplication::applicationDirPath();
    if (!exeFolder.isEmpty() && ::access(QFile::encodeName(exeFolder).constData(), W_OK) == 0)
        return exeFolder;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

void smkdir(const QString& path)
{
    const QChar separator = QLatin1Char('/');
    qsizetype next = path.indexOf(separator);
    if (next < 0)
        return;
    // The deepest level already a folder: every level above it is one too. A run of many
    // files asks for its folder again and again, and one look answers.
    struct stat deepest = {};
    if (::stat(QFile::encodeName(path.left(path.lastIndexOf(separator))).constData(), &deepest) == 0 &&
        S_ISDIR(deepest.st_mode))
        return;
    QDir dir;
    while ((next = path.indexOf(separator, next + 1)) >= 0)
        dir.mkdir(path.left(next)); // an existing or impossible level is passed over
}

QString withTrailingSeparator(const QString& folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

} // namespace platform
