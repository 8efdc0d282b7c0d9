#include "platform/text_file.h"

#include "platform/own_file.h"

#include <QFileInfo>
#include <QStringDecoder>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace platform
{

namespace
{

// Code points of bytes 0x80..0x9F in Windows-1252 (0 where the byte is undefined).
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char windows1252Byte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return char(cp);
    for (int i = 0; i < 32; ++i) {
        if (kHighControls[i] != 0 && kHighControls[i] == cp)
            return char(0x80 + i);
    }
    return '?';
}

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Writes all of `bytes` to `fd`; false with the system's error left in errno otherwise.
bool writeAll(int fd, const QByteArray& bytes)
{
    const char* at = bytes.constData();
    for (qsizetype left = bytes.size(); left > 0;) {
        const ssize_t put = ::write(fd, at, std::size_t(left));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            if (put == 0)
                errno = EIO;
            return false;
        }
        at += put;
        left -= put;
    }
    return true;
}

} // namespace

// Appends the Windows-1252 bytes of `text` to `out`.
void appendWindows1252(QByteArray& out, QStringView text)
{
    const qsizetype start = out.size();
    out.resize(start + text.size());
    char* byte = out.data() + start;
    const QChar* end = text.end();
    for (const QChar* at = text.begin(); at != end; ++at) {
        char32_t cp = at->unicode();
        // A pair of surrogates is one character beyond the code page: one '?'.
        if (at->isHighSurrogate() && at + 1 != end && (at + 1)->isLowSurrogate()) {
            cp = QChar::surrogateToUcs4(at[0], at[1]);
            ++at;
        }
        *byte++ = cp < 0x80 ? char(cp) : windows1252Byte(cp);
    }
    out.truncate(byte - out.constData());
}

QByteArray toWindows1252(const QString& text)
{
    QByteArray out;
    appendWindows1252(out, text);
    return out;
}

QString fromWindows1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F && kHighControls[b - 0x80] != 0)
            out.append(QChar(kHighControls[b - 0x80]));
        else
            out.append(QChar(b));
    }
    return out;
}

TextFileWriter::~TextFileWriter()
{
    close();
}

bool TextFileWriter::open(const QString& path, OpenMode mode, TextEncoding encoding)
{
    close();
    path_ = path;
    encoding_ = encoding;
    failed_ = false;
    error_.clear();
    // A FIFO or a device at the name is refused, not waited on.
    const bool append = mode == OpenMode::Append;
    fd_ = openRegularFile(path, O_WRONLY | O_CREAT | (append ? O_APPEND : O_TRUNC), &error_);
    return fd_ >= 0;
}

bool TextFileWriter::openDescriptor(int fd, const QString& path, TextEncoding encoding)
{
    close();
    path_ = path;
    encoding_ = encoding;
    failed_ = false;
    error_.clear();
    fd_ = fd;
    return fd_ >= 0;
}

void TextFileWriter::failOpen(const QString& path, const QString& reason)
{
    close();
    path_ = path;
    error_ = reason;
}

bool TextFileWriter::writeLine(const QString& line)
{
    if (!isOpen())
        return false;
    // Each line is encoded straight into the file's buffer, which goes out in large pieces.
    if (buffer_.capacity() < kWritePiece)
        buffer_.reserve(kWritePiece + kWritePiece / 16); // a piece and the line that ends it
    if (encoding_ == TextEncoding::Utf8)
        buffer_.append(line.toUtf8());
    else
        appendWindows1252(buffer_, line);
    // The line end goes straight into the room reserved: a general append for two bytes,
    // once per line, costs more than the bytes.
    const qsizetype end = buffer_.size();
    buffer_.resize(end + 2);
    char* lineEnd = buffer_.data() + end;
    lineEnd[0] = '\r';
    lineEnd[1] = '\n';
    if (buffer_.size() >= kWritePiece)
        return writeBuffer();
    return !failed_;
}

void TextFileWriter::fail(const QString& reason)
{
    if (!failed_)
        error_ = reason;
    failed_ = true;
}

bool TextFileWriter::writeBuffer()
{
    if (buffer_.isEmpty() || failed_) {
        buffer_.resize(0);
        return !failed_;
    }
    if (!writeAll(fd_, buffer_))
        fail(systemReason(errno));
    buffer_.resize(0); // keeps its room for the next piece
    return !failed_;
}

bool TextFileWriter::close()
{
    if (fd_ < 0)
        return !failed_;
    writeBuffer();
    // A descriptor is released by close even when it reports an error: never closed twice.
    if (::close(fd_) != 0 && errno != EINTR)
        fail(systemReason(errno));
    fd_ = -1;
    buffer_.clear();
    return !failed_;
}

TextFileLines readTextLines(const QString& path, TextEncoding encoding)
{
    TextFileLines result;
    QFile file;
    result.exists = QFileInfo::exists(path) || !ownFileRefusal(path).isEmpty();
    if (!result.exists) {
        result.error = QStringLiteral("file not found");
        return result;
    }
    // The program's own files: a link or a FIFO at the name is refused, not waited on.
    const int descriptor = openOwnFile(path, O_RDONLY, &result.error);
    if (descriptor < 0)
        return result;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    const QString text = encoding == TextEncoding::Utf8 ? QString::fromUtf8(bytes) : fromWindows1252(bytes);
    if (!text.isEmpty()) {
        result.lines = text.split(QLatin1Char('\n'));
        // A final line end does not start another line.
        if (result.lines.last().isEmpty())
            result.lines.removeLast();
        for (QString& line : result.lines) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
        }
    }
    result.ok = true;
    return result;
}

} // namespace platform
