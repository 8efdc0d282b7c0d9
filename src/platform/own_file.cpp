#include "platform/own_file.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

namespace
{

QString notRegular(const QString& path)
{
    return QStringLiteral("%1 is not a regular file").arg(QFileInfo(path).fileName());
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// "<file> is not a regular file" when the name holds something else; empty when it holds a
// regular file or nothing. `follow`: a link is judged by what it leads to.
QString refusalAt(const QString& path, bool follow)
{
    struct stat info {
    };
    const QByteArray name = QFile::encodeName(path);
    if ((follow ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info)) != 0)
        return {};
    return S_ISREG(info.st_mode) ? QString() : notRegular(path);
}

int openRegular(const QString& path, int flags, QString* error, mode_t mode, bool follow)
{
    // Checked before the open too, so that no device or FIFO is ever opened.
    QString refusal = refusalAt(path, follow);
    if (refusal.isEmpty()) {
        const int descriptor = ::open(QFile::encodeName(path).constData(),
                                      flags | (follow ? 0 : O_NOFOLLOW) | O_NONBLOCK | O_CLOEXEC, mode);
        const int openError = errno;
        if (descriptor >= 0) {
            struct stat info {
            };
            if (::fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode)) {
                ::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK);
                return descriptor;
            }
            ::close(descriptor);
            refusal = notRegular(path);
        } else {
            // Something put in place since the check (ELOOP: a link, ENXIO: a FIFO nobody
            // reads) reads as a refusal.
            refusal = refusalAt(path, follow);
            if (refusal.isEmpty())
                refusal = (openError == ELOOP && !follow) || openError == ENXIO ? notRegular(path)
                                                                                : systemReason(openError);
        }
    }
    if (error)
        *error = refusal;
    return -1;
}

} // namespace

QString ownFileRefusal(const QString& path)
{
    return refusalAt(path, /*follow=*/false);
}

int openOwnFile(const QString& path, int flags, QString* error, mode_t mode)
{
    return openRegular(path, flags, error, mode, /*follow=*/false);
}

int openRegularFile(const QString& path, int flags, QString* error, mode_t mode)
{
    return openRegular(path, flags, error, mode, /*follow=*/true);
}

int createTemporaryBeside(const QString& path, QString* temporaryPath, QString* error)
{
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    int lastError = EEXIST;
    for (int attempt = 0; attempt < 100 && lastError == EEXIST; ++attempt) {
        QString name = path + QLatin1Char('.');
        for (int i = 0; i < 8; ++i)
            name += QLatin1Char(kLetters[QRandomGenerator::system()->bounded(int(sizeof kLetters - 1))]);
        const int descriptor = ::open(QFile::encodeName(name).constData(),
                                      O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (descriptor >= 0) {
            if (temporaryPath)
                *temporaryPath = name;
            return descriptor;
        }
        lastError = errno;
    }
    if (error)
        *error = systemReason(lastError);
    return -1;
}

} // namespace platform
