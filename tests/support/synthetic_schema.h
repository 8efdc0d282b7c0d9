#pragma once
// A schema script of many alike tables, for runs that must take a while: N tables of an id
// key, 8 typed columns and a foreign key to the table before, named t00000, t00001, …

#include <QString>

namespace testsupport
{

enum class SchemaDialect { Sqlite, Postgres, Mariadb };

// Writes the script to `path`; false when the file cannot be written.
bool writeSyntheticSchema(const QString& path, int tables, SchemaDialect dialect);

} // namespace testsupport
