#include "generators/classmodule/class_lines.h"

namespace generators::classmodule
{

namespace
{

// The input member as it goes between the quotes of a literal in the generated SQL. Text
// values have their apostrophes doubled, so a value such as O'Brien cannot end the
// literal early or carry SQL of its own. A Variant member may hold Null, which Replace
// refuses; joined to "" first it reads as the empty text, as the plain concatenation did.
// A Variant joined bare takes any text, so it goes through CDec: a value that is no number
// stops with a type mismatch inside the method's error trap instead of becoming SQL.
QString sqlValue(const ClassColumn& column)
{
    QString member = QStringLiteral("zi_") + column.name;
    if (column.sqlquote.isEmpty() && column.vbtype == QLatin1String("Variant"))
        return QStringLiteral("CDec(%1)").arg(member);
    if (column.sqlquote != QLatin1String("'"))
        return member;
    if (column.vbtype == QLatin1String("Variant"))
        member.prepend(QStringLiteral("\"\" & "));
    return QStringLiteral("Replace(%1, \"'\", \"''\")").arg(member);
}

Placeholders columnValues(const ClassColumn& column)
{
    return {{QStringLiteral("column"), column.name},
            {QStringLiteral("vbtype"), column.vbtype},
            {QStringLiteral("sqlquote"), column.sqlquote},
            {QStringLiteral("value"), sqlValue(column)}};
}

Placeholders tableValues(const ClassTable& table)
{
    return {{QStringLiteral("table"), table.table}};
}

} // namespace

void writeClassLines(ModuleFile& file, const LineTable& lines, const ClassTable& table,
                     const Placeholders& values, RowSets rows)
{
    RowSet columns;
    for (const ClassColumn& column : table.columns)
        columns.append(columnValues(column));
    RowSet indexes;
    for (qsizetype n = 0; n < table.indexColumns.size(); ++n)
        indexes.append({{QStringLiteral("n"), QString::number(n + 1)},
                        {QStringLiteral("index_columns"), table.indexColumns[n]}});
    rows.add(QStringLiteral("column"), columns)
        .add(QStringLiteral("index"), indexes)
        .add(QStringLiteral("key"), rowsOf(QStringLiteral("key_column"), table.keyColumns));
    writeLineTable(file, lines, tableValues(table) + values, rows);
}

void writeColumnGroups(ModuleFile& file, const LineTable& group, const ClassTable& table)
{
    for (const ClassColumn& column : table.columns)
        writeLineTable(file, group, columnValues(column) + tableValues(table));
}

} // namespace generators::classmodule
