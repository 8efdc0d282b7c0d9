#pragma once
// The connection history file "Quillmere.ini" in the program's folder: one entry per
// line, a kind digit followed by the value (0 Oracle service, 1 Access file, 2 full
// connection string, 3 SQL Server database), UTF-8, CR LF line ends.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace connection
{

inline constexpr char kHistoryFileName[] = "Quillmere.ini";
inline constexpr int kHistorySlots = 1000;

// The four history lists, in the order of their kind digits.
struct HistoryLists {
    QStringList db;   // kind 0
    QStringList adb;  // kind 1
    QStringList ocnx; // kind 2
    QStringList sdb;  // kind 3

    bool operator==(const HistoryLists&) const = default;
};

// Lines of the file that are not UTF-8, by the line they read as (kind digit and trimmed
// value, as historyLines gives it back): an entry nobody changed is written back with
// its own bytes rather than with replacement characters.
using HistoryOriginals = QHash<QString, QByteArray>;

struct HistoryRead {
    HistoryLists lists;
    // False when an existing file could not be read: writing the lists back then would
    // replace entries that were never loaded.
    bool readable = true;
    HistoryOriginals originals;
};

// Lines to lists: exact repeats and empty lines dropped, at most 1000 distinct lines
// taken, values trimmed of spaces, kinds 4 to 9 ignored.
HistoryLists parseHistoryLines(const QStringList& lines);
// Lists to lines, grouped by kind; entries that are blank once trimmed are left out.
QStringList historyLines(const HistoryLists& lists);

// Reads the file as a stream, keeping only the lines the lists take; a missing file is
// created empty (owner-only). Anything but a regular file at the name (a link, a FIFO) is
// not read, and so never replaced.
HistoryRead readHistoryFile(const QString& path);
// Rewrites the file through a new temporary file of its own, synced to disk, and a rename,
// so a failure or a crash leaves the old file whole. A file the user cannot write, made
// read-only, or that is not a regular file is left as it is. Returns false when nothing
// was replaced, with the reason in `reason` when given.
[[nodiscard]] bool writeHistoryFile(const QString& path, const HistoryLists& lists,
                                    const HistoryOriginals& originals = {}, QString* reason = nullptr);

} // namespace connection
