#include "generators/classmodule/class_table.h"

#include <algorithm>

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

QList<ClassColumn> primaryKeyColumns(const ClassTable& table)
{
    QList<ClassColumn> keys;
    for (const QString& name : table.primaryKey) {
        const auto found = std::find_if(table.columns.cbegin(), table.columns.cend(),
                                        [&name](const ClassColumn& column) { return column.name == name; });
        keys.append(found != table.columns.cend() ? *found : ClassColumn{name, {}, {}});
    }
    return keys;
}

} // namespace generators::classmodule
