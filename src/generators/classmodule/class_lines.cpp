#include "generators/classmodule/class_lines.h"

namespace generators::classmodule
{

namespace
{

// The input member as it goes between the quotes of a literal in the generated SQL. Text
// values have their apostrophes doubled, so a value such as O'Brien cannot end the
// literal early or carry SQL of its own. A Variant member may hold Null, which Replace
// refuses; joined to "" first it reads as the empty text, as the plain concatenation did.
QString sqlValue(const ClassColumn& column)
{
    QString member = QStringLiteral("zi_") + column.name;
    if (column.sqlquote != QLatin1String("'"))
        return member;
    if (column.vbtype == QLatin1String("Variant"))
        member.prepend(QStringLiteral("\"\" & "));
    return QStringLiteral("Replace(%1, \"'\", \"''\")").arg(member);
}

Placeholders columnValues(const ClassColumn& column, const Placeholders& values)
{
    Placeholders perColumn{{QStringLiteral("column"), column.name},
                           {QStringLiteral("vbtype"), column.vbtype},
                           {QStringLiteral("sqlquote"), column.sqlquote},
                           {QStringLiteral("value"), sqlValue(column)}};
    return perColumn + values;
}

// Splits a leading "[name]" tag off a row; false when the row is not to be written.
bool takeTag(QStringView& row, const QStringList& tags)
{
    const std::optional<QStringView> tag = takeLineTag(row);
    return !tag || tags.contains(tag->toString());
}

} // namespace

void writeClassLines(ModuleFile& file, QStringView block, const ClassTable& table, const Placeholders& values,
                     const QStringList& tags)
{
    const Placeholders base = Placeholders{{QStringLiteral("table"), table.table}} + values;
    for (const QString& templateRow : templateLines(block)) {
        QStringView row(templateRow);
        if (!takeTag(row, tags))
            continue;
        if (row.contains(u"<column>")) {
            for (const ClassColumn& column : table.columns)
                file.emit_line(expand(row, columnValues(column, base)));
        } else if (row.contains(u"<n>")) {
            for (qsizetype n = 0; n < table.indexColumns.size(); ++n)
                file.emit_line(
                    expand(row, Placeholders{{QStringLiteral("n"), QString::number(n + 1)},
                                             {QStringLiteral("index_columns"), table.indexColumns[n]}} +
                                    base));
        } else if (row.contains(u"<key_column>")) {
            for (const QString& key : table.keyColumns)
                file.emit_line(expand(row, Placeholders{{QStringLiteral("key_column"), key}} + base));
        } else {
            file.emit_line(expand(row, base));
        }
    }
}

void writeColumnGroups(ModuleFile& file, QStringView block, const ClassTable& table)
{
    const Placeholders base{{QStringLiteral("table"), table.table}};
    const QStringList rows = templateLines(block);
    for (const ClassColumn& column : table.columns) {
        const Placeholders values = columnValues(column, base);
        for (const QString& row : rows)
            file.emit_line(expand(row, values));
    }
}

} // namespace generators::classmodule
