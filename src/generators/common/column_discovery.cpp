#include "generators/common/column_discovery.h"

#include <QRegularExpression>

namespace generators {

namespace {

bool isPlainIdentifier(const QString& name)
{
    // Letters, digits, '_', '$' and '#', not starting with a digit; a dotted
    // owner.table name counts as plain too.
    static const QRegularExpression plain(
        QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_$#]*(\.[A-Za-z_][A-Za-z0-9_$#]*)*$)"));
    return plain.match(name).hasMatch();
}

} // namespace

QString columnQuery(const QString& table, const QString& suffix, const QString& identifierQuote)
{
    QString name = table;
    if (!isPlainIdentifier(table)) {
        const QString q = identifierQuote.trimmed().isEmpty() ? QStringLiteral("\"") : identifierQuote.trimmed();
        name = q + QString(table).replace(q, q + q) + q;
    }
    return QStringLiteral("SELECT * from ") + name + suffix;
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
