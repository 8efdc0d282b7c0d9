#include "browser/date_bound.h"

#include <QRegularExpression>
#include <QStringList>

namespace browser
{

namespace
{

constexpr int kTwoDigitYearPivot = 1930;

// A date format accepting one or two digits for day and month, and, when the text has a
// four-digit year, four digits where the locale writes two.
QString lenient(QString format, bool fourDigitYear)
{
    format.replace(QStringLiteral("dd"), QStringLiteral("d"))
        .replace(QStringLiteral("MM"), QStringLiteral("M"));
    if (fourDigitYear && !format.contains(QStringLiteral("yyyy")))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
}

std::optional<QDate> readInFormat(const QString& text, const QLocale& locale, const QString& format,
                                  bool fourDigitYear)
{
    QDate date = locale.toDate(text, format);
    if (!date.isValid())
        return std::nullopt;
    if (!fourDigitYear && !format.contains(QStringLiteral("yyyy")) && date.year() < kTwoDigitYearPivot)
        date = date.addYears(100);
    return date;
}

} // namespace

std::optional<QDate> readDate(const QString& text, const QLocale& locale)
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
    const QString shortFormat = lenient(locale.dateFormat(QLocale::ShortFormat), fourDigitYear);
    for (const QString& candidate : {trimmed, datePart}) {
        if (auto date = readInFormat(candidate, locale, shortFormat, fourDigitYear))
            return date;
    }
    for (const QString& format :
         {locale.dateFormat(QLocale::LongFormat), locale.dateFormat(QLocale::NarrowFormat)}) {
        if (auto date = readInFormat(trimmed, locale, format, true))
            return date;
    }
    return std::nullopt;
}

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

} // namespace browser
