#include "generators/common/name_check.h"

#include "generators/common/column_discovery.h"
#include "platform/text_file.h"

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

bool isPlainIdentifier(const QString& name)
{
    if (name.isEmpty() || !name.front().isLetter())
        return false;
    for (const QChar c : name) {
        if (!c.isLetterOrNumber() && c != QLatin1Char('_'))
            return false;
    }
    return true;
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
    } else if (!isPlainIdentifier(name)) {
        fit = NameFit::uncompilable;
        why = QStringLiteral("is not a plain identifier");
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
        QStringList uncompilable;
        if (nameFit(table) == NameFit::uncompilable)
            uncompilable.append(QStringLiteral("\"%1\"").arg(table));
        QString leftOut;
        for (const platform::ado::Field& column : columns) {
            const NameFit columnFit = nameFit(column.name, &reason);
            if (columnFit == NameFit::breaksCode && leftOut.isEmpty())
                leftOut = QStringLiteral("%1: left out of the run, the column name %2 %3")
                              .arg(shown(table), shown(column.name), reason);
            else if (columnFit == NameFit::uncompilable)
                uncompilable.append(QStringLiteral("\"%1\"").arg(column.name));
        }
        if (!leftOut.isEmpty()) {
            ctx.problem(leftOut);
            continue;
        }
        if (!uncompilable.isEmpty())
            ctx.problem(QStringLiteral("%1: %2 %3; its generated code will not compile as it stands")
                            .arg(table, uncompilable.join(QStringLiteral(", ")),
                                 uncompilable.size() == 1 ? QStringLiteral("is not a plain identifier")
                                                          : QStringLiteral("are not plain identifiers")));
        reportAmbiguousName(ctx, table, columns, withRowLimit);
        fit.append(table);
    }
    ctx.catalogue.expectTables(fit);
    return fit;
}

} // namespace generators
