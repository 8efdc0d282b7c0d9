#include "platform/ado/ado.h"

#include <QRegularExpression>

namespace platform::ado
{

namespace
{

QString quotedName(const QString& name, const QString& identifierQuote)
{
    const QString q = identifierQuote.trimmed().isEmpty() ? QStringLiteral("\"") : identifierQuote.trimmed();
    return q + QString(name).replace(q, q + q) + q;
}

// Whether the database reads a plain identifier written without quotes as this name.
bool keepsItsCase(const QString& identifier, UnquotedCase unquoted)
{
    switch (unquoted) {
    case UnquotedCase::Upper:
        return identifier == identifier.toUpper();
    case UnquotedCase::Lower:
        return identifier == identifier.toLower();
    case UnquotedCase::AsWritten:
        break;
    }
    return true;
}

// A plain identifier the database reads back as this name, not as an SQL word.
bool standsBare(const QString& identifier, UnquotedCase unquoted)
{
    return keepsItsCase(identifier, unquoted) && !isReservedWord(identifier);
}

} // namespace

QString tableInSql(const QString& table, const QString& identifierQuote, UnquotedCase unquoted)
{
    // Letters, digits, '_', '$' and '#', not starting with a digit; a dotted
    // owner.table name counts as plain too.
    static const QRegularExpression plain(
        QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_$#]*(\.[A-Za-z_][A-Za-z0-9_$#]*)*$)"));
    if (table.isEmpty())
        return table;
    if (!plain.match(table).hasMatch())
        return quotedName(table, identifierQuote);
    QStringList parts = table.split(QLatin1Char('.'));
    for (QString& part : parts) {
        if (!standsBare(part, unquoted))
            part = quotedName(part, identifierQuote);
    }
    return parts.join(QLatin1Char('.'));
}

QString columnInSql(const QString& column, const QString& identifierQuote, UnquotedCase unquoted)
{
    static const QRegularExpression plain(QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_$#]*$)"));
    if (column.isEmpty() || (plain.match(column).hasMatch() && standsBare(column, unquoted)))
        return column;
    return quotedName(column, identifierQuote);
}

} // namespace platform::ado
