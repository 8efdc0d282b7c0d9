#include "generators/common/name_check.h"

#include "generators/common/column_discovery.h"
#include "platform/text_file.h"

#include <QSet>

#include <algorithm>

namespace generators
{

namespace
{

// A name as a problem line shows it: a line break in it would split the line.
QString shown(QString name)
{
    return name.replace(QLatin1Char('\r'), QLatin1String("\\r"))
        .replace(QLatin1Char('\n'), QLatin1String("\\n"));
}

// VB.NET reads the curly double quotes (Windows-1252 0x93, 0x94) as the straight one.
bool holdsDoubleQuote(const QString& name)
{
    return name.contains(QLatin1Char('"')) || name.contains(QChar(0x201C)) || name.contains(QChar(0x201D));
}

// Why a name is no plain identifier, in plain words; empty when it is one.
QString notPlainBecause(const QString& name)
{
    if (name.isEmpty())
        return QStringLiteral("is empty");
    if (name.front().isDigit())
        return QStringLiteral("starts with a digit");
    if (name.front() == QLatin1Char('_'))
        return QStringLiteral("starts with an underscore");
    for (const QChar c : name) {
        if (c.isLetterOrNumber() || c == QLatin1Char('_'))
            continue;
        if (c.isSpace())
            return QStringLiteral("holds a blank");
        if (c == QLatin1Char('\'') || c == QChar(0x2019))
            return QStringLiteral("holds an apostrophe");
        if (c == QLatin1Char('-'))
            return QStringLiteral("holds a hyphen");
        return QStringLiteral("holds %1, which a VB name cannot hold").arg(c);
    }
    if (!name.front().isLetter())
        return QStringLiteral("starts with %1, which a VB name cannot start with").arg(name.front());
    return {};
}

// "a", "a and b", "a, b and c".
QString listed(const QStringList& items)
{
    if (items.size() < 2)
        return items.join(QString());
    return items.mid(0, items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + items.last();
}

// What the user can rename: the table, its column or columns, or both.
QString renamed(bool table, int columns)
{
    if (table && columns > 0)
        return QStringLiteral("rename them");
    if (table)
        return QStringLiteral("rename the table");
    return columns == 1 ? QStringLiteral("rename the column") : QStringLiteral("rename the columns");
}

// One name of a table in a problem line: the table's own, or one of its columns.
QString subject(bool table, const QString& name)
{
    return table ? QStringLiteral("the table's name") : QStringLiteral("the column \"%1\"").arg(name);
}

// The first character of `name` that Windows-1252 cannot hold, or an empty text.
QString unencodable(const QString& name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const qsizetype width = name.at(i).isHighSurrogate() && i + 1 < name.size() ? 2 : 1;
        const QString c = name.mid(i, width);
        if (platform::fromWindows1252(platform::toWindows1252(c)) != c)
            return c;
        i += width - 1;
    }
    return {};
}

bool sameColumns(const QList<platform::ado::Field>& a, const QList<platform::ado::Field>& b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(),
                      [](const platform::ado::Field& x, const platform::ado::Field& y) {
                          return x.name == y.name && x.type == y.type;
                      });
}

// The schemas holding a table named `table`, when there are several; the run's column
// query names the table alone, so the database chose one of them. Each schema's table is
// asked for its columns: the one whose columns are those the run read is named.
void reportAmbiguousName(RunContext& ctx, const QString& table, const QList<platform::ado::Field>& read,
                         bool withRowLimit)
{
    const TableSchemas found = ctx.catalogue.tableSchemas(table);
    if (!found.ok)
        ctx.problem(QStringLiteral("%1: the schemas holding this name could not be read (%2)")
                        .arg(shown(table), found.error));
    if (found.schemas.size() < 2)
        return;
    const QString quote = ctx.catalogue.identifierQuote().trimmed();
    const auto quoted = [&quote](const QString& name) {
        return quote + QString(name).replace(quote, quote + quote) + quote;
    };
    QStringList matching;
    for (const QString& schema : found.schemas) {
        const QString query = QStringLiteral("SELECT * from ") + quoted(schema) + QLatin1Char('.') +
                              quoted(table) + (withRowLimit ? ctx.in.row_limit : QString());
        const ColumnList columns = ctx.catalogue.columns(DataControlId::data4, query);
        if (columns.ok && !read.isEmpty() && sameColumns(columns.columns, read))
            matching.append(schema);
    }
    const QString which = matching.size() == 1
                              ? QStringLiteral("the one in %1").arg(matching.first())
                              : QStringLiteral("the one the database finds first for this name");
    ctx.problem(QStringLiteral("%1: a table of this name is in the schemas %2; the run read %3")
                    .arg(shown(table), found.schemas.join(QStringLiteral(", ")), which));
}

} // namespace

NameFit nameFit(const QString& name, QString* reason)
{
    QString why;
    NameFit fit = NameFit::plain;
    const QString character = unencodable(name);
    if (holdsDoubleQuote(name)) {
        fit = NameFit::breaksCode;
        why = QStringLiteral("holds a double quote");
    } else if (name.contains(QLatin1Char('\r')) || name.contains(QLatin1Char('\n'))) {
        fit = NameFit::breaksCode;
        why = QStringLiteral("holds a line break");
    } else if (!character.isEmpty()) {
        fit = NameFit::breaksCode;
        why = QStringLiteral("holds %1, a character the generated files (Windows-1252) cannot hold")
                  .arg(character);
    } else if (const QString notPlain = notPlainBecause(name); !notPlain.isEmpty()) {
        fit = NameFit::uncompilable;
        why = notPlain;
    }
    if (reason)
        *reason = why;
    return fit;
}

QStringList tablesFitForCode(RunContext& ctx, const QStringList& tables, bool withRowLimit)
{
    QStringList described;
    for (const QString& table : tables) {
        if (nameFit(table) != NameFit::breaksCode)
            described.append(table);
    }
    describeAhead(ctx, described, withRowLimit);
    const QStringList words = ctx.catalogue.reservedWords();
    const QSet<QString> reservedWords(words.cbegin(), words.cend());
    QStringList fit;
    for (const QString& table : tables) {
        QString reason;
        if (nameFit(table, &reason) == NameFit::breaksCode) {
            ctx.problem(
                QStringLiteral("%1: left out of the run, the table name %2").arg(shown(table), reason));
            continue;
        }
        const QList<platform::ado::Field> columns =
            discoverColumns(ctx, DataControlId::data3, table, withRowLimit);
        // Names written as they are: those that will not compile, and reserved words.
        QStringList uncompilable, reserved;
        bool tableUncompilable = false, tableReserved = false;
        int columnsUncompilable = 0, columnsReserved = 0;
        const auto check = [&](bool isTable, const QString& name) {
            QString why;
            if (nameFit(name, &why) == NameFit::uncompilable) {
                uncompilable.append(subject(isTable, name) + QLatin1Char(' ') + why);
                if (isTable)
                    tableUncompilable = true;
                else
                    ++columnsUncompilable;
            }
            if (reservedWords.contains(name.toUpper())) {
                reserved.append(subject(isTable, name));
                if (isTable)
                    tableReserved = true;
                else
                    ++columnsReserved;
            }
        };
        check(true, table);
        QString leftOut;
        for (const platform::ado::Field& column : columns) {
            if (nameFit(column.name, &reason) == NameFit::breaksCode) {
                if (leftOut.isEmpty())
                    leftOut = QStringLiteral("%1: left out of the run, the column name %2 %3")
                                  .arg(shown(table), shown(column.name), reason);
                continue;
            }
            check(false, column.name);
        }
        if (!leftOut.isEmpty()) {
            ctx.problem(leftOut);
            continue;
        }
        if (!uncompilable.isEmpty())
            ctx.problem(
                QStringLiteral("%1: %2, so the generated VB code will not compile as it stands; %3, or "
                               "correct the names in the generated files.")
                    .arg(table, listed(uncompilable), renamed(tableUncompilable, columnsUncompilable)));
        if (!reserved.isEmpty())
            ctx.problem(
                QStringLiteral("%1: %2 %3 a reserved word of the database's SQL, so the generated "
                               "statements that name %4 may fail as they stand; %5, or quote %6 in the "
                               "generated statements.")
                    .arg(table, listed(reserved))
                    .arg(reserved.size() == 1 ? QStringLiteral("is") : QStringLiteral("are each"),
                         reserved.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"),
                         renamed(tableReserved, columnsReserved),
                         reserved.size() == 1 ? QStringLiteral("the name") : QStringLiteral("the names")));
        reportAmbiguousName(ctx, table, columns, withRowLimit);
        fit.append(table);
    }
    ctx.catalogue.expectTables(fit);
    return fit;
}

} // namespace generators
