#pragma once
// The end of every shared member of the generated data access class DAL, once the member
// has built its command `cmd` on the connection `cnx`: the command runs, and a failure
// closes the connection before it is thrown again.

#include "generators/common/line_table.h"

namespace generators
{

enum class DalCommand {
    Reader,             // a Function returning the data reader, which closes the connection
    Statement,          // a Sub; the connection stays open
    StatementThenClose, // a Sub that closes the connection once the statement has run
};

void writeDalCommandRun(ModuleFile& file, const QString& netPrefix, DalCommand kind);

QList<const LineTable*> dalCommandLineTables();

} // namespace generators
