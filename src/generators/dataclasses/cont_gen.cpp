#include "generators/dataclasses/cont_gen.h"

#include "generators/common/module_file.h"
#include "generators/dataclasses/data_classes_writer.h"
#include "generators/dataclasses/fk_work_list.h"
#include "generators/dataclasses/join_classes_writer.h"
#include "generators/dataclasses/join_managers_writer.h"
#include "generators/dataclasses/join_readers_writer.h"
#include "generators/dataclasses/web_config_writer.h"

namespace generators {

using namespace dataclasses;

void cont_gen(RunContext& ctx, int nbmax)
{
    ctx.nbmax = nbmax;
    ctx.ns = ctx.in.ps ? QStringLiteral("Common.Data.Pkg") : QStringLiteral("Common.Data");

    scanForeignKeys(ctx);

    if (ctx.in.gn[2]) {
        ModuleFile file(ctx, kPreviewDataClasses);
        file.openModule(platform::OpenMode::Output);
        writeDataClasses(ctx, file);
        if (ctx.in.gcfk)
            writeJoinClasses(ctx, file);
        file.emit_line(QStringLiteral("End NameSpace"));
        file.close();
    }
    if (ctx.in.gn[0]) {
        ModuleFile file(ctx, kPreviewDataAccess);
        file.openModule(platform::OpenMode::Append);
        if (ctx.in.gcfk)
            writeJoinReaders(ctx, file);
        file.emitLines({QString(), QStringLiteral("End Class"), QStringLiteral("End NameSpace")});
        file.close();
    }
    if (ctx.in.gn[1]) {
        ModuleFile file(ctx, kPreviewDataManager);
        file.openModule(platform::OpenMode::Append);
        if (ctx.in.gcfk)
            writeJoinManagers(ctx, file);
        file.emit_line(QStringLiteral("End NameSpace"));
        file.close();
    }
    if (ctx.in.gwcf)
        writeWebConfig(ctx);

    ctx.host.setBusyPointer(false);
    ctx.host.setProgressVisible(false);
    if (!ctx.solutionVisible())
        ctx.host.message(endOfGenerationText(ctx.problems));
}

} // namespace generators
