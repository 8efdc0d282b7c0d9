#include "kit/action_guard.h"

namespace kit
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

} // namespace kit
