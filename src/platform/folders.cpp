#include "platform/folders.h"

#include <QDir>

namespace platform {

void smkdir(const QString& path)
{
    const QChar separator = QLatin1Char('/');
    qsizetype next = path.indexOf(separator);
    if (next < 0)
        return;
    QDir dir;
    while ((next = path.indexOf(separator, next + 1)) >= 0)
        dir.mkdir(path.left(next)); // an existing or impossible level is passed over
}

} // namespace platform
