#include "generators/common/run_context.h"

namespace generators {

QString endOfGenerationText(const QStringList& problems)
{
    QString text = QStringLiteral("End of Generation");
    for (const QString& problem : problems)
        text += QLatin1Char('\n') + problem;
    return text;
}

void stepProgress(Host& host)
{
    const double next = host.progressValue() + 1;
    if (next <= host.progressMaximum())
        host.setProgressValue(next);
}

} // namespace generators
