#include "platform/smkdir.h"

#include <QDir>

namespace platform {

void smkdir(const QString& aa)
{
    const QChar separator = QLatin1Char('/');
    qsizetype next = aa.indexOf(separator);
    if (next < 0)
        return;
    while ((next = aa.indexOf(separator, next + 1)) >= 0)
        QDir().mkdir(aa.left(next));
}

} // namespace platform
