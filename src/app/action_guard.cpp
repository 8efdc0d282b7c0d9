#include "app/action_guard.h"

namespace app {

namespace {
bool underWay = false;
}

ActionGuard::ActionGuard()
{
    if (!underWay) {
        underWay = true;
        owns_ = true;
    }
}

ActionGuard::~ActionGuard()
{
    if (owns_)
        underWay = false;
}

bool ActionGuard::busy()
{
    return underWay;
}

} // namespace app
