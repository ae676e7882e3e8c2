#pragma once
// The manager's deferred operations: what a request does at once and what stays pending for
// the timer. One request is pending at a time; a newer one replaces it.

namespace aw::skin {

enum class DeferredOp {
    None = 0,
    SkinAll = 1,
    UnskinAll = 2,
    Refresh = 3,
    FreeDestroyed = 6,
    Reskin = 7,
};

// What the caller must do after a request.
struct ScheduleEffect {
    enum Kind { SwitchOn, SwitchOff, Nothing, StartTimer } kind = Nothing;
    int intervalMs = 0;
};

// `Target` is whatever identifies the skin component an operation runs for.
template <typename Target>
class PendingOperation {
public:
    // While no skin component is active yet (activity 0) skin all and unskin all only flip the
    // switch at once, and other requests are dropped; afterwards the request waits for the timer.
    ScheduleEffect Request(DeferredOp op, Target target, int delayMs, int activityState)
    {
        if (activityState == 0) {
            if (op == DeferredOp::SkinAll) return {ScheduleEffect::SwitchOn, 0};
            if (op == DeferredOp::UnskinAll) return {ScheduleEffect::SwitchOff, 0};
            return {ScheduleEffect::Nothing, 0};
        }
        op_ = op;
        target_ = target;
        return {ScheduleEffect::StartTimer, delayMs};
    }

    DeferredOp Op() const { return op_; }
    Target PendingTarget() const { return target_; }

    // The timer fired: hands over the pending operation (None without a target) and forgets it.
    DeferredOp Take(Target& target)
    {
        target = target_;
        const DeferredOp op = target_ ? op_ : DeferredOp::None;
        op_ = DeferredOp::None;
        target_ = Target{};
        return op;
    }

    // The target is going away: a pending operation for it must not run.
    void Forget(Target target)
    {
        if (target_ != target) return;
        op_ = DeferredOp::None;
        target_ = Target{};
    }

private:
    DeferredOp op_ = DeferredOp::None;
    Target target_{};
};

}  // namespace aw::skin
