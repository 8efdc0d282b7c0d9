#include "generators/dataclasses/cont_gen.h"

#include "generators/common/module_file.h"
#include "generators/dataclasses/data_classes_writer.h"
#include "generators/dataclasses/fk_work_list.h"
#include "generators/dataclasses/join_classes_writer.h"
#include "generators/dataclasses/join_managers_writer.h"
#include "generators/dataclasses/join_readers_writer.h"
#include "generators/dataclasses/web_config_writer.h"

namespace generators
{

using namespace dataclasses;

namespace
{

using ModuleWriter = void (*)(RunContext&, ModuleFile&);

// One module's part of the pass: what comes before its joins (data classes only), the
// joins when they are ticked, then its closing lines.
void writeModule(RunContext& ctx, int preview, platform::OpenMode mode, ModuleWriter writeBeforeJoins,
                 ModuleWriter writeJoins, const QStringList& closing)
{
    ModuleFile file(ctx, preview);
    file.openModule(mode);
    if (writeBeforeJoins)
        writeBeforeJoins(ctx, file);
    if (ctx.in.gcfk)
        writeJoins(ctx, file);
    file.emitLines(closing);
    file.close();
}

} // namespace

void cont_gen(RunContext& ctx, int nbmax)
{
    ctx.nbmax = nbmax;
    ctx.ns = ctx.in.ps ? QStringLiteral("Common.Data.Pkg") : QStringLiteral("Common.Data");

    scanForeignKeys(ctx);
    reportMutualReferences(ctx);

    const QString endNamespace = QStringLiteral("End NameSpace");
    if (ctx.in.gn[2])
        writeModule(ctx, kPreviewDataClasses, platform::OpenMode::Output, writeDataClasses, writeJoinClasses,
                    {endNamespace});
    if (ctx.in.gn[0])
        writeModule(ctx, kPreviewDataAccess, platform::OpenMode::Append, nullptr, writeJoinReaders,
                    {QString(), QStringLiteral("End Class"), endNamespace});
    if (ctx.in.gn[1])
        writeModule(ctx, kPreviewDataManager, platform::OpenMode::Append, nullptr, writeJoinManagers,
                    {endNamespace});
    if (ctx.in.gwcf)
        writeWebConfig(ctx);

    ctx.host.setBusyPointer(false);
    ctx.host.setProgressVisible(false);
    const QString end = finishRun(ctx);
    if (!ctx.solutionVisible())
        ctx.host.message(end);
}

} // namespace generators
