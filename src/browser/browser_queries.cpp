#include "browser/browser_queries.h"

#include <QRegularExpression>

namespace browser
{

namespace
{

// The date pattern of the range search; the bounds are rewritten to it beforehand.
constexpr char kDatePattern[] = "mm/dd/yyyy";

QString selectAll(const QString& table)
{
    return QStringLiteral("SELECT * from ") + table;
}

QString quoted(const QString& value)
{
    return QLatin1Char('\'') + sqlString(value) + QLatin1Char('\'');
}

// A numeric bound goes in bare when it reads as a number; anything else would be SQL of
// the user's making, so it goes in as a string literal for the database to compare or
// reject.
QString numberLiteral(const QString& bound)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+(\\.\\d*)?|\\.\\d+)([eE][+-]?\\d+)?\\s*$"));
    return number.match(bound).hasMatch() ? bound : quoted(bound);
}

QString boundLiteral(RangeKind kind, const QString& bound)
{
    switch (kind) {
    case RangeKind::Number:
        return numberLiteral(bound);
    case RangeKind::Text:
        return quoted(bound);
    case RangeKind::Date:
        return QStringLiteral("to_date(") + quoted(bound) + QStringLiteral(",'") +
               QLatin1String(kDatePattern) + QStringLiteral("')");
    case RangeKind::None:
        break;
    }
    return {};
}

} // namespace

RangeKind rangeKind(const QString& typeCode)
{
    if (typeCode == QLatin1String("131"))
        return RangeKind::Number;
    if (typeCode == QLatin1String("200"))
        return RangeKind::Text;
    if (typeCode == QLatin1String("135"))
        return RangeKind::Date;
    return RangeKind::None;
}

QString sqlString(const QString& value)
{
    QString text = value;
    return text.replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString openQuery(const QString& table)
{
    return selectAll(table);
}

QString sortQuery(const QString& table, const QString& column, bool descending)
{
    return selectAll(table) + QStringLiteral(" order by ") + column +
           (descending ? QStringLiteral(" desc") : QStringLiteral(" asc"));
}

QString filterQuery(const QString& table, const QString& column, const QString& value, int kind)
{
    QString condition;
    switch (kind) {
    case BeginWith:
        condition = QStringLiteral(" like ") + quoted(value + QLatin1Char('%'));
        break;
    case EndWith:
        condition = QStringLiteral(" like ") + quoted(QLatin1Char('%') + value);
        break;
    case Contain:
        condition = QStringLiteral(" like ") + quoted(QLatin1Char('%') + value + QLatin1Char('%'));
        break;
    case Equal:
        condition = QStringLiteral(" = ") + quoted(value);
        break;
    default:
        return selectAll(table);
    }
    return selectAll(table) + QStringLiteral(" where ") + column + condition;
}

QString rangeQuery(const QString& table, const QString& column, RangeKind kind, const QString& from,
                   const QString& to)
{
    QString query = selectAll(table);
    if (kind == RangeKind::None)
        return query;
    QString joiner = QStringLiteral(" where ");
    const auto append = [&](const QString& bound, const char* comparison) {
        if (bound.isEmpty())
            return;
        query += joiner + column + QLatin1String(comparison) + boundLiteral(kind, bound);
        joiner = QStringLiteral(" and ");
    };
    append(from, " >= ");
    append(to, " <= ");
    return query;
}

} // namespace browser
