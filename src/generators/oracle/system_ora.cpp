#include "generators/oracle/system_ora.h"

namespace generators {

void system_ora(RunContext& ctx, int nbmax)
{
    Q_UNUSED(ctx);
    Q_UNUSED(nbmax);
}

} // namespace generators
