#include "app/history_file.h"

#include "platform/text_file.h"
#include "platform/trim_spaces.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstdio>
#include <iterator>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app
{

namespace
{

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

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

// The original bytes of every line that UTF-8 cannot hold, keyed as historyLines writes
// the entry it gives.
HistoryOriginals undecodableLines(const QByteArray& bytes)
{
    HistoryOriginals originals;
    for (QByteArray line : bytes.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || QString::fromUtf8(line).toUtf8() == line)
            continue;
        const QString text = QString::fromUtf8(line);
        const int kind = lineKind(text.at(0));
        // The bytes after the kind character: the shortest tail that reads as the value.
        qsizetype kindBytes = 1;
        while (kindBytes < 4 && kindBytes < line.size() &&
               QString::fromUtf8(line.mid(kindBytes)) != text.mid(1))
            ++kindBytes;
        const QByteArray value = line.mid(kindBytes);
        if (kind > 3 || QString::fromUtf8(value) != text.mid(1))
            continue;
        const QString trimmed = platform::trimSpaces(text.mid(1));
        qsizetype from = 0, to = value.size();
        while (from < to && value.at(from) == ' ')
            ++from;
        while (to > from && value.at(to - 1) == ' ')
            --to;
        originals.insert(QString::number(kind) + trimmed,
                         QByteArray::number(kind) + value.mid(from, to - from));
    }
    return originals;
}

// Whether the file may be replaced: absent, or writable by the user and not made
// read-only (a mode without the owner's write bit says "keep", even to root).
bool replaceable(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {
    };
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT;
    return (info.st_mode & S_IWUSR) && ::access(name.constData(), W_OK) == 0;
}

} // namespace

HistoryLists parseHistoryLines(const QStringList& lines)
{
    QStringList taken;
    QSet<QString> seen;
    for (const QString& line : lines) {
        if (line.isEmpty() || seen.contains(line) || taken.size() >= kHistorySlots)
            continue;
        seen.insert(line);
        taken.append(line);
    }
    // The list of each kind; a line of another kind is dropped.
    static constexpr QStringList HistoryLists::*kListOfKind[] = {&HistoryLists::db, &HistoryLists::adb,
                                                                 &HistoryLists::ocnx, &HistoryLists::sdb};
    HistoryLists lists;
    for (const QString& line : taken) {
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
    if (!QFileInfo::exists(path)) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) {
            file.close();
            QFile::setPermissions(path, kOwnerOnly);
        }
        return result;
    }
    const platform::TextFileLines read = platform::readTextLines(path, platform::TextEncoding::Utf8);
    if (!read.ok) {
        result.readable = false;
        return result;
    }
    result.lists = parseHistoryLines(read.lines);
    if (read.lines.join(QString()).contains(QChar::ReplacementCharacter)) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            result.originals = undecodableLines(file.readAll());
    }
    return result;
}

bool writeHistoryFile(const QString& path, const HistoryLists& lists, const HistoryOriginals& originals)
{
    if (!replaceable(path))
        return false;
    QByteArray bytes;
    for (const QString& line : historyLines(lists))
        bytes += originals.value(line, line.toUtf8()) + "\r\n";

    const QString temporary = path + QStringLiteral(".new");
    QFile file(temporary);
    // Created owner-only; a temporary left over from an earlier run is narrowed as well.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, kOwnerOnly))
        return false;
    file.setPermissions(kOwnerOnly);
    // The bytes reach the disk before the rename, so a crash or power loss right after
    // Exit leaves the old file or the new one, never an empty or partial one.
    const bool written = file.write(bytes) == bytes.size() && file.flush() && ::fsync(file.handle()) == 0;
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        QFile::remove(temporary);
        return false;
    }
    // rename() replaces the old file in one step.
    if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        return false;
    }
    syncFolder(QFileInfo(path).absolutePath());
    return true;
}

} // namespace app
