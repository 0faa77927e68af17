// Periodic timers: their schedule in the backend's milliseconds, without drift.
#include "TTimer.h"

#include "TApplication.h"

TTimer::TTimer(TApplication& app) : app_(app), sequence_(app.NextTimerSequence()) {
    app_.RegisterTimer(this);
}

TTimer::~TTimer() {
    app_.UnregisterTimer(this);
}

void TTimer::SetInterval(int ms) {
    if (ms == interval_)
        return;
    interval_ = ms;
    if (enabled_)
        nextDue_ = app_.NowMs() + static_cast<std::uint64_t>(interval_ > 0 ? interval_ : 0);
}

void TTimer::SetEnabled(bool enabled) {
    // Starting a timer that already runs must not move its next tick: the match clock is started
    // again at every visit and would otherwise lose up to a second each time.
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled_)
        nextDue_ = app_.NowMs() + static_cast<std::uint64_t>(interval_ > 0 ? interval_ : 0);
}

void TTimer::Advance(std::uint64_t now) {
    const auto interval = static_cast<std::uint64_t>(interval_ > 0 ? interval_ : 0);
    // Counting from the due time, not from the delivery time, keeps a slow pass from shifting
    // every later tick. After a long stall (more than a whole period late) the missed ticks are
    // dropped instead of being delivered in a burst.
    nextDue_ += interval;
    if (nextDue_ <= now)
        nextDue_ = now + interval;
}
