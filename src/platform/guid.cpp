#include "platform/guid.h"

#include <QUuid>

namespace platform
{

QString new_guid()
{
    // QUuid writes data1 as a 32-bit number, data2 and data3 as 16-bit numbers and the
    // last eight bytes in order: the same groups as the registry form.
    return QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
}

} // namespace platform
