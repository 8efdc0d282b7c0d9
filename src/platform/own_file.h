#pragma once
// Opening the program's own files (the history file, the settings files, the style-sheet
// builder's files) in folders where anyone with the user's rights may have planted
// something: a symbolic link would send the write to its target, and a FIFO would block
// the open for good. A name is used only while it holds a regular file (or nothing); a
// temporary file is always a new file of its own.

#include <QString>

#include <sys/types.h>

namespace platform
{

// Why the name cannot be used as one of the program's own files: "<file> is not a regular
// file" when it holds a link, a FIFO, a folder or a device; empty when it is a regular file
// or holds nothing.
QString ownFileRefusal(const QString& path);

// Opens the file with `flags` (O_RDONLY, or O_WRONLY with O_CREAT and O_TRUNC as wanted)
// without following a symbolic link and without waiting on a FIFO; the descriptor is
// blocking once opened. Returns -1 with the reason in `error` (ownFileRefusal's text for
// anything but a regular file, else the system's reason).
int openOwnFile(const QString& path, int flags, QString* error, mode_t mode = 0666);

// Opens a file the user's run writes (a generated file in the output folder) as
// openOwnFile does, except that a link to a regular file is followed: a FIFO, a folder or a
// device at the name, or at the end of a link, is refused without waiting.
int openRegularFile(const QString& path, int flags, QString* error, mode_t mode = 0666);

// Creates a new file beside `path`, named "<path>.<random>", owner-only, created new and
// exclusively (O_CREAT|O_EXCL|O_NOFOLLOW): nothing planted under that name is opened.
// Returns the descriptor (write-only) and its name, or -1 with the reason in `error`.
int createTemporaryBeside(const QString& path, QString* temporaryPath, QString* error);

} // namespace platform
