#include "generators/common/run_context.h"

namespace generators
{

void forEachChosenTable(RunContext& ctx, const std::function<void(const QString& table)>& writeTable)
{
    for (const QString& table : ctx.chosenTables()) {
        stepProgress(ctx.host);
        ctx.host.yield();
        writeTable(table);
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
