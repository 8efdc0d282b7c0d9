#include "generators/vbnet/line_table.h"

namespace generators::vbnet {

namespace {

// Splits a leading "[name]" / "[!name]" tag off a template line; returns false when the
// line is not to be written.
bool takeTag(QStringView& line, const LineTableSource& source)
{
    const std::optional<QStringView> tag = takeLineTag(line);
    if (!tag)
        return true;
    QStringView name = *tag;
    const bool negated = name.startsWith(QLatin1Char('!'));
    if (negated)
        name = name.sliced(1);
    const bool holds = source.condition && source.condition(name);
    return holds != negated;
}

} // namespace

void writeLineTable(ModuleFile& file, QStringView block, const Placeholders& values,
                    const LineTableSource& source)
{
    const QStringList lines = templateLines(block);
    bool haveColumns = false;
    QStringList columns;
    Placeholders withColumn = values;
    withColumn.append({QStringLiteral("column"), QString()});
    for (const QString& templateLine : lines) {
        QStringView line(templateLine);
        if (!takeTag(line, source))
            continue;
        if (!line.contains(u"<column>")) {
            file.emit_line(expand(line, values));
            continue;
        }
        if (!haveColumns) {
            if (source.columns)
                columns = source.columns();
            haveColumns = true;
        }
        for (const QString& column : std::as_const(columns)) {
            withColumn.last().second = column;
            file.emit_line(expand(line, withColumn));
        }
    }
}

} // namespace generators::vbnet
