#pragma once
// One "action under way" state for the whole program. Long actions yield to the event
// loop, so clicks run in the middle of them; an action that must not overlap another
// (connect, select schema, close connection, look switch, generation, the arrow
// buttons) takes the guard and is refused while another holds it.

namespace kit
{

// The state itself, held by the session and shared by every window of the program.
class RunGuard
{
public:
    bool busy() const { return underWay_; }

private:
    friend class ActionGuard;
    bool underWay_ = false;
};

class ActionGuard
{
public:
    // Takes the guard when no action is under way; otherwise holds nothing.
    explicit ActionGuard(RunGuard& guard);
    ~ActionGuard();
    ActionGuard(const ActionGuard&) = delete;
    ActionGuard& operator=(const ActionGuard&) = delete;

    // True when this guard holds the action (the caller may go on).
    explicit operator bool() const { return owns_; }

private:
    RunGuard& guard_;
    bool owns_ = false;
};

} // namespace kit
