#include "app/action_guard.h"

namespace app
{

ActionGuard::ActionGuard(RunGuard& guard) : guard_(guard)
{
    if (!guard_.underWay_) {
        guard_.underWay_ = true;
        owns_ = true;
    }
}

ActionGuard::~ActionGuard()
{
    if (owns_)
        guard_.underWay_ = false;
}

} // namespace app
