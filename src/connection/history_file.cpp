#include "connection/history_file.h"

#include "platform/own_file.h"
#include "platform/trim_spaces.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstdio>
#include <iterator>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace connection
{

namespace
{

// Makes a rename in the folder durable. The file is already replaced when this runs, so
// a failure here changes nothing about the result.
void syncFolder(const QString& folder)
{
    const int descriptor = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    ::fsync(descriptor);
    ::close(descriptor);
}

// The kind of a line: the value of its first character when a digit, else 0.
int lineKind(QChar first)
{
    return first >= QLatin1Char('0') && first <= QLatin1Char('9') ? first.unicode() - '0' : 0;
}

// The entry of a line that UTF-8 cannot hold, keyed as historyLines writes the entry it
// gives, with the line's own bytes; nothing for a line that reads back as its bytes.
void keepUndecodable(const QByteArray& line, const QString& text, HistoryOriginals& originals)
{
    if (line.isEmpty() || text.toUtf8() == line)
        return;
    const int kind = lineKind(text.at(0));
    // The bytes after the kind character: the shortest tail that reads as the value.
    qsizetype kindBytes = 1;
    while (kindBytes < 4 && kindBytes < line.size() && QString::fromUtf8(line.mid(kindBytes)) != text.mid(1))
        ++kindBytes;
    const QByteArray value = line.mid(kindBytes);
    if (kind > 3 || QString::fromUtf8(value) != text.mid(1))
        return;
    const QString trimmed = platform::trimSpaces(text.mid(1));
    qsizetype from = 0, to = value.size();
    while (from < to && value.at(from) == ' ')
        ++from;
    while (to > from && value.at(to - 1) == ' ')
        --to;
    originals.insert(QString::number(kind) + trimmed, QByteArray::number(kind) + value.mid(from, to - from));
}

// The lines parseHistoryLines takes, gathered one at a time: repeats and empty lines
// passed over, at most kHistorySlots taken.
class TakenLines
{
public:
    bool full() const { return lines_.size() >= kHistorySlots; }
    // Whether the line is taken.
    bool offer(const QString& line)
    {
        if (line.isEmpty() || full() || seen_.contains(line))
            return false;
        seen_.insert(line);
        lines_.append(line);
        return true;
    }
    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
    QSet<QString> seen_;
};

// Whether the file may be replaced: absent, or a regular file writable by the user and
// not made read-only (a mode without the owner's write bit says "keep", even to root).
// Why the file at `path` may not be replaced, or nothing when it may (or is not there).
QString notReplaceable(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {
    };
    if (::lstat(name.constData(), &info) != 0)
        return errno == ENOENT ? QString() : QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("%1 is not a regular file").arg(QFileInfo(path).fileName());
    if (!(info.st_mode & S_IWUSR) || ::access(name.constData(), W_OK) != 0)
        return QStringLiteral("%1 is read-only").arg(QFileInfo(path).fileName());
    return {};
}

} // namespace

HistoryLists parseHistoryLines(const QStringList& lines)
{
    TakenLines taken;
    for (const QString& line : lines) {
        if (taken.full())
            break;
        taken.offer(line);
    }
    // The list of each kind; a line of another kind is dropped.
    static constexpr QStringList HistoryLists::*kListOfKind[] = {&HistoryLists::db, &HistoryLists::adb,
                                                                 &HistoryLists::ocnx, &HistoryLists::sdb};
    HistoryLists lists;
    for (const QString& line : taken.lines()) {
        const int kind = lineKind(line.at(0));
        if (kind < int(std::size(kListOfKind)))
            (lists.*kListOfKind[kind]).append(platform::trimSpaces(line.mid(1)));
    }
    return lists;
}

QStringList historyLines(const HistoryLists& lists)
{
    QStringList lines;
    const QStringList* groups[] = {&lists.db, &lists.adb, &lists.ocnx, &lists.sdb};
    for (int kind = 0; kind < 4; ++kind) {
        for (const QString& entry : *groups[kind]) {
            if (!platform::trimSpaces(entry).isEmpty())
                lines.append(QString::number(kind) + entry);
        }
    }
    return lines;
}

HistoryRead readHistoryFile(const QString& path)
{
    HistoryRead result;
    QString error;
    const bool exists = QFileInfo::exists(path) || !platform::ownFileRefusal(path).isEmpty();
    if (!exists) {
        const int created = platform::openOwnFile(path, O_WRONLY | O_CREAT | O_EXCL, &error, 0600);
        if (created >= 0)
            ::close(created);
        return result;
    }
    // Read as a stream: only the lines the lists take are kept, and reading stops once
    // they are all taken.
    QFile file;
    const int descriptor = platform::openOwnFile(path, O_RDONLY, &error);
    if (descriptor < 0 || !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (descriptor >= 0)
            ::close(descriptor);
        result.readable = false;
        return result;
    }
    TakenLines taken;
    while (!taken.full()) {
        QByteArray line = file.readLine();
        if (line.isEmpty())
            break;
        if (line.endsWith('\n'))
            line.chop(1);
        if (line.endsWith('\r'))
            line.chop(1);
        const QString text = QString::fromUtf8(line);
        if (taken.offer(text))
            keepUndecodable(line, text, result.originals);
    }
    if (file.error() != QFileDevice::NoError) {
        result.readable = false;
        result.originals.clear();
        return result;
    }
    result.lists = parseHistoryLines(taken.lines());
    return result;
}

bool writeHistoryFile(const QString& path, const HistoryLists& lists, const HistoryOriginals& originals,
                      QString* reason)
{
    const auto fail = [reason](const QString& why) {
        if (reason)
            *reason = why;
        return false;
    };
    if (const QString refusal = notReplaceable(path); !refusal.isEmpty())
        return fail(refusal);
    QByteArray bytes;
    for (const QString& line : historyLines(lists))
        bytes += originals.value(line, line.toUtf8()) + "\r\n";

    // A new owner-only file of its own: nothing planted beside the history is written to.
    QString temporary;
    QString error;
    const int descriptor = platform::createTemporaryBeside(path, &temporary, &error);
    QFile file;
    if (descriptor < 0)
        return fail(error);
    if (!file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        QFile::remove(temporary);
        return fail(file.errorString());
    }
    // The bytes reach the disk before the rename, so a crash or power loss right after
    // Exit leaves the old file or the new one, never an empty or partial one.
    const bool written = file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        error = file.error() != QFileDevice::NoError ? file.errorString()
                                                     : QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporary);
        return fail(error);
    }
    // rename() replaces the old file in one step (a link put there since is replaced, not followed).
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        error = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(temporary);
        return fail(error);
    }
    syncFolder(QFileInfo(path).absolutePath());
    return true;
}

} // namespace connection
