#pragma once
// The VB.NET type word of a column by its data type code, as the type table holds it
// (blanks included); a code the table does not list, or outside it, gives "".

#include "generators/common/type_tables.h"

namespace generators::dataclasses {

inline QString netType(int code)
{
    return TypeTables::lookup(standardTypeTables().net_types, code);
}

} // namespace generators::dataclasses
