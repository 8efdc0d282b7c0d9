#pragma once
// Folders the program uses: its own folder, and output folders created level by level.

#include <QString>

namespace platform
{

// The program's folder, without a trailing '/': $QUILLMERE_HOME when set; otherwise
// the folder of the executable, or the per-user data folder when that one cannot be
// written (an installed program).
QString programFolder();

// Creates a folder path level by level: the text before every '/' after the first is
// created as one folder, failures ignored. The text after the last '/' is not created,
// so callers pass folder paths that end in '/'.
void smkdir(const QString& path);

// The folder value with one '/' at its end (nothing added when it already ends in one).
QString withTrailingSeparator(const QString& folder);

} // namespace platform
