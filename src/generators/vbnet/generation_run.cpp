#include "generators/vbnet/generation_run.h"

#include "generators/common/name_check.h"
#include "generators/dataclasses/cont_gen.h"
#include "generators/oracle/system_ora.h"
#include "generators/vbnet/data_access_writer.h"
#include "generators/vbnet/data_manager_writer.h"
#include "platform/folders.h"

namespace generators::vbnet
{

int countSteps(const RunInputs& in)
{
    int nb_steps = 0;
    for (const bool module : in.gn) {
        if (module)
            nb_steps += in.gcfk ? 2 : 1;
    }
    if (in.ps)
        ++nb_steps;
    return nb_steps;
}

void runGeneration(RunContext& ctx)
{
    const RunInputs& in = ctx.in;
    platform::smkdir(in.pn);
    ctx.host.setProgressVisible(true);
    ctx.host.setProgressValue(0);
    const int nb_steps = countSteps(in);

    if (!in.gn[0] && !in.gn[1] && !in.gn[2]) {
        ctx.host.message(QStringLiteral("Choose at least one option!"));
        return;
    }
    if (in.tdn1.isEmpty()) {
        ctx.host.message(QStringLiteral("Choose at least one table!"));
        return;
    }

    if (!readyOutputFolder(ctx, in.pn))
        return;
    ctx.fk_rows.clear();
    ctx.ns = in.ps ? QStringLiteral("Common.Data.Pkg") : QStringLiteral("Common.Data");
    ctx.host.setBusyPointer(true);
    ctx.in.tdn1 = tablesFitForCode(ctx, in.tdn1, /*withRowLimit=*/true);
    ctx.nbmax = int(in.tdn1.size()) - 1;
    ctx.host.setProgressMaximum(double(float(ctx.nbmax + 1) * float(nb_steps)));
    for (int preview : {kPreviewDataAccess, kPreviewDataManager, kPreviewDataClasses, kPreviewOracle})
        ctx.host.clearPreview(preview);

    if (in.gn[0]) {
        if (in.ps)
            system_ora(ctx, ctx.nbmax);
        else
            writeDataAccessModule(ctx);
    }
    if (in.gn[1])
        writeDataManagerModule(ctx);
    cont_gen(ctx, ctx.nbmax);
}

} // namespace generators::vbnet
