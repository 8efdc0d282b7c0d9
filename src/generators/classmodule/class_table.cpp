#include "generators/classmodule/class_table.h"

namespace generators::classmodule
{

QList<ClassColumn> classColumns(const QList<platform::ado::Field>& fields, const TypeTables& types)
{
    QList<ClassColumn> columns;
    columns.reserve(fields.size());
    for (const platform::ado::Field& field : fields)
        columns.append({field.name, TypeTables::lookup(types.vb_types, field.type),
                        TypeTables::lookup(types.sql_quotes, field.type)});
    return columns;
}

} // namespace generators::classmodule
