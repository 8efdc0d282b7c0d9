#include "cssbuilder/builder_files.h"

#include "platform/own_file.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace cssbuilder
{

namespace
{
constexpr platform::TextEncoding kEncoding = platform::TextEncoding::Utf8;
}

QString writeBuilderFile(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toUtf8() + "\r\n";
    // Opened in place without following a link, and never waiting on a FIFO: anything but
    // a regular file at the name is refused like a file that cannot be written.
    QString error;
    const int descriptor = platform::openOwnFile(path, O_WRONLY | O_CREAT | O_TRUNC, &error);
    if (descriptor < 0)
        return error;
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error = QString::fromLocal8Bit(std::strerror(n < 0 ? errno : ENOSPC));
            break;
        }
        done += n;
    }
    if (::close(descriptor) != 0 && error.isEmpty())
        error = QString::fromLocal8Bit(std::strerror(errno));
    return error;
}

platform::TextFileLines readBuilderFile(const QString& path)
{
    return platform::readTextLines(path, kEncoding);
}

} // namespace cssbuilder
