#include "generators/dataclasses/line_table.h"

#include "generators/dataclasses/net_type.h"

namespace generators::dataclasses {

QList<Placeholders> when(bool condition)
{
    return condition ? QList<Placeholders>{Placeholders{}} : QList<Placeholders>{};
}

QList<Placeholders> columnRows(const QList<platform::ado::Field>& columns)
{
    QList<Placeholders> rows;
    for (const platform::ado::Field& field : columns)
        rows.append({{QStringLiteral("column"), field.name}, {QStringLiteral("type"), netType(field.type)}});
    return rows;
}

QList<Placeholders> nameRows(const QString& key, const QStringList& names)
{
    QList<Placeholders> rows;
    for (const QString& name : names)
        rows.append({{key, name}});
    return rows;
}

QStringList expandLineTable(QStringView block, const Placeholders& values, const RowSets& rows)
{
    QStringList out;
    for (const QString& line : templateLines(block)) {
        const qsizetype close = line.startsWith(QLatin1Char('[')) ? line.indexOf(QLatin1Char(']')) : -1;
        if (close < 0) {
            out.append(expand(line, values));
            continue;
        }
        const QString tag = line.mid(1, close - 1);
        Q_ASSERT_X(rows.contains(tag), "expandLineTable", qPrintable(tag));
        const QStringView text = QStringView(line).sliced(close + 1);
        for (const Placeholders& entry : rows.value(tag))
            out.append(expand(text, entry + values));
    }
    return out;
}

void writeLineTable(ModuleFile& file, QStringView block, const Placeholders& values, const RowSets& rows)
{
    file.emitLines(expandLineTable(block, values, rows));
}

} // namespace generators::dataclasses
