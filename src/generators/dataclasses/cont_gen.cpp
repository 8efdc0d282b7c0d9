#include "generators/dataclasses/cont_gen.h"

#include "generators/common/module_file.h"

namespace generators {

void cont_gen(RunContext& ctx, int nbmax)
{
    Q_UNUSED(nbmax);
    if (ctx.in.gn[0]) {
        ctx.host.showPreview(kPreviewDataAccess);
        ctx.host.yield();
        ModuleFile file(ctx, kPreviewDataAccess);
        file.open(ctx.in.pn + ctx.in.gnn[0], platform::OpenMode::Append);
        file.emitLines({QString(), QStringLiteral("End Class"), QStringLiteral("End NameSpace")});
        file.close();
    }
    if (ctx.in.gn[1]) {
        ctx.host.showPreview(kPreviewDataManager);
        ctx.host.yield();
        ModuleFile file(ctx, kPreviewDataManager);
        file.open(ctx.in.pn + ctx.in.gnn[1], platform::OpenMode::Append);
        file.emit_line(QStringLiteral("End NameSpace"));
        file.close();
    }
    ctx.host.setBusyPointer(false);
    ctx.host.setProgressVisible(false);
    if (!ctx.in.solutionVisible)
        ctx.host.message(endOfGenerationText(ctx.problems));
}

} // namespace generators
