#include "platform/staged_files.h"
#include "platform/folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform
{

namespace
{

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The temporary name of `fileName`: hidden, with a random part, ".part" at its end.
QString tempName(const QString& fileName)
{
    return QLatin1Char('.') + fileName + QLatin1Char('.') +
           QString::number(QRandomGenerator::system()->generate64(), 36)
               .rightJustified(13, QLatin1Char('0')) +
           QStringLiteral(".part");
}

bool isTempName(const QString& name)
{
    // The random part is a 64-bit number in base 36, 13 digits; earlier builds wrote it without
    // leading zeros, which leaves 11 or more digits but for one name in thousands. A hidden
    // ".notes.pdf.part" of the user's is no name of ours.
    static const QRegularExpression pattern(QStringLiteral(R"(^\..+\.[0-9a-z]{11,13}\.part$)"));
    return pattern.match(name).hasMatch();
}

// A new temporary file beside `finalPath`, under a name no other file has: created with
// O_EXCL, so that nothing planted at that name is opened instead.
int createBeside(const QString& finalPath, QString* tempPath, QString* error)
{
    const QFileInfo target(finalPath);
    const QString folder = target.path() + QLatin1Char('/');
    for (int attempt = 0; attempt < 64; ++attempt) {
        const QString candidate = folder + tempName(target.fileName());
        const QByteArray name = QFile::encodeName(candidate);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            *tempPath = candidate;
            return fd;
        }
        if (errno != EEXIST) {
            *error = systemReason(errno);
            return -1;
        }
    }
    *error = systemReason(EEXIST);
    return -1;
}

// Copies what a regular file at `finalPath` holds into `fd`, and its permissions; nothing
// when no regular file is there (a link or a pipe is not read through).
bool copyExisting(const QString& finalPath, int fd, QString* error)
{
    const QByteArray name = QFile::encodeName(finalPath);
    const int in = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (in < 0)
        return true;
    struct stat info = {};
    bool ok = true;
    if (::fstat(in, &info) == 0 && S_ISREG(info.st_mode)) {
        ::fchmod(fd, info.st_mode & 07777);
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(in, buffer, sizeof(buffer));
            if (got == 0)
                break;
            if (got < 0) {
                if (errno == EINTR)
                    continue;
                *error = systemReason(errno);
                ok = false;
                break;
            }
            for (ssize_t written = 0; written < got;) {
                const ssize_t put = ::write(fd, buffer + written, std::size_t(got - written));
                if (put < 0 && errno == EINTR)
                    continue;
                if (put <= 0) {
                    *error = systemReason(errno);
                    ::close(in);
                    return false;
                }
                written += put;
            }
        }
    }
    ::close(in);
    return ok;
}

// The permissions of the regular file `standing` at the final name, kept by the file that
// replaces it.
void keepPermissions(const std::optional<struct stat>& standing, int fd)
{
    if (standing && S_ISREG(standing->st_mode))
        ::fchmod(fd, standing->st_mode & 07777);
}

} // namespace

StagedFiles::~StagedFiles()
{
    discard();
}

int StagedFiles::open(const QString& finalPath, OpenMode mode, QString* error)
{
    const auto known = byFinal_.constFind(finalPath);
    if (known != byFinal_.cend() && mode == OpenMode::Append) {
        const Entry& entry = entries_[*known];
        const int fd = ::open(QFile::encodeName(entry.tempPath).constData(),
                              O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            *error = systemReason(errno);
        return fd;
    }
    // What stands at the final name now, looked at once. A folder there could never be
    // replaced: told now, as opening it would.
    std::optional<struct stat> standing{std::in_place};
    if (::lstat(QFile::encodeName(finalPath).constData(), &*standing) != 0)
        standing.reset();
    if (standing && S_ISDIR(standing->st_mode)) {
        *error = systemReason(EISDIR);
        return -1;
    }
    QString tempPath;
    const int fd = createBeside(finalPath, &tempPath, error);
    if (fd < 0)
        return -1;
    const bool filled = mode == OpenMode::Append ? copyExisting(finalPath, fd, error) : true;
    if (mode == OpenMode::Output)
        keepPermissions(standing, fd);
    if (!filled) {
        ::close(fd);
        ::unlink(QFile::encodeName(tempPath).constData());
        return -1;
    }
    if (known != byFinal_.cend()) {
        // Written afresh: what this run wrote there before is dropped.
        Entry& entry = entries_[*known];
        ::unlink(QFile::encodeName(entry.tempPath).constData());
        entry.tempPath = tempPath;
        entry.spoiled = false;
    } else {
        byFinal_.insert(finalPath, entries_.size());
        entries_.append({finalPath, tempPath, false});
    }
    return fd;
}

bool StagedFiles::open(TextFileWriter& writer, const QString& finalPath, OpenMode mode, TextEncoding encoding)
{
    QString error;
    const int fd = open(finalPath, mode, &error);
    if (fd < 0) {
        writer.failOpen(finalPath, error);
        return false;
    }
    if (writer.openDescriptor(fd, finalPath, encoding))
        return true;
    // Nothing can be written there: the earlier file stays.
    spoil(finalPath);
    return false;
}

void StagedFiles::spoil(const QString& finalPath)
{
    if (const auto known = byFinal_.constFind(finalPath); known != byFinal_.cend())
        entries_[*known].spoiled = true;
}

QStringList StagedFiles::place()
{
    QStringList problems;
    for (const Entry& entry : std::as_const(entries_)) {
        const QByteArray temp = QFile::encodeName(entry.tempPath);
        if (entry.spoiled) {
            ::unlink(temp.constData());
            continue;
        }
        if (::rename(temp.constData(), QFile::encodeName(entry.finalPath).constData()) != 0) {
            problems.append(QStringLiteral("%1: cannot be put in place (%2)")
                                .arg(QDir::toNativeSeparators(entry.finalPath), systemReason(errno)));
            ::unlink(temp.constData());
        }
    }
    entries_.clear();
    byFinal_.clear();
    return problems;
}

int StagedFiles::removeLeftovers(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    DIR* dir = ::opendir(path.constData());
    if (!dir)
        return 0;
    int removed = 0;
    const int dirFd = ::dirfd(dir);
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTempName(QFile::decodeName(entry->d_name)))
            continue;
        // Looked at without following a link; only a regular file goes.
        struct stat info = {};
        if (::fstatat(dirFd, entry->d_name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
            ::unlinkat(dirFd, entry->d_name, 0) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

std::optional<QString> StagedFiles::cannotWriteIn(const QString& folder)
{
    QString tempPath, error;
    const int fd =
        createBeside(withTrailingSeparator(folder) + QStringLiteral("folder-check"), &tempPath, &error);
    if (fd < 0)
        return error;
    ::close(fd);
    ::unlink(QFile::encodeName(tempPath).constData());
    return std::nullopt;
}

void StagedFiles::discard()
{
    for (const Entry& entry : std::as_const(entries_))
        ::unlink(QFile::encodeName(entry.tempPath).constData());
    entries_.clear();
    byFinal_.clear();
}

} // namespace platform
