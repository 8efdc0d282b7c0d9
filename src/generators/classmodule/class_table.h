#pragma once
// What one class module is written from: the table name, its columns with their VB6
// type and SQL quote, the column texts of its indexes and the columns of its first index.

#include "generators/common/type_tables.h"
#include "platform/ado/ado.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace generators::classmodule
{

struct ClassColumn {
    QString name;
    QString vbtype;   // vb_types entry of the column's data type code
    QString sqlquote; // sql_quotes entry: "'", "#" or ""
};

struct ClassTable {
    QString table;
    QList<ClassColumn> columns; // in field order
    QStringList indexColumns;   // one entry per index: its column names joined by ", "
    QStringList keyColumns;     // the columns of the first index
    QStringList primaryKey;     // the primary-key columns, in key order
};

// The columns of a discovery query with their type-table entries.
QList<ClassColumn> classColumns(const QList<platform::ado::Field>& fields, const TypeTables& types);

// The primary-key columns with their type-table entries, in key order; a key column the
// column query did not return has neither type nor quote.
QList<ClassColumn> primaryKeyColumns(const ClassTable& table);

} // namespace generators::classmodule
