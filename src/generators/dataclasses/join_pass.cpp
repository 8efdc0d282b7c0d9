#include "generators/dataclasses/join_pass.h"

#include "generators/common/column_discovery.h"
#include "generators/dataclasses/fk_work_list.h"

namespace generators::dataclasses
{

void forEachJoin(RunContext& ctx, ModuleFile& file, bool withRowLimit,
                 const std::function<void(const JoinPair& join)>& writeJoin)
{
    forEachChosenTable(ctx, [&](const QString& child) {
        const Relations relations = relationsOf(ctx.fk_rows, child, /*withChildren=*/false);
        if (relations.linked)
            writeLineTable(file, kJoinSectionHead, {});
        for (const QString& parent : relations.parents) {
            JoinPair join{child, parent, {}, {}};
            join.childColumns = discoverColumns(ctx, DataControlId::data3, child, withRowLimit);
            join.parentColumns = discoverColumns(ctx, DataControlId::data4, parent, withRowLimit);
            writeJoin(join);
        }
    });
}

} // namespace generators::dataclasses
