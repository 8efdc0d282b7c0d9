#pragma once
// cont_gen: the last step of every VB.NET run that passed its checks. It finishes the
// data access and data manager modules and ends the run.

#include "generators/common/run_context.h"

namespace generators {

void cont_gen(RunContext& ctx, int nbmax);

} // namespace generators
