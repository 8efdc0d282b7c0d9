#pragma once
// Output folders created level by level.

#include <QString>

namespace platform {

// Creates a folder path level by level: the text before every '/' after the first is
// created as one folder, failures ignored. The text after the last '/' is not created,
// so callers pass folder paths that end in '/'.
void smkdir(const QString& path);

} // namespace platform
