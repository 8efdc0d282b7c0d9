#pragma once
// The date and time bounds of the range search: a date box is rewritten as
// month/day/year before it goes into the query, so the database reads it one way
// whatever the user's locale writes; a time is read in the locale too.

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <optional>

namespace browser
{

// The date a text stands for in the locale: an ISO date, the locale's short date (also
// with '-' or '.' for its separator), or its long date, also without the weekday and
// with the month's short name (a time after a short date is ignored). Two-digit years 00-29 are 2000-2029,
// 30-99 are 1930-1999. A year outside 1-9999 reads as no date.
std::optional<QDate> readDate(const QString& text, const QLocale& locale);

// The separator of the locale's short date form; '/' when it has none.
QChar dateSeparator(const QLocale& locale);

// The box's new text: "mm/dd/yyyy" with the locale's separator, or the text unchanged
// when it reads as no date.
QString rewriteDateBound(const QString& text, const QLocale& locale);

// The date as a query writes it, "yyyy-mm-dd", or the text unchanged when it reads as
// no date.
QString dateForQuery(const QString& text, const QLocale& locale);

// The time of day a text stands for in the locale: "h:mm" or "h:mm:ss" on the 24-hour
// clock, or the locale's short time, also with seconds ("8:30 PM", "8:30:15 PM").
std::optional<QTime> readTime(const QString& text, const QLocale& locale);

// The time as a query writes it, "hh:mm:ss", or the text unchanged when it reads as no
// time.
QString timeForQuery(const QString& text, const QLocale& locale);

} // namespace browser
