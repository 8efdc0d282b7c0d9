#include "generators/common/run_context.h"

namespace generators {

void forEachChosenTable(RunContext& ctx, const std::function<void(const QString& table)>& writeTable)
{
    for (int index = 0; index <= ctx.nbmax && index < ctx.in.tdn1.size(); ++index) {
        stepProgress(ctx.host);
        ctx.host.yield();
        writeTable(ctx.in.tdn1.at(index));
    }
}

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
