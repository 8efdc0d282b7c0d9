#include "platform/dropped_status.h"

namespace platform
{

Q_LOGGING_CATEGORY(droppedStatus, "quillmere.dropped")

void logDropped(const QString& what, const QString& reason)
{
    qCWarning(droppedStatus).noquote() << what << "failed, going on:" << reason;
}

void logFailure(const QString& message)
{
    qCWarning(droppedStatus).noquote() << message;
}

} // namespace platform
