#pragma once
// Table and column names go into generated code as they are. A name holding a double
// quote (straight or curly) or a line break would end a string literal or a line early and turn the rest
// into code; a character the Windows-1252 files cannot hold would be written as '?'.
// A table with such a name is left out of the run. A name that is merely not a plain
// identifier (a blank, an apostrophe, a hyphen, a leading digit) is written as it is,
// and the run says that its code will not compile as it stands; so is a reserved word of
// the database's SQL, and the run says that the statements naming it will fail. A table
// name found in more than one schema is ambiguous, and the run says which of them it read.

#include "generators/common/run_context.h"

#include <QStringList>

namespace generators
{

enum class NameFit {
    plain,        // a plain identifier
    uncompilable, // written as it is; the generated code will not compile
    breaksCode,   // cannot be written into generated code at all
};

// How a name fits into generated code; `reason` says why it does not.
NameFit nameFit(const QString& name, QString* reason = nullptr);

// The chosen tables that the run writes, in their order. Each table's columns are read
// as the generators read them; every table left out, every name that will not compile
// and every ambiguous table name is recorded as a problem of the run.
QStringList tablesFitForCode(RunContext& ctx, const QStringList& tables, bool withRowLimit);

} // namespace generators
