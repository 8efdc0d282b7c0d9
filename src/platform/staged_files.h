#pragma once
// The files of one run, written beside their final names and put in place together when
// the run ends: a run that stops half-way, or is killed, leaves the files of the earlier
// run as they were (a killed run may leave a temporary file beside them).

#include "platform/text_file.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace platform
{

class StagedFiles
{
public:
    StagedFiles() = default;
    ~StagedFiles(); // removes what was not put in place
    StagedFiles(const StagedFiles&) = delete;
    StagedFiles& operator=(const StagedFiles&) = delete;

    // A descriptor open for writing on the temporary file that stands for `finalPath`:
    // for Output a new one (whatever this run wrote to that name before is dropped); for
    // Append the one this run wrote, or a new one holding a copy of the file now at that
    // name. Temporary files are created new and exclusive, never through a link. -1 with
    // the system's reason in `error` when it cannot be opened.
    int open(const QString& finalPath, OpenMode mode, QString* error);
    // Opens `writer` on open(finalPath, mode), its messages naming the final path.
    bool open(TextFileWriter& writer, const QString& finalPath, OpenMode mode, TextEncoding encoding);
    // A file whose writing failed: it is not put in place, the earlier file stays.
    void spoil(const QString& finalPath);

    // Renames every temporary file to its final name, in the order they were first
    // opened; the name is replaced as a name (a link or a pipe there is replaced, never
    // written through). One problem line for each file that could not be put in place.
    QStringList place();
    // Removes every temporary file not yet put in place.
    void discard();
    bool isEmpty() const { return entries_.isEmpty(); }

    // Removes the temporary files that runs killed before their end left in `folder`:
    // regular files of this class's naming pattern only (a link, a folder, a pipe or a file
    // of another name stays). Returns how many were removed.
    static int removeLeftovers(const QString& folder);
    // Whether a temporary file can be made in `folder` (it is made and removed again): the
    // system's reason when it cannot.
    static std::optional<QString> cannotWriteIn(const QString& folder);

private:
    struct Entry {
        QString finalPath;
        QString tempPath;
        bool spoiled = false;
    };
    QList<Entry> entries_;
    QHash<QString, qsizetype> byFinal_;
};

} // namespace platform
