#pragma once
// ora_types: the PL/SQL type word of a package parameter, by the data type code of the
// column's field.

#include <QString>

namespace generators::oracle
{

// "Date" for timestamps (adDBTimeStamp), "Number" for adNumeric and adVarNumeric,
// "Varchar2" for every other code, including codes outside any known range.
QString ora_types(int adoType);

} // namespace generators::oracle
