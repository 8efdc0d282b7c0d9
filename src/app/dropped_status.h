#pragma once
// Where a window goes on after a call that failed (the user is told nothing, or only
// that it failed), the reason it drops is written here, to standard error, so that the
// failure still leaves a trace.

#include <QLoggingCategory>
#include <QString>

namespace app
{

Q_DECLARE_LOGGING_CATEGORY(droppedStatus)

// Logs that `what` failed for `reason` and that the window went on without it.
void logDropped(const QString& what, const QString& reason);

} // namespace app
