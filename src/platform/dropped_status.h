#pragma once
// Where the program goes on after a call that failed (the user is told nothing, or only
// that it failed), the reason is written here, to standard error, so that the failure
// still leaves a trace. Every such trace goes through this one category.

#include <QLoggingCategory>
#include <QString>

namespace platform
{

Q_DECLARE_LOGGING_CATEGORY(droppedStatus)

// Logs that `what` failed for `reason` and that the program went on without it.
void logDropped(const QString& what, const QString& reason);
// Logs a failure the user is also told of, in the words of the message.
void logFailure(const QString& message);

} // namespace platform
