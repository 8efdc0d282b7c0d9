#include "platform/ado/ado.h"

#include <QRegularExpression>

namespace platform::ado
{

QString tableInSql(const QString& table, const QString& identifierQuote)
{
    // Letters, digits, '_', '$' and '#', not starting with a digit; a dotted
    // owner.table name counts as plain too.
    static const QRegularExpression plain(
        QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_$#]*(\.[A-Za-z_][A-Za-z0-9_$#]*)*$)"));
    if (table.isEmpty() || plain.match(table).hasMatch())
        return table;
    const QString q = identifierQuote.trimmed().isEmpty() ? QStringLiteral("\"") : identifierQuote.trimmed();
    return q + QString(table).replace(q, q + q) + q;
}

} // namespace platform::ado
