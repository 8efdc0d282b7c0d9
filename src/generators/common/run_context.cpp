#include "generators/common/run_context.h"

#include "platform/folders.h"

#include <QDir>
#include <QLocale>

namespace generators
{

void forEachChosenTable(RunContext& ctx, const std::function<void(const QString& table)>& writeTable)
{
    for (const QString& table : ctx.chosenTables()) {
        if (ctx.stopped())
            return;
        stepProgress(ctx.host);
        ctx.host.yield();
        writeTable(table);
    }
}

namespace
{

// As many lines as a message box shows at once: a longer list is counted first.
constexpr int kListedAtOnce = 20;

} // namespace

QString endOfGenerationText(const QStringList& problems, const QStringList& tables)
{
    QString text = QStringLiteral("End of Generation");
    if (problems.size() > kListedAtOnce) {
        const QSet<QString> chosen(tables.cbegin(), tables.cend());
        QSet<QString> named;
        for (const QString& problem : problems) {
            const qsizetype colon = problem.indexOf(QStringLiteral(": "));
            if (colon > 0 && chosen.contains(problem.left(colon)))
                named.insert(problem.left(colon));
        }
        const QLocale english(QLocale::English);
        text = QStringLiteral("%1 problems in %2 of %3 tables\n")
                   .arg(english.toString(problems.size()), english.toString(named.size()),
                        english.toString(tables.size())) +
               text;
    }
    for (const QString& problem : problems)
        text += QLatin1Char('\n') + problem;
    return text;
}

std::optional<QString> readyOutputFolders(const QStringList& folders)
{
    for (const QString& folder : folders) {
        platform::smkdir(platform::withTrailingSeparator(folder));
        if (const std::optional<QString> reason = platform::StagedFiles::cannotWriteIn(folder))
            return QStringLiteral("Generation stopped: the output folder %1 cannot be written (%2).\n"
                                  "No file was written.")
                .arg(QDir::toNativeSeparators(folder), *reason);
    }
    for (const QString& folder : folders)
        platform::StagedFiles::removeLeftovers(folder);
    return std::nullopt;
}

bool readyOutputFolder(RunContext& ctx, const QString& folder)
{
    if (!ctx.output || !ctx.placesOutput)
        return true;
    const std::optional<QString> fault = readyOutputFolders({folder});
    if (fault) {
        ctx.host.setProgressVisible(false);
        ctx.host.message(*fault);
    }
    return !fault;
}

QString connectionFaultText(const QString& fault)
{
    return QStringLiteral("Generation stopped: %1.\nNo file was replaced: the files of the earlier run are "
                          "as they were.")
        .arg(fault);
}

QString finishRun(RunContext& ctx)
{
    if (const std::optional<QString> fault = ctx.catalogue.connectionFault()) {
        if (ctx.output && ctx.placesOutput)
            ctx.output->discard();
        return connectionFaultText(*fault);
    }
    if (ctx.output && ctx.placesOutput) {
        const QStringList notPlaced = ctx.output->place();
        for (const QString& problem : notPlaced)
            ctx.problem(problem);
    }
    return endOfGenerationText(ctx.problems, ctx.in.tdn1);
}

void stepProgress(Host& host)
{
    const double next = host.progressValue() + 1;
    if (next <= host.progressMaximum())
        host.setProgressValue(next);
}

} // namespace generators
