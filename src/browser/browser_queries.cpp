#include "browser/browser_queries.h"

#include "platform/ado/ado.h"

#include <QRegularExpression>

namespace browser
{

namespace
{

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
        return QStringLiteral("{d ") + quoted(bound) + QLatin1Char('}');
    case RangeKind::Time:
        return QStringLiteral("{t ") + quoted(bound) + QLatin1Char('}');
    case RangeKind::Timestamp: {
        static const QRegularExpression day(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
        const QString stamp = day.match(bound).hasMatch() ? bound + QStringLiteral(" 00:00:00") : bound;
        return QStringLiteral("{ts ") + quoted(stamp) + QLatin1Char('}');
    }
    case RangeKind::None:
        break;
    }
    return {};
}

} // namespace

RangeKind rangeKind(const QString& typeCode)
{
    using namespace platform::ado;
    bool isNumber = false;
    const int code = typeCode.toInt(&isNumber);
    if (!isNumber || typeCode != QString::number(code))
        return RangeKind::None;
    if (isNumericType(code))
        return RangeKind::Number;
    switch (code) {
    case adChar:
    case adWChar:
    case adVarChar:
    case adLongVarChar:
    case adVarWChar:
    case adLongVarWChar:
        return RangeKind::Text;
    // A date column is compared with a date: where dates are kept as text, a timestamp
    // bound would leave out the first day of the range.
    case adDBDate:
        return RangeKind::Date;
    // A time of day is compared with a time: databases refuse to compare it with a
    // timestamp.
    case adDBTime:
        return RangeKind::Time;
    case adDate:
    case adDBTimeStamp:
        return RangeKind::Timestamp;
    default:
        return RangeKind::None;
    }
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
