#include "generators/common/column_discovery.h"

namespace generators
{

QString columnQuery(const QString& table, const QString& suffix, const QString& identifierQuote)
{
    return QStringLiteral("SELECT * from ") + platform::ado::tableInSql(table, identifierQuote) + suffix;
}

namespace
{

QString discoveryQuery(RunContext& ctx, const QString& table, bool withRowLimit)
{
    return columnQuery(table, withRowLimit ? ctx.in.row_limit : QString(), ctx.catalogue.identifierQuote());
}

} // namespace

void describeAhead(RunContext& ctx, const QStringList& tables, bool withRowLimit)
{
    QStringList queries;
    for (const QString& table : tables)
        queries.append(discoveryQuery(ctx, table, withRowLimit));
    ctx.catalogue.describeAhead(queries);
}

QList<platform::ado::Field> discoverColumns(RunContext& ctx, DataControlId control, const QString& table,
                                            bool withRowLimit)
{
    const QString query = discoveryQuery(ctx, table, withRowLimit);
    ColumnList result = ctx.catalogue.columns(control, query);
    if (!result.ok) {
        ctx.problem(QStringLiteral("%1: column query \"%2\" failed (%3)").arg(table, query, result.error));
        return {};
    }
    // Drivers that describe a statement only once it has run were given that chance below;
    // a table that still shows no column is worth a line.
    if (result.columns.isEmpty())
        ctx.problem(QStringLiteral("%1: column query \"%2\" gives no columns").arg(table, query));
    return result.columns;
}

} // namespace generators
