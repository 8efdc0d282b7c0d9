#include "generators/vbnet/table_pass.h"

#include "generators/common/column_discovery.h"

namespace generators::vbnet {

void forEachChosenTable(RunContext& ctx, const std::function<void(const QString& table)>& writeTable)
{
    for (int index = 0; index <= ctx.nbmax && index < ctx.in.tdn1.size(); ++index) {
        stepProgress(ctx.host);
        ctx.host.yield();
        writeTable(ctx.in.tdn1.at(index));
    }
}

QStringList discoverColumnNames(RunContext& ctx, const QString& table, bool withRowLimit)
{
    QStringList names;
    for (const platform::ado::Field& field : discoverColumns(ctx, DataControlId::data3, table, withRowLimit))
        names.append(field.name);
    return names;
}

} // namespace generators::vbnet
