#pragma once
// The SQL texts of the data browser: open, sort, value filter and range search over
// the selected table. Table and column names go in as given (the page writes them with the
// driver's quotes where they need them); values typed by the user go in as SQL literals,
// so a quote inside a value cannot end the literal.

#include <QString>

namespace browser
{

// The filter options s1(0..3), by index; -1 when none is chosen.
enum FilterKind : int { BeginWith = 0, EndWith = 1, Contain = 2, Equal = 3, NoFilter = -1 };

// How the range search writes a bound, by the data type code shown in `tp`: a number
// bare, a text in quotes, a date, a time of day or a timestamp in the driver's escape for
// it, which each driver turns into its own database's form. Codes of no such type: no
// bound.
enum class RangeKind { None, Number, Text, Date, Time, Timestamp };
RangeKind rangeKind(const QString& typeCode);

// The text between the quotes of a string literal: every quote doubled.
QString sqlString(const QString& value);

QString openQuery(const QString& table);
QString sortQuery(const QString& table, const QString& column, bool descending);
QString filterQuery(const QString& table, const QString& column, const QString& value, int kind);
// Empty bounds are left out; a date or timestamp bound is "yyyy-mm-dd", a time bound
// "hh:mm:ss", or anything typed that reads as neither (which the database then refuses).
QString rangeQuery(const QString& table, const QString& column, RangeKind kind, const QString& from,
                   const QString& to);

} // namespace browser
