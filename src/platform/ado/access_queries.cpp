#include "platform/ado/access_queries.h"

#include <QCollator>
#include <QDate>
#include <QRegularExpression>
#include <QTime>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>

namespace platform::ado
{

namespace
{

// How a column's values compare: as numbers, as points in time, or as text (Jet's text
// comparisons ignore case).
enum class ValueKind { Number, DateTime, Text };

ValueKind kindOf(int type)
{
    if (isNumericType(type) || type == adBoolean)
        return ValueKind::Number;
    if (type == adDate || type == adDBDate || type == adDBTimeStamp)
        return ValueKind::DateTime;
    return ValueKind::Text;
}

enum class LiteralKind { String, Number, Date, Time, Timestamp };

struct Literal {
    LiteralKind kind = LiteralKind::String;
    QString text;
};

enum class Comparison { Like, Equal, AtLeast, AtMost };

struct Condition {
    int column = -1;
    ValueKind kind = ValueKind::Text;
    Comparison comparison = Comparison::Equal;
    Literal literal;
    // Prepared from the literal: the number, the moment, the pattern.
    std::optional<double> number;
    std::optional<qint64> moment;
    std::optional<QTime> timeOfDay;
    QRegularExpression pattern;
};

QString unquotedName(QString written, const QString& quote)
{
    written = written.trimmed();
    if (!quote.isEmpty() && written.size() >= 2 * quote.size() && written.startsWith(quote) &&
        written.endsWith(quote))
        return written.mid(quote.size(), written.size() - 2 * quote.size()).replace(quote + quote, quote);
    if (written.size() >= 2 && written.startsWith(QLatin1Char('[')) && written.endsWith(QLatin1Char(']')))
        return written.mid(1, written.size() - 2);
    return written;
}

int columnOf(const AccessTable& table, const QString& name)
{
    for (qsizetype i = 0; i < table.columns.size(); ++i) {
        if (table.columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

// The value of a quoted literal ('it''s'), or nothing when `text` is not one.
std::optional<QString> stringLiteral(const QString& text)
{
    if (text.size() < 2 || !text.startsWith(QLatin1Char('\'')) || !text.endsWith(QLatin1Char('\'')))
        return std::nullopt;
    const QString inner = text.mid(1, text.size() - 2);
    // A lone quote inside would have ended the literal.
    if (QString(inner).remove(QStringLiteral("''")).contains(QLatin1Char('\'')))
        return std::nullopt;
    return QString(inner).replace(QStringLiteral("''"), QStringLiteral("'"));
}

std::optional<Literal> literalOf(const QString& written)
{
    const QString text = written.trimmed();
    if (const auto value = stringLiteral(text))
        return Literal{LiteralKind::String, *value};
    static const QRegularExpression escape(QStringLiteral("^\\{(d|t|ts)\\s+('.*')\\}$"),
                                           QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = escape.match(text); m.hasMatch()) {
        const auto value = stringLiteral(m.captured(2));
        if (!value)
            return std::nullopt;
        const QString which = m.captured(1).toLower();
        const LiteralKind kind = which == QLatin1String("d")   ? LiteralKind::Date
                                 : which == QLatin1String("t") ? LiteralKind::Time
                                                               : LiteralKind::Timestamp;
        return Literal{kind, *value};
    }
    bool number = false;
    text.toDouble(&number);
    if (number)
        return Literal{LiteralKind::Number, text};
    return std::nullopt;
}

// A moment as milliseconds from the first day of the calendar, from the forms the driver and
// the browser write ("yyyy-mm-dd", "yyyy-mm-dd hh:mm[:ss[.zzz]]", a "T" for the blank). Read
// digit by digit: a sort parses one per row.
std::optional<qint64> momentOf(QStringView text)
{
    text = text.trimmed();
    qsizetype at = 0;
    const auto number = [&](int digits) -> std::optional<int> {
        if (at + digits > text.size())
            return std::nullopt;
        int value = 0;
        for (int i = 0; i < digits; ++i) {
            const QChar c = text[at + i];
            if (!c.isDigit())
                return std::nullopt;
            value = value * 10 + c.digitValue();
        }
        at += digits;
        return value;
    };
    const auto separator = [&](std::initializer_list<char> allowed) {
        if (at >= text.size())
            return false;
        for (char c : allowed) {
            if (text[at] == QLatin1Char(c)) {
                ++at;
                return true;
            }
        }
        return false;
    };
    const auto year = number(4);
    if (!year || !separator({'-'}))
        return std::nullopt;
    const auto month = number(2);
    if (!month || !separator({'-'}))
        return std::nullopt;
    const auto day = number(2);
    if (!day)
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    qint64 ms = 0;
    if (at < text.size()) {
        if (!separator({' ', 'T'}))
            return std::nullopt;
        const auto hours = number(2);
        if (!hours || !separator({':'}))
            return std::nullopt;
        const auto minutes = number(2);
        if (!minutes || *hours > 23 || *minutes > 59)
            return std::nullopt;
        int seconds = 0, millis = 0;
        if (separator({':'})) {
            const auto s = number(2);
            if (!s || *s > 59)
                return std::nullopt;
            seconds = *s;
            if (separator({'.'})) {
                const auto z = number(3);
                if (!z)
                    return std::nullopt;
                millis = *z;
            }
        }
        if (at != text.size())
            return std::nullopt;
        ms = ((qint64(*hours) * 60 + *minutes) * 60 + seconds) * 1000 + millis;
    }
    return date.toJulianDay() * 86400000 + ms;
}

// A number as Jet reads one, its Yes/No words included.
std::optional<double> numberOf(const QString& text)
{
    const QString t = text.trimmed();
    bool ok = false;
    const double value = t.toDouble(&ok);
    if (ok)
        return value;
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0 ||
        t.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0)
        return 1;
    if (t.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0 ||
        t.compare(QLatin1String("no"), Qt::CaseInsensitive) == 0)
        return 0;
    return std::nullopt;
}

// The driver gives a Yes as 1; Jet writes it -1: both are true.
double normalised(double value, int type)
{
    return type == adBoolean && value != 0 ? 1 : value;
}

// A LIKE pattern: % any run, _ any one character, case ignored.
QRegularExpression likePattern(const QString& pattern)
{
    QString expression;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('%'))
            expression += QStringLiteral(".*");
        else if (c == QLatin1Char('_'))
            expression += QLatin1Char('.');
        else if (c.isHighSurrogate() && i + 1 < pattern.size() && pattern[i + 1].isLowSurrogate())
            // A character beyond the Basic Multilingual Plane is escaped whole, not by halves.
            expression += QRegularExpression::escape(pattern.mid(i++, 2));
        else
            expression += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(expression),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::DotMatchesEverythingOption);
}

QCollator& textOrder()
{
    thread_local QCollator collator = [] {
        QCollator c{QLocale::c()};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}

bool compared(int order, Comparison comparison)
{
    switch (comparison) {
    case Comparison::Equal:
        return order == 0;
    case Comparison::AtLeast:
        return order >= 0;
    case Comparison::AtMost:
        return order <= 0;
    case Comparison::Like:
        break;
    }
    return false;
}

// Whether a row's value meets the condition; an empty value (a null) meets none.
bool meets(const Condition& c, int type, const QString& value)
{
    if (c.comparison == Comparison::Like)
        return !value.isEmpty() && c.pattern.match(value).hasMatch();
    if (value.isEmpty())
        return false;
    switch (c.kind) {
    case ValueKind::Number: {
        const std::optional<double> v = numberOf(value);
        if (!v || !c.number)
            return false;
        const double a = normalised(*v, type), b = normalised(*c.number, type);
        return compared(a < b ? -1 : a > b ? 1 : 0, c.comparison);
    }
    case ValueKind::DateTime: {
        const std::optional<qint64> v = momentOf(value);
        if (!v)
            return false;
        if (c.timeOfDay) {
            const qint64 t = *v % 86400000, bound = c.timeOfDay->msecsSinceStartOfDay();
            return compared(t < bound ? -1 : t > bound ? 1 : 0, c.comparison);
        }
        if (!c.moment)
            return false;
        return compared(*v < *c.moment ? -1 : *v > *c.moment ? 1 : 0, c.comparison);
    }
    case ValueKind::Text:
        return compared(textOrder().compare(value, c.literal.text), c.comparison);
    }
    return false;
}

std::optional<Condition> conditionOf(const AccessTable& table, const QString& text, const QString& quote,
                                     Status* refused)
{
    static const QRegularExpression shape(QStringLiteral("^(.+?)\\s+(like|>=|<=|=)\\s+(.+)$"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = shape.match(text.trimmed());
    if (!m.hasMatch()) {
        *refused =
            Status::failure(QStringLiteral("this database's driver cannot filter on \"%1\"").arg(text));
        return std::nullopt;
    }
    Condition c;
    const QString name = unquotedName(m.captured(1), quote);
    c.column = columnOf(table, name);
    if (c.column < 0) {
        *refused = Status::failure(QStringLiteral("the table %1 has no column %2").arg(table.name, name));
        return std::nullopt;
    }
    const int type = table.columns[c.column].type;
    c.kind = kindOf(type);
    const QString op = m.captured(2).toLower();
    c.comparison = op == QLatin1String("like") ? Comparison::Like
                   : op == QLatin1String("=")  ? Comparison::Equal
                   : op == QLatin1String(">=") ? Comparison::AtLeast
                                               : Comparison::AtMost;
    const std::optional<Literal> literal = literalOf(m.captured(3));
    if (!literal) {
        *refused = Status::failure(
            QStringLiteral("this database's driver cannot compare with %1").arg(m.captured(3)));
        return std::nullopt;
    }
    c.literal = *literal;
    if (c.comparison == Comparison::Like) {
        c.pattern = likePattern(c.literal.text);
    } else if (c.kind == ValueKind::Number) {
        // Jet refuses to compare a number with a text that reads as none; no row is an answer.
        c.number = numberOf(c.literal.text);
        if (!c.number) {
            *refused = Status::failure(QStringLiteral("\"%1\" is not a number").arg(c.literal.text));
            return std::nullopt;
        }
    } else if (c.kind == ValueKind::DateTime) {
        if (c.literal.kind == LiteralKind::Time) {
            const QTime t = QTime::fromString(c.literal.text.trimmed(), QStringLiteral("HH:mm:ss"));
            if (t.isValid())
                c.timeOfDay = t;
        } else {
            c.moment = momentOf(c.literal.text);
        }
        // A bound that reads as no date matches nothing, as the database would refuse it.
        if (!c.moment && !c.timeOfDay) {
            *refused = Status::failure(QStringLiteral("\"%1\" is not a date").arg(c.literal.text));
            return std::nullopt;
        }
    }
    return c;
}

// Splits a WHERE at its ANDs, outside quoted literals.
QStringList conjuncts(const QString& where)
{
    QStringList parts;
    static const QRegularExpression andWord(QStringLiteral("^\\s+and\\s+"),
                                            QRegularExpression::CaseInsensitiveOption);
    qsizetype start = 0;
    bool inString = false;
    for (qsizetype i = 0; i < where.size(); ++i) {
        if (where[i] == QLatin1Char('\'')) {
            inString = !inString;
            continue;
        }
        if (inString || !where[i].isSpace())
            continue;
        const QRegularExpressionMatch m = andWord.match(QStringView(where).mid(i));
        if (m.hasMatch()) {
            parts.append(where.mid(start, i - start));
            start = i + m.capturedLength();
            i = start - 1;
        }
    }
    parts.append(where.mid(start));
    return parts;
}

// The order of the rows by one column's values: numbers and moments by value, text in a
// case-blind order; empty values (nulls) first when ascending. Rows with equal values keep
// their order.
RowCursor::RowArrangement arrangementBy(int column, int type, bool descending)
{
    const ValueKind kind = kindOf(type);
    RowCursor::RowArrangement arrangement;
    arrangement.column = column;
    arrangement.order = [type, kind, descending](const QStringList& values) {
        std::vector<qsizetype> order(std::size_t(values.size()));
        std::iota(order.begin(), order.end(), 0);
        if (kind == ValueKind::Text) {
            std::vector<QCollatorSortKey> keys;
            keys.reserve(order.size());
            for (const QString& value : values)
                keys.push_back(textOrder().sortKey(value));
            std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
                const int c = keys[std::size_t(a)].compare(keys[std::size_t(b)]);
                return descending ? c > 0 : c < 0;
            });
        } else {
            std::vector<double> keys;
            keys.reserve(order.size());
            for (const QString& value : values) {
                double key = -std::numeric_limits<double>::infinity();
                if (kind == ValueKind::Number) {
                    if (const auto v = numberOf(value))
                        key = normalised(*v, type);
                } else if (const auto v = momentOf(value)) {
                    key = double(*v);
                }
                keys.push_back(key);
            }
            std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
                return descending ? keys[std::size_t(a)] > keys[std::size_t(b)]
                                  : keys[std::size_t(a)] < keys[std::size_t(b)];
            });
        }
        return order;
    };
    return arrangement;
}

} // namespace

bool planAccessQuery(const AccessCatalogue& catalogue, const QString& sql, const QString& quote,
                     AccessQueryPlan* plan, Status* refused)
{
    *refused = Status{};
    static const QRegularExpression shape(
        QStringLiteral("^\\s*select\\s+\\*\\s+from\\s+(.+?)(?:\\s+where\\s+(.+?))?"
                       "(?:\\s+order\\s+by\\s+(.+?)(?:\\s+(asc|desc))?)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = shape.match(sql);
    if (!m.hasMatch() || (!m.hasCaptured(2) && !m.hasCaptured(3)))
        return false;
    const AccessTable* table = catalogue.table(unquotedName(m.captured(1), quote));
    if (!table)
        return false;
    QList<Condition> conditions;
    if (m.hasCaptured(2)) {
        for (const QString& part : conjuncts(m.captured(2))) {
            std::optional<Condition> c = conditionOf(*table, part, quote, refused);
            if (!c)
                return false;
            conditions.append(std::move(*c));
        }
    }
    AccessQueryPlan result;
    result.source = QStringLiteral("SELECT * from ") + m.captured(1);
    if (!conditions.isEmpty()) {
        QList<int> types;
        for (const Field& f : table->columns)
            types.append(f.type);
        result.keep = [conditions, types](const QStringList& row) {
            return std::all_of(conditions.begin(), conditions.end(), [&](const Condition& c) {
                return meets(c, types[c.column], c.column < row.size() ? row[c.column] : QString());
            });
        };
    }
    if (m.hasCaptured(3)) {
        const QString name = unquotedName(m.captured(3), quote);
        const int column = columnOf(*table, name);
        if (column < 0) {
            *refused =
                Status::failure(QStringLiteral("the table %1 has no column %2").arg(table->name, name));
            return false;
        }
        result.arrange =
            arrangementBy(column, table->columns[column].type,
                          m.captured(4).compare(QLatin1String("desc"), Qt::CaseInsensitive) == 0);
    }
    *plan = std::move(result);
    return true;
}

} // namespace platform::ado
