#include "support/recording_host.h"

namespace testsupport
{

void RecordingHost::clearPreview(int index)
{
    previews[index].clear();
    events.append(QStringLiteral("clear %1").arg(index));
}

void RecordingHost::appendPreview(int index, const QString& text)
{
    previews[index].append(text);
}

void RecordingHost::showPreview(int index)
{
    shownPreviews.append(index);
    events.append(QStringLiteral("show %1").arg(index));
}

} // namespace testsupport
