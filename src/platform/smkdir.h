#pragma once
// smkdir: creates a folder path level by level. The text before every '/' after the
// first is created as a folder, in order from the shortest; failures are ignored (the
// next level is still tried). Callers pass paths ending in '/'.

#include <QString>

namespace platform {

void smkdir(const QString& aa);

} // namespace platform
