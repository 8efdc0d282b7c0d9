#include "generators/common/primary_key_read.h"

namespace generators
{

QStringList readPrimaryKey(RunContext& ctx, const QString& table, const QString& schema)
{
    const KeyColumns key = ctx.catalogue.primaryKey(table, schema);
    if (!key.ok) {
        ctx.problem(QStringLiteral("%1: primary key rowset could not be read (%2)").arg(table, key.error));
        return {};
    }
    return key.columns;
}

} // namespace generators
