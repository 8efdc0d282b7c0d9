#include "generators/common/column_discovery.h"

namespace generators {

QString columnQuery(const QString& table, const QString& suffix, const QString& identifierQuote)
{
    return QStringLiteral("SELECT * from ") + platform::ado::tableInSql(table, identifierQuote) + suffix;
}

QList<platform::ado::Field> discoverColumns(RunContext& ctx, DataControlId control, const QString& table,
                                            bool withRowLimit)
{
    const QString query =
        columnQuery(table, withRowLimit ? ctx.in.row_limit : QString(), ctx.catalogue.identifierQuote());
    ColumnList result = ctx.catalogue.columns(control, query);
    if (!result.ok) {
        ctx.problem(QStringLiteral("%1: column query \"%2\" failed (%3)").arg(table, query, result.error));
        return {};
    }
    return result.columns;
}

} // namespace generators
