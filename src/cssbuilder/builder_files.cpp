#include "cssbuilder/builder_files.h"

namespace cssbuilder
{

namespace
{
constexpr platform::TextEncoding kEncoding = platform::TextEncoding::Utf8;
}

void writeBuilderFile(const QString& path, const QStringList& lines)
{
    platform::TextFileWriter file;
    if (!file.open(path, platform::OpenMode::Output, kEncoding))
        return;
    for (const QString& line : lines)
        file.writeLine(line);
    file.close();
}

platform::TextFileLines readBuilderFile(const QString& path)
{
    return platform::readTextLines(path, kEncoding);
}

} // namespace cssbuilder
