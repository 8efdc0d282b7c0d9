#include "generators/vbnet/column_names.h"

#include "generators/common/column_discovery.h"

namespace generators::vbnet
{

QStringList discoverColumnNames(RunContext& ctx, const QString& table, bool withRowLimit)
{
    QStringList names;
    for (const platform::ado::Field& field : discoverColumns(ctx, DataControlId::data3, table, withRowLimit))
        names.append(field.name);
    return names;
}

} // namespace generators::vbnet
