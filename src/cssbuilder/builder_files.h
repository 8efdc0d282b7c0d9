#pragma once
// The builder's two files in the program's folder are the program's own files: UTF-8,
// every line ended by CR LF.

#include "platform/text_file.h"

#include <QString>
#include <QStringList>

namespace cssbuilder
{

// Replaces the file with the lines; a file that cannot be written keeps what it had, and the
// system's reason is returned (empty when the file was written).
QString writeBuilderFile(const QString& path, const QStringList& lines);
platform::TextFileLines readBuilderFile(const QString& path);

} // namespace cssbuilder
