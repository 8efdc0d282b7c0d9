#include "generators/oracle/package_rows.h"

#include "generators/oracle/ora_types.h"

namespace generators::oracle
{

RowSet packageColumnRows(const QList<platform::ado::Field>& columns)
{
    return withListComma(fieldRows(columns, ora_types));
}

void writeTableColumns(ModuleFile& file, const LineTable& lines, const QString& table,
                       const QList<platform::ado::Field>& columns)
{
    writeLineTable(file, lines, {{QStringLiteral("table"), table}},
                   {{QStringLiteral("column"), packageColumnRows(columns)}});
}

RowSet keyColumnRows(const QStringList& keyColumns)
{
    RowSet rows = rowsOf(QStringLiteral("key_column"), keyColumns);
    for (qsizetype j = 0; j < rows.size(); ++j)
        rows[j].append(
            {QStringLiteral("key_joiner"), j == 0 ? QStringLiteral(" where ") : QStringLiteral(" and ")});
    return rows;
}

} // namespace generators::oracle
