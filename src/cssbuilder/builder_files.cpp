#include "cssbuilder/builder_files.h"

namespace cssbuilder
{

namespace
{
constexpr platform::TextEncoding kEncoding = platform::TextEncoding::Utf8;
}

QString writeBuilderFile(const QString& path, const QStringList& lines)
{
    platform::TextFileWriter file;
    if (!file.open(path, platform::OpenMode::Output, kEncoding))
        return file.errorString();
    for (const QString& line : lines) {
        if (!file.writeLine(line))
            break;
    }
    return file.close() ? QString() : file.errorString();
}

platform::TextFileLines readBuilderFile(const QString& path)
{
    return platform::readTextLines(path, kEncoding);
}

} // namespace cssbuilder
