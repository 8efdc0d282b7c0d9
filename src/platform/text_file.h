#pragma once
// Sequential text files as the program writes them: one line per write, each ended
// by CR LF. Generated source files are Windows-1252; the program's own files UTF-8.
// Readers accept CR LF or LF.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <memory>

namespace platform
{

enum class TextEncoding { Windows1252, Utf8 };
enum class OpenMode { Output, Append };

// Windows-1252 bytes of a text; a character the code page cannot hold becomes '?'.
QByteArray toWindows1252(const QString& text);
QString fromWindows1252(const QByteArray& bytes);

class TextFileWriter
{
public:
    TextFileWriter() = default;
    ~TextFileWriter();
    TextFileWriter(const TextFileWriter&) = delete;
    TextFileWriter& operator=(const TextFileWriter&) = delete;

    // Opens for output (replacing an old file) or for appending. Returns false and
    // keeps the reason in errorString() when the file cannot be opened; anything but a
    // regular file at the name (a FIFO, a device, a folder) is refused without waiting.
    bool open(const QString& path, OpenMode mode, TextEncoding encoding);
    // Writes to a descriptor already open for writing, which it closes; `path` names the
    // file in messages.
    bool openDescriptor(int fd, const QString& path, TextEncoding encoding);
    // Stays closed, with `path` and the reason it could not be opened.
    void failOpen(const QString& path, const QString& reason);
    bool isOpen() const { return fd_ >= 0; }
    // Writes the line and CR LF (kept in a buffer that goes out in pieces of kWritePiece
    // bytes). Returns false once a piece could not be written.
    bool writeLine(const QString& line);
    // Flushes and closes; false when the data could not be written completely.
    bool close();
    QString errorString() const { return error_; }
    QString path() const { return path_; }

private:
    static constexpr qsizetype kWritePiece = 64 * 1024;
    bool writeBuffer();
    // Keeps the first failure's reason; later ones do not replace it.
    void fail(const QString& reason);

    int fd_ = -1; // written with plain system calls: a run writes thousands of files
    QByteArray buffer_;
    TextEncoding encoding_ = TextEncoding::Windows1252;
    QString error_;
    QString path_;
    bool failed_ = false;
};

// Reads a whole text file into lines (CR LF or LF); ok is false when it cannot be read,
// or when the name holds anything but a regular file (a link, a FIFO: refused, not waited on).
struct TextFileLines {
    bool ok = false;
    bool exists = false;
    QStringList lines;
    QString error;
};
TextFileLines readTextLines(const QString& path, TextEncoding encoding);

} // namespace platform
