#pragma once
// system_ora: in stored-procedure mode, writes the package-calling data access module
// and the Oracle package file in place of the plain data access module.

#include "generators/common/run_context.h"

namespace generators {

void system_ora(RunContext& ctx, int nbmax);

} // namespace generators
