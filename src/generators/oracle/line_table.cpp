#include "generators/oracle/line_table.h"

#include "generators/oracle/ora_types.h"

namespace generators::oracle {

void writeLineRows(ModuleFile& file, const QStringList& rows, const Placeholders& values,
                   const QList<platform::ado::Field>& columns, const QStringList& keyColumns)
{
    for (const QString& row : rows) {
        if (row.contains(u"<column>")) {
            for (qsizetype j = 0; j < columns.size(); ++j) {
                Placeholders perColumn{{QStringLiteral("column"), columns[j].name},
                                       {QStringLiteral("type"), ora_types(columns[j].type)},
                                       {QStringLiteral("comma"), listComma(j, columns.size())}};
                perColumn += values;
                file.emit_line(expand(row, perColumn));
            }
        } else if (row.contains(u"<key_column>")) {
            for (qsizetype j = 0; j < keyColumns.size(); ++j) {
                Placeholders perKey{{QStringLiteral("key_column"), keyColumns[j]},
                                    {QStringLiteral("key_joiner"),
                                     j == 0 ? QStringLiteral(" where ") : QStringLiteral(" and ")}};
                perKey += values;
                file.emit_line(expand(row, perKey));
            }
        } else {
            file.emit_line(expand(row, values));
        }
    }
}

void writeLineTable(ModuleFile& file, QStringView block, const Placeholders& values,
                    const QList<platform::ado::Field>& columns, const QStringList& keyColumns)
{
    writeLineRows(file, templateLines(block), values, columns, keyColumns);
}

} // namespace generators::oracle
