#include "browser/date_bound.h"

#include <QRegularExpression>
#include <QStringList>

namespace browser
{

namespace
{

constexpr int kTwoDigitYearPivot = 1930;

// A date format accepting one or two digits for day and month, and the year with as
// many digits as the text has: four, or two where the locale writes four.
QString lenient(QString format, bool fourDigitYear)
{
    // Only the numeric day and month: "ddd" and "MMM" are names.
    static const QRegularExpression day(QStringLiteral("(?<!d)dd(?!d)"));
    static const QRegularExpression month(QStringLiteral("(?<!M)MM(?!M)"));
    format.replace(day, QStringLiteral("d")).replace(month, QStringLiteral("M"));
    format.replace(QStringLiteral("yyyy"), QStringLiteral("yy"));
    if (fourDigitYear)
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

std::optional<QDate> readInFormat(const QString& text, const QLocale& locale, const QString& format,
                                  bool fourDigitYear)
{
    QDate date = locale.toDate(text, lenient(format, fourDigitYear));
    if (!date.isValid())
        return std::nullopt;
    if (!fourDigitYear && date.year() < kTwoDigitYearPivot)
        date = date.addYears(100);
    return date;
}

// The locale's long and narrow forms, each also without its weekday ("MMMM d, yyyy")
// and with the month's short name ("MMM d, yyyy").
QStringList namedFormats(const QLocale& locale)
{
    static const QRegularExpression weekday(QStringLiteral("(?<!d)d{3,4}(?!d)[,.]?\\s*"));
    static const QRegularExpression longMonth(QStringLiteral("M{4}"));
    QStringList formats;
    for (const QString& format :
         {locale.dateFormat(QLocale::LongFormat), locale.dateFormat(QLocale::NarrowFormat)}) {
        QString plain = format;
        plain.remove(weekday);
        for (const QString& candidate :
             {format, plain, QString(plain).replace(longMonth, QStringLiteral("MMM"))}) {
            if (!formats.contains(candidate))
                formats << candidate;
        }
    }
    return formats;
}

// The locale's short time form with one or two digits for the hour, without and with
// seconds.
QStringList timeFormats(const QLocale& locale)
{
    static const QRegularExpression hour(QStringLiteral("([Hh])\\1"));
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.replace(hour, QStringLiteral("\\1"));
    QString withSeconds = format;
    withSeconds.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
    return {format, withSeconds};
}

std::optional<QDate> readAnyDate(const QString& text, const QLocale& locale);

} // namespace

// A date the query cannot write as yyyy-mm-dd (a year before 1 or after 9999) is no date:
// the text then goes to the database as typed, which names the fault.
std::optional<QDate> readDate(const QString& text, const QLocale& locale)
{
    const std::optional<QDate> date = readAnyDate(text, locale);
    if (date && (date->year() < 1 || date->year() > 9999))
        return std::nullopt;
    return date;
}

namespace
{

std::optional<QDate> readAnyDate(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    static const QRegularExpression iso(QStringLiteral("^(\\d{4}-\\d{2}-\\d{2})([T ].*)?$"));
    if (const auto match = iso.match(trimmed); match.hasMatch()) {
        const QDate date = QDate::fromString(match.captured(1), Qt::ISODate);
        if (date.isValid())
            return date;
    }
    // A time after the date is dropped: only the date part counts.
    const QString datePart = trimmed.section(QLatin1Char(' '), 0, 0);
    static const QRegularExpression fourDigits(QStringLiteral("\\d{4}"));
    const bool fourDigitYear = fourDigits.match(trimmed).hasMatch();
    const QString shortFormat = locale.dateFormat(QLocale::ShortFormat);
    // '-' and '.' stand for the locale's separator as well.
    static const QRegularExpression otherSeparator(QStringLiteral("[-.]"));
    const QString separator = dateSeparator(locale);
    for (const QString& candidate :
         {trimmed, datePart, QString(datePart).replace(otherSeparator, separator)}) {
        if (auto date = readInFormat(candidate, locale, shortFormat, fourDigitYear))
            return date;
    }
    for (const QString& format : namedFormats(locale)) {
        if (auto date = readInFormat(trimmed, locale, format, fourDigitYear))
            return date;
    }
    return std::nullopt;
}

} // namespace

QChar dateSeparator(const QLocale& locale)
{
    for (QChar ch : locale.dateFormat(QLocale::ShortFormat)) {
        if (ch.isLetter() || ch == QLatin1Char('\''))
            continue;
        return ch.isSpace() ? QLatin1Char('/') : ch;
    }
    return QLatin1Char('/');
}

QString rewriteDateBound(const QString& text, const QLocale& locale)
{
    const std::optional<QDate> date = readDate(text, locale);
    if (!date)
        return text;
    const QChar separator = dateSeparator(locale);
    const auto digits = [](int value, int width) {
        return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
    };
    return digits(date->month(), 2) + separator + digits(date->day(), 2) + separator +
           digits(date->year(), 4);
}

std::optional<QTime> readTime(const QString& text, const QLocale& locale)
{
    const QString trimmed = text.trimmed();
    static const QRegularExpression clock(QStringLiteral("^(\\d{1,2}):(\\d{2})(?::(\\d{2}))?$"));
    if (const auto match = clock.match(trimmed); match.hasMatch()) {
        const QTime time(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
        return time.isValid() ? std::optional(time) : std::nullopt;
    }
    for (const QString& format : timeFormats(locale)) {
        const QTime time = locale.toTime(trimmed, format);
        if (time.isValid())
            return time;
    }
    return std::nullopt;
}

QString timeForQuery(const QString& text, const QLocale& locale)
{
    const std::optional<QTime> time = readTime(text, locale);
    return time ? time->toString(QStringLiteral("HH:mm:ss")) : text;
}

QString dateForQuery(const QString& text, const QLocale& locale)
{
    const std::optional<QDate> date = readDate(text, locale);
    return date ? date->toString(Qt::ISODate) : text;
}

} // namespace browser
