#pragma once
// The runtime's Trim: removes leading and trailing blanks only (a tab or a line break stays).

#include <QString>

namespace platform
{

QString trimSpaces(const QString& text);

} // namespace platform
