#pragma once
// The VB.NET type word of a column by its data type code, as the type table holds it
// (blanks included); a code the table does not list, or outside it, gives "".

#include "generators/common/line_table.h"
#include "generators/common/type_tables.h"

namespace generators::dataclasses
{

inline QString netType(int code)
{
    return TypeTables::lookup(standardTypeTables().net_types, code);
}

// One row per column: <column> its name and <type> its VB.NET type word.
inline RowSet columnRows(const QList<platform::ado::Field>& columns)
{
    return fieldRows(columns, netType);
}

} // namespace generators::dataclasses
