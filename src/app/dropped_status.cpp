#include "app/dropped_status.h"

namespace app
{

Q_LOGGING_CATEGORY(droppedStatus, "quillmere.windows.dropped")

void logDropped(const QString& what, const QString& reason)
{
    qCWarning(droppedStatus).noquote() << what << "failed, going on:" << reason;
}

} // namespace app
